// Output files that belong together appear together or not at all.
#include <gtest/gtest.h>

#include "common/atomic_file.h"
#include "common/companion_error.h"
#include "program_runner.h"

namespace companion {
namespace {

using companion_test::TempDir;

TEST(CompanionCommitAll, AllFilesAppearTogether) {
  TempDir dir;
  AtomicFile a(dir / "LL_GHOST.DAT");
  AtomicFile b(dir / "UTM_GHST.DAT");
  a.writeLine("A");
  b.writeLine("B");
  commitAll({&a, &b});
  EXPECT_EQ(companion_test::readText(dir / "LL_GHOST.DAT"), "A\r\n");
  EXPECT_EQ(companion_test::readText(dir / "UTM_GHST.DAT"), "B\r\n");
  EXPECT_TRUE(companion_test::otherFiles(dir.path(), {"LL_GHOST.DAT", "UTM_GHST.DAT"}).empty());
}

// A later file that cannot be put in place takes the earlier ones with it,
// so a failed run never leaves one complete-looking output of the set.
TEST(CompanionCommitAll, OneFailureLeavesNoneUnderItsFinalName) {
  TempDir dir;
  std::filesystem::create_directories(dir / "XY_MAP.DAT" / "occupied");
  {
    AtomicFile a(dir / "LL_GHOST.DAT");
    AtomicFile b(dir / "UTM_GHST.DAT");
    AtomicFile c(dir / "XY_MAP.DAT");
    a.writeLine("A");
    b.writeLine("B");
    c.writeLine("C");
    try {
      commitAll({&a, &b, &c});
      ADD_FAILURE() << "commitAll did not fail";
    } catch (const CompanionError& error) {
      EXPECT_NE(std::string(error.what()).find("XY_MAP.DAT"), std::string::npos) << error.what();
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "LL_GHOST.DAT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "UTM_GHST.DAT"));
  EXPECT_TRUE(companion_test::otherFiles(dir.path(), {"XY_MAP.DAT"}).empty());
}

}  // namespace
}  // namespace companion
