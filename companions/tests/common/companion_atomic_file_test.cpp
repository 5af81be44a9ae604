#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include "common/companion_error.h"
#include "program_runner.h"

namespace companion {
namespace {

using companion_test::TempDir;

TEST(CompanionAtomicFile, NothingAppearsUnlessCommitted) {
  TempDir dir;
  {
    AtomicFile file(dir / "XY_MAP.DAT");
    file.writeLine("half");
    EXPECT_TRUE(std::filesystem::exists(file.temporaryPath()));
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(CompanionAtomicFile, CommitWritesCrLfLinesUnderTheFinalName) {
  TempDir dir;
  AtomicFile file(dir / "XY_MAP.DAT");
  file.writeLine("A");
  file.writeLine("");
  file.commit();
  EXPECT_EQ(companion_test::readText(dir / "XY_MAP.DAT"), "A\r\n\r\n");
  EXPECT_EQ(companion_test::otherFiles(dir.path(), {"XY_MAP.DAT"}).size(), 0u);
}

TEST(CompanionAtomicFile, CommitReplacesAnOlderFile) {
  TempDir dir;
  companion_test::writeText(dir / "OLD.DAT", "old contents\r\n");
  AtomicFile file(dir / "OLD.DAT");
  file.writeLine("new");
  EXPECT_EQ(companion_test::readText(dir / "OLD.DAT"), "old contents\r\n");
  file.commit();
  EXPECT_EQ(companion_test::readText(dir / "OLD.DAT"), "new\r\n");
}

TEST(CompanionAtomicFile, UncreatableFileIsAnError) {
  TempDir dir;
  EXPECT_THROW(AtomicFile(dir / "missing" / "X.DAT"), CompanionError);
}

}  // namespace
}  // namespace companion
