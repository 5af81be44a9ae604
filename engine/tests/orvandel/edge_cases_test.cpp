// The edge cases of the station input, the transformation and the output
// stage, through the whole program.
#include <cmath>

#include "orvandel_fixture.h"
#include "transform/datum_shift.h"

namespace orvtest {
namespace {

std::vector<std::string> geoAnswers(const std::string& transformation, const std::string& file = "INPUT.DAT") {
    return {transformation, "1", "EDGE", "Y", "F", file, "1", ""};
}

// n stations on a line through New Brunswick, all well inside the grid.
std::string nbStations(int n, int outsideIndex = -1) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        const int lat = i == outsideIndex ? 42 : 46;
        std::string name = "S";
        name += std::to_string(i + 1);
        s += geoRecord(name, lat, i % 60, 0.5, 66, (i * 7) % 60, 1.25);
        s += '\n';
    }
    return s;
}

TEST(EdgeCaseRun, FiftyFirstStationStartsANewListingPage) {
    OrvandelRun run;
    run.addText("INPUT.DAT", nbStations(51));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    const auto report = run.lines("ORVANDEL.OUT");
    int listingHeaders = 0;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i].find("*****  GEOGRAPHICS") == std::string::npos) continue;
        ++listingHeaders;
        ASSERT_GE(i, 2u);
        EXPECT_EQ(report[i - 2][0], listingHeaders == 1 ? ' ' : '\f');
        if (listingHeaders == 2) {
            // Six header lines, then the 51st station.
            EXPECT_EQ(report[i + 6].substr(17, 9), "S51      ");
        }
    }
    EXPECT_EQ(listingHeaders, 2);
}

TEST(EdgeCaseRun, FortySixthTransformedStationStartsNewPages) {
    OrvandelRun run;
    run.addText("INPUT.DAT", nbStations(46));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    const auto report = run.lines("ORVANDEL.OUT");
    EXPECT_EQ(countContaining(report, "GEOGRAPHICS IN THE DATUM TRANSFORMED TO."), 2);
    EXPECT_EQ(countContaining(report, "TRANSFORMATION TO ATS77 VALUES"), 2);
    // The 46th line of each table follows its second header.
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i].find("GEOGRAPHICS IN THE DATUM") != std::string::npos && i > 100) {
            EXPECT_EQ(report[i + 6].substr(5, 9), "S46      ");
        }
    }
}

TEST(EdgeCaseRun, StationOnTheGridLimitIsTransformed) {
    OrvandelRun run;
    run.useModel(1, plainModel(44.0, 64.0));
    run.addText("INPUT.DAT", joinLines({geoRecord("ONLIMIT", 43, 0, 0.0, 64, 0, 0.0),
                                        geoRecord("BELOW", 42, 59, 59.9, 64, 0, 0.0)}));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    const auto temp5 = run.lines("TEMP5.DAT");
    ASSERT_EQ(temp5.size(), 1u);
    EXPECT_EQ(temp5[0].substr(1, 9), "ONLIMIT  ");
    EXPECT_EQ(temp5[0].substr(10, 16), "43.0 0.0 0.00000");
}

TEST(EdgeCaseRun, RadiusOnePointNineIsInsideAndBeyondIsOutside) {
    OrvandelRun run;
    run.useModel(1, plainModel(45.0, 64.0));
    // u = 1.9 exactly at 46 54; a little more is beyond the radius.
    run.addText("INPUT.DAT", joinLines({geoRecord("INSIDE", 46, 54, 0.0, 64, 0, 0.0),
                                        geoRecord("OUTSIDE", 46, 54, 1.0, 64, 0, 0.0)}));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    const auto temp5 = run.lines("TEMP5.DAT");
    ASSERT_EQ(temp5.size(), 1u);
    EXPECT_EQ(temp5[0].substr(1, 9), "INSIDE   ");
    EXPECT_EQ(countContaining(run.lines("ORVANDEL.OUT"), "THIS POINT WAS NOT"), 1);
}

TEST(EdgeCaseRun, ZeroCorrelationGivesZeroResidualCorrections) {
    OrvandelRun run;
    orvandel::CoefficientModel m = plainModel(46.0, 66.0, 1);
    m.header.degree = 1;
    m.coefficients = {{0.5, -0.25}, {0.1, 0.2}};
    m.control.u = {0.0};
    m.control.v = {0.0};
    m.control.residualLat = {5.0};
    m.control.residualLon = {5.0};
    m.control.weight = {1.0};
    m.header.stationCount = 1;
    run.useModel(1, m);
    run.addText("INPUT.DAT", nbStations(3));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    int lines = 0;
    for (const auto& l : run.lines("ORVANDEL.OUT")) {
        if (l.size() == 104 && l.substr(72, 7).find('.') != std::string::npos) {
            ++lines;
            EXPECT_EQ(l.substr(79, 7), "  0.000") << l;
            EXPECT_EQ(l.substr(95, 7), "  0.000") << l;
        }
    }
    EXPECT_EQ(lines, 3);
}

TEST(EdgeCaseRun, DegreeZeroGivesTheSameCorrectionEverywhere) {
    OrvandelRun run;
    orvandel::CoefficientModel m = plainModel(46.0, 66.0, 1);
    m.coefficients = {{0.8, -1.2}};
    m.header.latOffset = 0.1;
    m.header.lonOffset = -0.05;
    m.header.latDivisor = 2.0;
    run.useModel(1, m);
    run.addText("INPUT.DAT", nbStations(4));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    int lines = 0;
    for (const auto& l : run.lines("ORVANDEL.OUT")) {
        if (l.size() == 104 && l.substr(72, 7).find('.') != std::string::npos) {
            ++lines;
            EXPECT_EQ(l.substr(72, 7), "  0.500");  // 0.8 / 2 + 0.1
            EXPECT_EQ(l.substr(88, 7), " -1.250");  // -1.2 / 1 - 0.05
        }
    }
    EXPECT_EQ(lines, 4);
}

TEST(EdgeCaseRun, ModelDirectionDecidesTheApproximateShift) {
    OrvandelRun run;
    const orvandel::CoefficientModel m = plainModel(46.0, 66.0, 2);
    run.useModel(1, m);
    run.addText("INPUT.DAT", joinLines({geoRecord("SHIFTED", 46, 10, 0.0, 66, 20, 0.0)}));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    const auto report = run.lines("ORVANDEL.OUT");
    EXPECT_EQ(countContaining(report, "TRANSFORMATION FROM NAD27 TO ATS77   NO  "), 1);
    EXPECT_EQ(countContaining(report, "TRANSFORMATION FROM ATS77 TO NAD27   YES "), 1);
    double lat = 46.0 + 10.0 / 60.0, lon = 66.0 + 20.0 / 60.0;
    orvandel::approximateShift(2, lat, lon);
    const auto temp5 = run.lines("TEMP5.DAT");
    ASSERT_EQ(temp5.size(), 1u);
    const std::string& t = temp5[0];
    const double gotLat =
        std::stod(t.substr(10, 4)) + std::stod(t.substr(14, 4)) / 60 + std::stod(t.substr(18, 8)) / 3600;
    const double gotLon =
        std::stod(t.substr(29, 4)) + std::stod(t.substr(33, 4)) / 60 + std::stod(t.substr(37, 8)) / 3600;
    EXPECT_NEAR(gotLat * 3600, lat * 3600, 1e-5);
    EXPECT_NEAR(gotLon * 3600, lon * 3600, 1e-5);
    // The other way round the shift would have moved it the other way.
    double other = 46.0 + 10.0 / 60.0, otherLon = 66.0 + 20.0 / 60.0;
    orvandel::approximateShift(1, other, otherLon);
    EXPECT_GT(std::fabs(gotLat - other) * 3600, 0.01);
}

TEST(EdgeCaseRun, PeiMetricOriginIsTheFeetGridOrigin) {
    OrvandelRun metric, feet;
    metric.addText("INPUT.DAT", "ORIGIN     300000.000   300000.000    0.000\n");
    feet.addText("INPUT.DAT", "ORIGIN     700000.000   500000.000    0.000\n");
    ASSERT_EQ(metric.run({"3", "3", "T", "Y", "F", "INPUT.DAT", ""}).status, 0);
    ASSERT_EQ(feet.run({"3", "2", "T", "Y", "F", "INPUT.DAT", ""}).status, 0);
    EXPECT_EQ(metric.text("TEMP1.DAT"), feet.text("TEMP1.DAT"));
}

TEST(EdgeCaseRun, NovaScotiaZoneComesFromTheFirstStation) {
    OrvandelRun run;
    run.addInput("ns_ats77_mixed.dat", "INPUT.DAT");
    ASSERT_EQ(run.run({"5", "3", "", "T", "Y", "F", "INPUT.DAT", ""}).status, 0);
    const auto temp2 = run.lines("TEMP2.DAT");
    ASSERT_EQ(temp2.size(), 6u);
    for (std::size_t i = 2; i < temp2.size(); ++i) EXPECT_EQ(temp2[i].substr(40, 5), "    5") << temp2[i];
}

TEST(EdgeCaseRun, ThirdOfFiveOutsideTheGrid) {
    OrvandelRun run;
    run.addText("INPUT.DAT", nbStations(5, 2));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 4u);
    EXPECT_EQ(run.lines("TRN_GHST.DAT").size(), 4u);
    std::vector<std::string> table;
    for (const auto& l : run.lines("ORVANDEL.OUT")) {
        if (l.size() > 48 && l[0] == ' ' && l[1] == 'S' && (l[48] == 'F' || l[50] == 'F')) table.push_back(l);
    }
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[2].substr(1, 9), "S3       ");
    EXPECT_EQ(table[2].substr(87, 30), "THIS POINT WAS NOT TRANSFORMED");
    EXPECT_EQ(table[3].substr(1, 9), "S4       ");
    EXPECT_EQ(table[3].find("THIS POINT"), std::string::npos);
}

TEST(EdgeCaseRun, LastStationOutsideTheGridStillGetsItsLine) {
    OrvandelRun run;
    run.addText("INPUT.DAT", nbStations(3, 2));
    const RunResult r = run.run(geoAnswers("1"));
    EXPECT_EQ(r.status, 0) << r.errors;
    const auto report = run.lines("ORVANDEL.OUT");
    EXPECT_EQ(countContaining(report, "THIS POINT WAS NOT TRANSFORMED"), 1);
    EXPECT_EQ(report.back().substr(1, 9), "S3       ");
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 2u);
    EXPECT_NE(r.screen.find("END OF PROGRAM"), std::string::npos);
}

TEST(EdgeCaseRun, RepeatedNamesKeepTheirOwnCoordinates) {
    OrvandelRun run;
    run.addText("INPUT.DAT",
                joinLines({geoRecord("FIRST", 46, 0, 0.0, 66, 0, 0.0), geoRecord("TWIN", 42, 0, 0.0, 66, 0, 0.0),
                           geoRecord("TWIN", 47, 0, 0.0, 65, 0, 0.0)}));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    const auto temp5 = run.lines("TEMP5.DAT");
    ASSERT_EQ(temp5.size(), 2u);
    EXPECT_EQ(temp5[1].substr(46, 8), "       3");
    std::vector<std::string> table;
    for (const auto& l : run.lines("ORVANDEL.OUT")) {
        if (l.size() > 48 && (l.substr(1, 4) == "TWIN" || l.substr(1, 5) == "FIRST")) table.push_back(l);
    }
    ASSERT_EQ(table.size(), 3u);
    EXPECT_NE(table[1].find("THIS POINT WAS NOT"), std::string::npos);
    EXPECT_EQ(table[2].find("THIS POINT WAS NOT"), std::string::npos);
    // The second TWIN (47 N) is the one in the coordinate file.
    const auto cord = run.lines("TRN_CORD.DAT");
    ASSERT_EQ(cord.size(), 2u);
    EXPECT_EQ(cord[1].substr(0, 9), "TWIN     ");
    EXPECT_GT(std::stod(cord[1].substr(9, 13)), std::stod(cord[0].substr(9, 13)));
}

TEST(EdgeCaseRun, BlankNameInAFileIsAStation) {
    OrvandelRun run;
    run.addText("INPUT.DAT", joinLines({geoRecord("A", 46, 0, 0.0, 66, 0, 0.0), geoRecord("", 46, 30, 0.0, 66, 0, 0.0),
                                        geoRecord("B", 46, 0, 0.0, 66, 0, 0.0)}));
    ASSERT_EQ(run.run(geoAnswers("1")).status, 0);
    EXPECT_EQ(run.lines("TEMP1.DAT").size(), 3u);
}

TEST(EdgeCaseRun, EmptyLineEndsKeyboardInput) {
    OrvandelRun run;
    const RunResult r = run.run({"1", "1", "KEYS", "Y", "K", geoRecord("ONE", 46, 0, 0.0, 66, 0, 0.0), "",
                                 geoRecord("NEVER", 46, 0, 0.0, 66, 0, 0.0), ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(run.lines("TEMP1.DAT").size(), 1u);
}

TEST(EdgeCaseRun, KeyboardGridInput) {
    OrvandelRun run;
    const RunResult r =
        run.run({"1", "2", "KEYS", "Y", "K", " FREDERICT    800720.170     966016.190     12.500", "", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 1u);
    EXPECT_NE(r.screen.find(" XXXXXXXXX NNNNNNNNNN.NNN EEEEEEEEEE.EEE  HHHHH.HHH' (PRESS RETURN TWICE TO END)"),
              std::string::npos);
}

TEST(EdgeCaseRun, KeyboardGridInputWithoutStationsIsAnError) {
    // An empty TRN_CORD.DAT after exit 0 would read as a finished run.
    OrvandelRun run;
    const RunResult r = run.run({"4", "3", "NONE", "Y", "K", "", ""});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.errors.find("NO STATIONS"), std::string::npos) << r.errors;
    EXPECT_FALSE(run.exists("TRN_CORD.DAT"));
    EXPECT_EQ(r.screen.find("END OF PROGRAM"), std::string::npos);
}

TEST(EdgeCaseRun, DataFileFoundIgnoringCase) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "Input.Dat");
    EXPECT_EQ(run.run({"1", "2", "T", "Y", "F", "INPUT.DAT", ""}).status, 0);
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 5u);
}

TEST(EdgeCaseRun, CapacityBlockStopsTheRun) {
    OrvandelRun run;
    orvandel::CoefficientModel m = plainModel(46.4, 63.2, 1);
    m.header.correlation = 0.1;
    // 1 + 5 * (3770 + 1) = 18856 fits; one more station does not.
    for (int j = 0; j < 3771; ++j) {
        m.control.u.push_back(0.0);
        m.control.v.push_back(0.0);
        m.control.residualLat.push_back(0.0);
        m.control.residualLon.push_back(0.0);
        m.control.weight.push_back(1.0);
    }
    m.header.stationCount = 3771;
    run.useModel(3, m);
    run.addInput("pe_geo.dat", "INPUT.DAT");
    const RunResult r = run.run(geoAnswers("3"));
    // The block is in the report; the status and standard error say the
    // run did not finish.
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.errors.find("MODEL TOO LARGE"), std::string::npos) << r.errors;
    const auto report = run.lines("ORVANDEL.OUT");
    EXPECT_EQ(countContaining(report, "     TOO LITTLE SPACE SPECIFIED FOR PROGRAM TO EXECU TE"), 1);
    EXPECT_EQ(countContaining(report, "               IMAX=  18856"), 1);
    EXPECT_EQ(countContaining(report, "               JMAX=  18861"), 1);
    EXPECT_FALSE(run.exists("TRN_CORD.DAT"));
    EXPECT_EQ(r.screen.find("END OF PROGRAM"), std::string::npos);
}

TEST(EdgeCaseRun, CapacityExactlyReachedRuns) {
    OrvandelRun run;
    orvandel::CoefficientModel m = plainModel(46.4, 63.2, 1);
    for (int j = 0; j < 3770; ++j) {
        m.control.u.push_back(0.0);
        m.control.v.push_back(0.0);
        m.control.residualLat.push_back(0.0);
        m.control.residualLon.push_back(0.0);
        m.control.weight.push_back(1.0);
    }
    m.header.stationCount = 3770;
    run.useModel(3, m);
    run.addInput("pe_geo.dat", "INPUT.DAT");
    EXPECT_EQ(run.run(geoAnswers("3")).status, 0);
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 3u);
}

}  // namespace
}  // namespace orvtest
