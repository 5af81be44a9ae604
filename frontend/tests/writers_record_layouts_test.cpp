#include <gtest/gtest.h>

#include "writers/record_layouts.h"

namespace kartovex {
namespace {

const GeoFields kP1{"P1", "45", "05", "03.20000", "66", "07", "12.00000", ""};

// Column c to d (1-based, inclusive) of a record.
std::string Cols(const std::string& r, std::size_t c, std::size_t d) {
  return r.substr(c - 1, d - c + 1);
}

TEST(RecordLayoutsTest, TransformEnIs35Characters) {
  std::string r = TransformEnRecord("P1", "7400000.000", "2500000.000");
  EXPECT_EQ(r, "P1" + std::string(7, ' ') + "  7400000.000" + "  2500000.000");
  EXPECT_EQ(r.size(), 35u);
  EXPECT_EQ(Cols(r, 1, 9), "P1       ");
  EXPECT_EQ(Cols(r, 10, 22), "  7400000.000");
  EXPECT_EQ(Cols(r, 23, 35), "  2500000.000");
}

TEST(RecordLayoutsTest, TransformLlColumns) {
  std::string r = TransformLlRecord(kP1);
  ASSERT_EQ(r.size(), 41u);
  EXPECT_EQ(Cols(r, 1, 11), "         P1");
  EXPECT_EQ(Cols(r, 13, 14), "45");
  EXPECT_EQ(Cols(r, 16, 17), "05");
  EXPECT_EQ(Cols(r, 19, 26), "03.20000");
  EXPECT_EQ(Cols(r, 28, 29), "66");
  EXPECT_EQ(Cols(r, 31, 32), "07");
  EXPECT_EQ(Cols(r, 34, 41), "12.00000");
}

TEST(RecordLayoutsTest, Quillon27EnNorthingFromColumn21) {
  std::string r = Quillon27EnRecord("P1", "2500000.000", "7400000.000");
  EXPECT_EQ(r, "P1      2500000.000 7400000.000");
  EXPECT_EQ(Cols(r, 21, 31), "7400000.000");
  // Short coordinates are not padded after them.
  EXPECT_EQ(Quillon27EnRecord("P1234567", "1.5", "2.5"),
            "P12345671.5" + std::string(9, ' ') + "2.5");
}

TEST(RecordLayoutsTest, Quillon27LlHasNoSeparators) {
  EXPECT_EQ(Quillon27LlRecord(kP1), "450503.20000660712.00000P1");
}

TEST(RecordLayoutsTest, VesperanEnRightAligned) {
  std::string r = VesperanEnRecord("P1", "7400000.000", "2500000.000");
  EXPECT_EQ(Cols(r, 1, 9), "       P1");
  EXPECT_EQ(Cols(r, 10, 22), "  7400000.000");
  EXPECT_EQ(Cols(r, 23, 35), "  2500000.000");
}

TEST(RecordLayoutsTest, VesperanXyColumns) {
  std::string r = VesperanXyRecord("U1", "20", "500000.000", "5000000.000");
  EXPECT_EQ(Cols(r, 1, 6), " 04   ");
  EXPECT_EQ(Cols(r, 7, 15), "       U1");
  EXPECT_EQ(Cols(r, 16, 50), std::string(35, ' '));
  EXPECT_EQ(Cols(r, 51, 52), "20");
  EXPECT_EQ(Cols(r, 53, 58), std::string(6, ' '));
  EXPECT_EQ(Cols(r, 59, 68), "500000.000");
  EXPECT_EQ(r.substr(69), "5000000.000");
}

TEST(RecordLayoutsTest, VesperanLlWithAndWithoutMeridian) {
  std::string nb = VesperanLlRecord(kP1, "");
  EXPECT_EQ(nb, "       P1 45 05 03.20000 66 07 12.00000");
  EXPECT_EQ(nb.size(), 39u);
  std::string ns = VesperanLlRecord(kP1, "64.5");
  EXPECT_EQ(ns, nb + " 64.5");
  EXPECT_EQ(ns.substr(40), "64.5");
}

TEST(RecordLayoutsTest, LumbrixIsCommaSeparated) {
  EXPECT_EQ(LumbrixLlRecord(kP1), "'P1',45,05,03.20000,66,07,12.00000");
}

TEST(RecordLayoutsTest, DecimalCommaSecondsAreWrittenWithPoint) {
  GeoFields f = kP1;
  f.latSec = "03,20000";
  EXPECT_EQ(LumbrixLlRecord(f), "'P1',45,05,03.20000,66,07,12.00000");
  EXPECT_EQ(TransformLlRecord(f).substr(18, 8), "03.20000");
}

TEST(RecordLayoutsTest, AlignmentHelpers) {
  EXPECT_EQ(LeftAligned("ab", 4), "ab  ");
  EXPECT_EQ(LeftAligned("abcde", 4), "abcde");
  EXPECT_EQ(RightAligned("ab", 4), "  ab");
  EXPECT_EQ(RightAligned("abcde", 4), "abcde");
  std::string r = "abc";
  PadToColumn(r, 2);
  EXPECT_EQ(r, "abc");
}

}  // namespace
}  // namespace kartovex
