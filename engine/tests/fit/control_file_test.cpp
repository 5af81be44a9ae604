// Reading control stations: the delimited layout and one message per bad line.
#include <gtest/gtest.h>

#include <sstream>

#include "fit/control_file.h"

namespace orvfit {
namespace {

bool read(const std::string& text, std::vector<ControlStation>& stations, std::vector<std::string>& errors,
          const std::string& delimiter = ",") {
    std::istringstream in(text);
    return readControls(in, "CONTROLS.TXT", delimiter, stations, errors);
}

const char* const kGood = "P1,45,30,15.5,66,20,1.25,45,30,15.9,66,20,0.75\n";

TEST(ControlFile, ReadsAStationInDegreesMinutesSeconds) {
    std::vector<ControlStation> s;
    std::vector<std::string> e;
    ASSERT_TRUE(read(kGood, s, e));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, "P1");
    EXPECT_EQ(s[0].line, 1);
    EXPECT_DOUBLE_EQ(s[0].nad27Lat, 45 + 30 / 60.0 + 15.5 / 3600.0);
    EXPECT_DOUBLE_EQ(s[0].nad27Lon, 66 + 20 / 60.0 + 1.25 / 3600.0);
    EXPECT_DOUBLE_EQ(s[0].ats77Lat, 45 + 30 / 60.0 + 15.9 / 3600.0);
    EXPECT_DOUBLE_EQ(s[0].ats77Lon, 66 + 20 / 60.0 + 0.75 / 3600.0);
    EXPECT_EQ(s[0].weight, 1.0);
}

TEST(ControlFile, OptionalWeightAndOtherDelimiters) {
    std::vector<ControlStation> s;
    std::vector<std::string> e;
    ASSERT_TRUE(read("P1;45;30;15;66;20;1;45;30;16;66;20;0;2.5\r\nP2;46;0;0;65;0;0;46;0;1;65;0;1\r\n", s, e, ";"));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].weight, 2.5);
    EXPECT_EQ(s[1].weight, 1.0);
    EXPECT_EQ(s[1].line, 2);
}

TEST(ControlFile, ReadingStopsAtTheFirstEmptyLine) {
    std::vector<ControlStation> s;
    std::vector<std::string> e;
    ASSERT_TRUE(read(std::string(kGood) + "  \nnot,a,station\n", s, e));
    EXPECT_EQ(s.size(), 1u);
}

TEST(ControlFile, EveryBadLineIsNamedAndLeftOut) {
    std::vector<ControlStation> s;
    std::vector<std::string> e;
    const std::string text = std::string(kGood) +
                             "P2,45,30,15\n"                                    // too few fields
                             "P3,45,60,15,66,20,1,45,30,15,66,20,1\n"           // minutes 60
                             "P4,45,30,15,66,20,1,45,30,60.0,66,20,1\n"         // seconds 60
                             "P5,45,30,15,66,20,1,45,30,15,66,20,1,0\n"         // weight 0
                             "P6,45,30,15,66,20,1,45,30,15,66,20,1,1,9\n"       // too many
                             "TOOLONGNAME,45,30,15,66,20,1,45,30,15,66,20,1\n"  // name
                             "P1,45,30,15,66,20,1,45,30,15,66,20,1\n"           // repeated
                             "P9,4x,30,15,66,20,1,45,30,15,66,20,1\n"           // degrees
                             "P10,45,30,-1,66,20,1,45,30,15,66,20,1\n";         // sign
    EXPECT_FALSE(read(text, s, e));
    ASSERT_EQ(s.size(), 1u);
    ASSERT_EQ(e.size(), 9u);
    EXPECT_EQ(e[0].rfind("CONTROLS.TXT line 2: too few fields", 0), 0u) << e[0];
    EXPECT_NE(e[1].find("line 3: NAD27 latitude minutes '60'"), std::string::npos) << e[1];
    EXPECT_NE(e[2].find("line 4: ATS77 latitude seconds '60.0'"), std::string::npos) << e[2];
    EXPECT_NE(e[3].find("line 5: weight '0'"), std::string::npos) << e[3];
    EXPECT_NE(e[4].find("line 6: too many fields"), std::string::npos) << e[4];
    EXPECT_NE(e[5].find("line 7: station name 'TOOLONGNAME'"), std::string::npos) << e[5];
    EXPECT_NE(e[6].find("line 8: station name 'P1' is already used on line 1"), std::string::npos) << e[6];
    EXPECT_NE(e[7].find("line 9: NAD27 latitude degrees '4x'"), std::string::npos) << e[7];
    EXPECT_NE(e[8].find("line 10: NAD27 latitude seconds '-1'"), std::string::npos) << e[8];
}

TEST(ControlFile, ConsecutiveDelimitersGiveAnEmptyField) {
    std::vector<ControlStation> s;
    std::vector<std::string> e;
    EXPECT_FALSE(read("P1,,30,15,66,20,1,45,30,15,66,20,1,2\n", s, e));
    ASSERT_EQ(e.size(), 1u);
    EXPECT_NE(e[0].find("NAD27 latitude degrees ''"), std::string::npos);
}

}  // namespace
}  // namespace orvfit
