// Each coordinate type and each transformation through the whole program.
#include "orvandel_fixture.h"

namespace orvtest {
namespace {

struct Case {
    const char* name;
    std::vector<std::string> answers;
    const char* input;
    char unit;  // unit code in TEMP2.DAT
    int stations;
    bool listing;  // input listing in ORVANDEL.OUT
};

class CoordinateTypes : public ::testing::TestWithParam<Case> {};

TEST_P(CoordinateTypes, EveryStationReachesTheOutputFiles) {
    const Case& c = GetParam();
    OrvandelRun run;
    run.addInput(c.input, "INPUT.DAT");
    const RunResult r = run.run(c.answers);
    ASSERT_EQ(r.status, 0) << r.errors;
    const auto temp2 = run.lines("TEMP2.DAT");
    ASSERT_EQ(temp2.size(), 2u + c.stations);
    for (std::size_t i = 2; i < temp2.size(); ++i) EXPECT_EQ(temp2[i][39], c.unit) << temp2[i];
    EXPECT_EQ(run.lines("TEMP1.DAT").size(), static_cast<std::size_t>(c.stations));
    EXPECT_EQ(run.lines("TEMP5.DAT").size(), static_cast<std::size_t>(c.stations));
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), static_cast<std::size_t>(c.stations));
    EXPECT_EQ(run.lines("TRN_GHST.DAT").size(), static_cast<std::size_t>(c.stations));
    const auto report = run.lines("ORVANDEL.OUT");
    EXPECT_EQ(countContaining(report, "THIS POINT WAS NOT"), 0);
    const bool hasListing =
        countContaining(report, "TRANSFORMED FROM THE") + countContaining(report, "TRANSFORMED  FROM  THE") > 0;
    EXPECT_EQ(hasListing, c.listing);
    EXPECT_NE(r.screen.find("END OF PROGRAM"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, CoordinateTypes,
    ::testing::Values(
        Case{"NbGeographic", {"1", "1", "T", "Y", "F", "INPUT.DAT", "1", ""}, "nb_geo.dat", 'F', 5, true},
        Case{"NbFeet", {"1", "2", "T", "Y", "F", "INPUT.DAT", ""}, "nb_feet.dat", 'F', 5, true},
        Case{"NbMetres", {"1", "3", "T", "Y", "F", "INPUT.DAT", ""}, "nb_metres.dat", 'M', 5, true},
        Case{"NbUtm", {"1", "4", "69.0", "T", "Y", "F", "INPUT.DAT", ""}, "nb_utm19.dat", 'U', 3, false},
        Case{"NsGeographic", {"2", "1", "4", "T", "Y", "F", "INPUT.DAT", "1", ""}, "ns4_geo.dat", 'F', 3, true},
        Case{"NsMetres", {"2", "3", "5", "T", "Y", "F", "INPUT.DAT", ""}, "ns5_metres.dat", 'M', 3, true},
        Case{"PeiFeet", {"3", "2", "T", "Y", "F", "INPUT.DAT", ""}, "pe_feet.dat", 'F', 3, true},
        Case{"PeiMetres", {"3", "3", "T", "Y", "F", "INPUT.DAT", ""}, "pe_metres.dat", 'M', 3, true},
        Case{"NbAts77Grid", {"4", "3", "T", "Y", "F", "INPUT.DAT", ""}, "nb_ats77.dat", 'R', 5, true},
        // Type 4 with ATS77 input is read as the ATS77 grid (unit R).
        Case{"NbAts77Type4", {"4", "4", "63.0", "T", "Y", "F", "INPUT.DAT", ""}, "nb_ats77.dat", 'R', 5, true},
        Case{"NsAts77Grid", {"5", "3", "4", "T", "Y", "F", "INPUT.DAT", ""}, "ns_ats77_z4.dat", 'R', 3, true},
        Case{"PeiGeographic", {"6", "1", "T", "Y", "F", "INPUT.DAT", "1", ""}, "pe_geo.dat", 'R', 3, true}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(CoordinateTypesRun, UtmInputLandsNearTheGeographicRun) {
    // The NAD27 UTM of Fredericton, read back, gives its NAD27 geographics.
    OrvandelRun run;
    run.addInput("nb_utm19.dat", "INPUT.DAT");
    ASSERT_EQ(run.run({"1", "4", "69.0", "T", "Y", "F", "INPUT.DAT", ""}).status, 0);
    const std::string first = run.lines("TEMP1.DAT").at(0);
    EXPECT_EQ(first.substr(10, 8), "45.057.0");
    EXPECT_EQ(first.substr(29, 8), "66.038.0");
}

}  // namespace
}  // namespace orvtest
