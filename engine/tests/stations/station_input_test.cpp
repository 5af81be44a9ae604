// The station input stage in-process: prompts, messages and what it writes.
#include "stations/station_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "common/program_stop.h"
#include "geodesy/mpcord.h"
#include "tests/orvandel/program_runner.h"

namespace orvandel {
namespace {

struct Stage {
    orvtest::TempDir dir;
    std::istringstream in;
    std::ostringstream screen;
    RunOptions options;

    explicit Stage(const std::string& answers) : in(answers) {
        options.title = "STAGE" + std::string(75, ' ');
        options.date = "07-DEC-2026";
    }
    RunContext context() { return RunContext{in, screen, dir.path(), options.date}; }
    std::vector<std::string> lines(const std::string& name) { return orvtest::readLines(dir.file(name)); }
};

TEST(StationInput, GeographicKeyboardRecord) {
    Stage s("K\n  STN1      45 30 12.34567 66 15  1.00000    12.000\n\n");
    s.options.transformation = 1;
    s.options.province = "NB ";
    RunContext c = s.context();
    EXPECT_EQ(runGeographicInput(c, s.options), 1);
    const auto temp1 = s.lines("TEMP1.DAT");
    ASSERT_EQ(temp1.size(), 1u);
    EXPECT_EQ(temp1[0].substr(10, 8), "45.030.0");
    EXPECT_EQ(temp1[0].substr(29, 8), "66.015.0");
    const auto temp2 = s.lines("TEMP2.DAT");
    ASSERT_EQ(temp2.size(), 3u);
    EXPECT_EQ(temp2[0], s.options.title);
    EXPECT_EQ(temp2[2][39], 'F');
    // Feet with two decimals towards ATS77.
    EXPECT_EQ(temp2[2][21], '.');
    EXPECT_NE(s.screen.str().find(" DO YOU WANT TO INPUT DATA FROM A FILE OR FROM THE KEYBOARD?  (F OR K)\n"),
              std::string::npos);
    EXPECT_NE(s.screen.str().find("  XXXXXXXXX DD MM SS.SSSSS DD MM SS.SSSSS EEEE.EEE  (PRESS RETURN TWICE TO END)\n"),
              std::string::npos);
}

// Nothing to transform ends the run: empty result files would read as a
// finished one.
int noStationsStop(const std::function<void()>& stage) {
    try {
        stage();
    } catch (const ProgramStop& stop) {
        EXPECT_NE(std::string(stop.what()).find("NO STATIONS"), std::string::npos) << stop.what();
        return stop.status();
    }
    return 0;
}

TEST(StationInput, GeographicParameterRecordWithoutStations) {
    Stage s("K\n\n");
    s.options.transformation = 6;
    s.options.province = "PEI";
    RunContext c = s.context();
    EXPECT_EQ(noStationsStop([&] { runGeographicInput(c, s.options); }), 2);
    // Written before the first station is read.
    const auto temp2 = s.lines("TEMP2.DAT");
    ASSERT_EQ(temp2.size(), 2u);
    EXPECT_EQ(temp2[1].substr(0, 3), "992");
}

TEST(StationInput, GridParameterRecordOnlyWithAStation) {
    Stage s("K\n\n");
    s.options.transformation = 1;
    s.options.province = "NB ";
    s.options.unit = 'F';
    RunContext c = s.context();
    EXPECT_EQ(noStationsStop([&] { runGridInput(c, s.options); }), 2);
    EXPECT_EQ(s.lines("TEMP2.DAT").size(), 1u);
}

TEST(StationInput, EmptyDataFileNamesTheFile) {
    Stage s("F\nNONE.DAT\n");
    orvtest::writeText((s.dir.path() / "NONE.DAT").string(), "");
    s.options.transformation = 1;
    s.options.province = "NB ";
    s.options.unit = 'M';
    RunContext c = s.context();
    try {
        runGridInput(c, s.options);
        FAIL() << "no stop";
    } catch (const ProgramStop& stop) {
        EXPECT_EQ(stop.status(), 2);
        EXPECT_STREQ(stop.what(), "INPUT DATA FILE 'NONE.DAT' HOLDS NO STATIONS");
    }
}

TEST(StationInput, Ats77GeographicsOutsideTheRegionGiveAMessageOnTheScreen) {
    Stage s("K\n  FARAWAY   30  0  0.00000 90  0  0.00000\n\n");
    s.options.transformation = 4;
    s.options.province = "NB ";
    RunContext c = s.context();
    EXPECT_EQ(runGeographicInput(c, s.options), 1);
    EXPECT_NE(s.screen.str().find("MPCORD RETURNED A MESSAGE CODE"), std::string::npos);
    // The station files hold station records only.
    EXPECT_EQ(s.lines("TEMP1.DAT").size(), 1u);
    EXPECT_EQ(s.lines("TEMP2.DAT").size(), 3u);
}

TEST(StationInput, InvalidNovaScotiaZoneIsReportedForEveryStation) {
    Stage s("K\n SYDNEY     16769669.020    1331643.700\n TWO        16769669.020    1331643.700\n\n");
    s.options.transformation = 2;
    s.options.province = "NS ";
    s.options.unit = 'F';
    s.options.zone = 7;
    RunContext c = s.context();
    EXPECT_EQ(runGridInput(c, s.options), 2);
    const std::string screen = s.screen.str();
    EXPECT_NE(screen.find(" INVALID ZONE CODE ( 7 ) AT STATION NUMBERSYDNEY   \n"), std::string::npos);
    EXPECT_NE(screen.find(" INVALID ZONE CODE ( 7 ) AT STATION NUMBERTWO      \n"), std::string::npos);
}

TEST(StationInput, InvalidProvinceStopsWithCode16) {
    Stage s("K\n STN        100000.000     100000.000\n\n");
    s.options.transformation = 1;
    s.options.province = "QC ";
    s.options.unit = 'M';
    RunContext c = s.context();
    try {
        runGridInput(c, s.options);
        FAIL() << "no stop";
    } catch (const ProgramStop& stop) {
        EXPECT_EQ(stop.status(), 16);
        EXPECT_STREQ(stop.what(), "STOP 16: INVALID PROVINCE CODE 'QC ' AT STATION STN      ");
    }
    EXPECT_NE(s.screen.str().find(" INVALID PROVINCE CODE ( QC  ) AT STATION NUMBERSTN      \n"), std::string::npos);
}

TEST(StationInput, UtmInputHasNoListing) {
    Stage s("K\n FREDERICT   5091390.036     683355.617     12.500\n\n");
    s.options.transformation = 1;
    s.options.province = "NB ";
    s.options.unit = 'U';
    s.options.centralMeridian = 69.0;
    RunContext c = s.context();
    EXPECT_EQ(runGridInput(c, s.options), 1);
    EXPECT_TRUE(s.lines("ORVANDEL.OUT").empty());
    EXPECT_EQ(s.lines("TEMP2.DAT").at(2)[39], 'U');
}

TEST(StationInput, NovaScotiaZoneFromTheFirstEasting) {
    Stage s("K\n HALIFAX    4945959.327    5572530.520\n SYDNEY     5111589.706    4601133.112\n\n");
    s.options.transformation = 5;
    s.options.province = "NS ";
    s.options.unit = 'R';
    RunContext c = s.context();
    EXPECT_EQ(runGridInput(c, s.options), 2);
    EXPECT_EQ(s.options.zone, 5);
    const auto temp2 = s.lines("TEMP2.DAT");
    EXPECT_EQ(temp2.at(2).substr(40, 5), "    5");
    EXPECT_EQ(temp2.at(3).substr(40, 5), "    5");
}

}  // namespace
}  // namespace orvandel
