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

namespace companion {
namespace {

// Lines gather in a buffer of a megabyte: more than that goes out in several
// writes, in order.
TEST(CompanionAtomicFile, LongFilesArriveWholeAndInOrder) {
  TempDir dir;
  AtomicFile file(dir / "LL_GHOST.DAT");
  std::string expected;
  for (int i = 0; i < 40000; ++i) {
    const std::string line = std::to_string(i) + std::string(60 + i % 17, 'x');
    file.writeLine(line);
    expected += line + "\r\n";
  }
  ASSERT_GT(expected.size(), 2u << 20);
  file.commit();
  EXPECT_EQ(companion_test::readText(dir / "LL_GHOST.DAT"), expected);
}

}  // namespace
}  // namespace companion
