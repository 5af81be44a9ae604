#include "common/input_records.h"

#include <gtest/gtest.h>

#include "common/companion_error.h"
#include "program_runner.h"

namespace companion {
namespace {

TEST(CompanionInputRecords, SkipsBlankLinesAndKeepsLineNumbers) {
  companion_test::TempDir dir;
  companion_test::writeText(dir / "INPUT.DAT", "A\r\n\r\n   \r\nB\nC");
  const auto records = readInputRecords(dir / "INPUT.DAT");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].text, "A");
  EXPECT_EQ(records[1].lineNumber, 4);
  EXPECT_EQ(records[1].text, "B");
  EXPECT_EQ(records[2].text, "C");
}

TEST(CompanionInputRecords, EmptyFileHasNoRecords) {
  companion_test::TempDir dir;
  companion_test::writeText(dir / "INPUT.DAT", "");
  EXPECT_TRUE(readInputRecords(dir / "INPUT.DAT").empty());
}

TEST(CompanionInputRecords, MissingFileOrDirectoryIsAnError) {
  companion_test::TempDir dir;
  EXPECT_THROW(readInputRecords(dir / "NONE.DAT"), CompanionError);
  EXPECT_THROW(readInputRecords(dir.path()), CompanionError);
}

}  // namespace
}  // namespace companion
