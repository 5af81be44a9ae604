#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "geodesy/mpmsg.h"

namespace {

using geodesy::MPMSG;
using geodesy::mpmsgLines;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(MPMSG, LineCountsPerCode) {
    const int expected[] = {0, 5, 5, 6, 7, 6, 6, 5, 4, 4, 4, 4};
    for (int code = 1; code <= 11; ++code) {
        std::ostringstream out;
        EXPECT_EQ(MPMSG(code, out, " "), expected[code]) << code;
        EXPECT_EQ(static_cast<int>(linesOf(out.str()).size()), expected[code]) << code;
    }
}

TEST(MPMSG, OtherCodesWriteNothing) {
    for (int code : {0, 12, -1, 99}) {
        std::ostringstream out;
        EXPECT_EQ(MPMSG(code, out, " "), 0);
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(MPMSG, FirstLineLayout) {
    std::ostringstream out;
    MPMSG(7, out, " ");
    const auto lines = linesOf(out.str());
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0], "      MPCORD RETURNED A MESSAGE CODE  7 -MERIDN NOT PRINCIPAL ZONE FOR N.S. M.T.M");
    EXPECT_EQ(lines[1], "     VALUES ARE 61-30 WEST FOR ZONE 4  AND  64-30 WEST FOR ZONE 5");
    EXPECT_EQ(lines[2], "     COMPUTATIONS PERFORMED");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "");
}

TEST(MPMSG, TwoDigitCodeAndCarriageControl) {
    const auto lines = mpmsgLines(11, "1");
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0], "1     MPCORD RETURNED A MESSAGE CODE 11 -OUTPUT COVARIANCE MATRIX NOT POSITIVE DEFINITE");
    EXPECT_EQ(lines[1], "     NO COMPUTATIONS PERFORMED");
}

TEST(MPMSG, NovaScotiaRanges) {
    const auto lines = mpmsgLines(4, " ");
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[0],
              "      MPCORD RETURNED A MESSAGE CODE  4 -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF NOVA SCOTIA");
    EXPECT_EQ(lines[1],
              "     LATITUDE/LONGITUDE RANGE IS 43-22 TO 47-14  AND  59-00 TO 67-00    POSITIVE NORTH AND EAST");
    EXPECT_EQ(lines[2],
              "     NORTHING/EASTING RANGE IS 4,804,066 TO 5,235,695  AND  4,386,426 TO 4,702,619    METRES  (ZONE 4)");
    EXPECT_EQ(lines[3],
              "     NORTHING/EASTING RANGE IS 4,804,066 TO 5,235,695  AND  5,297,380 TO 5,613,573    METRES  (ZONE 5)");
    EXPECT_EQ(lines[4], "     COMPUTATIONS PERFORMED");
}

TEST(MPMSG, EveryFirstLineText) {
    const char* first[] = {
        nullptr,
        " -INVALID CODE",
        " -INVALID PROJ",
        " -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF NEW BRUNSWICK",
        " -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF NOVA SCOTIA",
        " -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF PRINCE EDWARD ISLAND",
        " -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF MARITIMES",
        " -MERIDN NOT PRINCIPAL ZONE FOR N.S. M.T.M",
        " -MERIDN NOT PRINCIPAL ZONE FOR U.T.M",
        " -MAIN DIAGONAL ELEMENT OF OUTPUT COVARIANCE MATRIX LESS THAN OR EQUAL TO ZERO",
        " -OUTPUT COVARIANCE MATRIX NOT SYMMETRIC",
        " -OUTPUT COVARIANCE MATRIX NOT POSITIVE DEFINITE",
    };
    for (int code = 1; code <= 11; ++code) {
        const auto lines = mpmsgLines(code, " ");
        const std::string head = "      MPCORD RETURNED A MESSAGE CODE";
        ASSERT_EQ(lines[0].substr(0, head.size()), head);
        EXPECT_EQ(lines[0].substr(head.size() + 3), first[code]) << code;
        for (std::size_t i = 1; i + 2 < lines.size(); ++i) {
            EXPECT_EQ(lines[i].substr(0, 5), "     ");
            EXPECT_NE(lines[i][5], ' ');
        }
    }
}

TEST(MPMSG, RangeTextsOfTheOtherRegions) {
    EXPECT_EQ(mpmsgLines(3, " ")[2],
              "     NORTHING/EASTING RANGE IS 526,616 TO 1,028,192  AND  59,317 TO 580,785    METRES");
    EXPECT_EQ(mpmsgLines(5, " ")[1],
              "     LATITUDE/LONGITUDE RANGE IS 45-55 TO 47-05  AND  61-56 TO 64-28    POSITIVE NORTH AND EAST");
    EXPECT_EQ(mpmsgLines(6, " ")[2],
              "     NORTHING/EASTING RANGE IS 4,801,348 TO 5,330,992  AND  216,566 TO 783,434    METRES  (U.T.M.)");
    EXPECT_EQ(mpmsgLines(2, " ")[1], "     MUST BE ANY OF 1,2,3,4  11,12,13,14");
    EXPECT_EQ(mpmsgLines(1, " ")[2], "     NO COMPUTATIONS PERFORMED");
}

}  // namespace
