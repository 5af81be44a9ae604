// One full run per transformation, compared with hand-checked files.
#include "golden.h"

namespace orvtest {
namespace {

TEST(GoldenRun, Transformation1MetricGridFromFile) {
    // The first worked example: NB metric grid input from INPUT.DAT.
    OrvandelRun run;
    run.addInput("nb_metres.dat", "INPUT.DAT");
    const RunResult r = run.run({"1", "3", "NB METRIC GRID TO ATS77", "Y", "F", "INPUT.DAT", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    expectGolden(run, "T1_NB_METRES", r.screen);
}

TEST(GoldenRun, Transformation2FeetZone4) {
    OrvandelRun run;
    run.addInput("ns4_feet.dat", "NS4FEET.DAT");
    const RunResult r = run.run({"2", "2", "4", "NS FEET ZONE 4", "Y", "F", "NS4FEET.DAT", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    expectGolden(run, "T2_NS_FEET_Z4", r.screen);
}

TEST(GoldenRun, Transformation3GhostGeographics) {
    OrvandelRun run;
    run.addInput("pe_ghost.dat", "GHOST.DAT");
    const RunResult r = run.run({"3", "1", "PEI GHOST GEOGRAPHICS", "Y", "F", "GHOST.DAT", "2", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    expectGolden(run, "T3_PEI_GHOST", r.screen);
}

TEST(GoldenRun, Transformation4KeyboardGeographics) {
    OrvandelRun run;
    std::vector<std::string> answers{"4", "1", "NB ATS77 KEYBOARD", "Y", "K"};
    for (const auto& l : readLines(inputFile("nb_geo.dat"))) answers.push_back(l);
    answers.push_back("");
    answers.push_back("");
    const RunResult r = run.run(answers);
    ASSERT_EQ(r.status, 0) << r.errors;
    expectGolden(run, "T4_NB_KEYBOARD", r.screen);
}

TEST(GoldenRun, Transformation5GeographicsZone5) {
    // The second worked example: ORVANDEL FORMAT file, zone asked.
    OrvandelRun run;
    run.addInput("ns5_geo.dat", "INPUT.DAT");
    const RunResult r = run.run({"5", "1", "5", "NS ATS77 GEOGRAPHICS", "Y", "F", "INPUT.DAT", "1", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    expectGolden(run, "T5_NS_GEO_Z5", r.screen);
}

TEST(GoldenRun, Transformation6Ats77MetricGrid) {
    OrvandelRun run;
    run.addInput("pe_ats77.dat", "PEATS.DAT");
    const RunResult r = run.run({"6", "3", "PEI ATS77 GRID", "Y", "F", "PEATS.DAT", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    expectGolden(run, "T6_PEI_ATS77", r.screen);
}

}  // namespace
}  // namespace orvtest
