// The dialogue as the whole program sees it: menu answers, restarts, the
// central meridian field and the closing screen.
#include "orvandel_fixture.h"

namespace orvtest {
namespace {

bool contains(const std::string& text, const std::string& needle) { return text.find(needle) != std::string::npos; }

TEST(DialogueRun, AnswerTwelveSelectsTransformationOne) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    const RunResult r = run.run({"12", "2", "TITLE", "Y", "F", "INPUT.DAT", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(contains(r.screen, std::string(29, ' ') + "NB NAD27 TO NB ATS77  \n"));
    EXPECT_EQ(run.lines("TEMP2.DAT").at(1).substr(0, 3), "991");
}

TEST(DialogueRun, RestartForgetsTheZone) {
    OrvandelRun run;
    run.addInput("ns5_geo.dat", "INPUT.DAT");
    const RunResult r = run.run({"5", "1", "4", "FIRST", "N", "5", "1", "", "SECOND", "Y", "F", "INPUT.DAT", "1", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::string zoneLine = std::string(32, ' ') + "ZONE =  4";
    const auto first = r.screen.find("FIRST");
    const auto second = r.screen.find("SECOND");
    ASSERT_NE(second, std::string::npos);
    EXPECT_NE(r.screen.find(zoneLine, first), std::string::npos);
    EXPECT_EQ(r.screen.find("ZONE =", second), std::string::npos);
    // The stations carry the forgotten zone as 0.
    EXPECT_EQ(run.lines("TEMP2.DAT").at(2).substr(40, 5), "    0");
}

TEST(DialogueRun, CentralMeridianWithoutPointIsTenths) {
    OrvandelRun run;
    run.addInput("nb_utm19.dat", "INPUT.DAT");
    const RunResult r = run.run({"1", "4", "69", "UTM", "Y", "F", "INPUT.DAT", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(contains(r.screen, std::string(32, ' ') + "UTM CMER =  6.9\n"));
}

TEST(DialogueRun, FeetRefusedForAts77Input) {
    OrvandelRun run;
    run.addInput("ns_ats77_z4.dat", "INPUT.DAT");
    const RunResult r = run.run({"5", "2", "3", "", "TITLE", "Y", "F", "INPUT.DAT", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    std::size_t menus = 0;
    for (std::size_t p = r.screen.find("ENTER COORDINATE TYPE"); p != std::string::npos;
         p = r.screen.find("ENTER COORDINATE TYPE", p + 1))
        ++menus;
    EXPECT_EQ(menus, 2u);
    EXPECT_TRUE(contains(r.screen, "NORTHING & EASTING (METRES)"));
}

TEST(DialogueRun, EmptyTransformationAnswerShowsTheMenuAgain) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    const RunResult r = run.run({"", "9", "1", "2", "T", "Y", "F", "INPUT.DAT", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    std::size_t menus = 0;
    for (std::size_t p = r.screen.find("SELECT THE TRANSFORMATION"); p != std::string::npos;
         p = r.screen.find("SELECT THE TRANSFORMATION", p + 1))
        ++menus;
    EXPECT_EQ(menus, 3u);
}

TEST(DialogueRun, ClosingScreenEndsTheRun) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    // No line left for the closing read: the run still ends normally.
    const RunResult r = run.run({"1", "2", "T", "Y", "F", "INPUT.DAT"});
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::string ending = "   END OF PROGRAM\n  \n";
    ASSERT_GE(r.screen.size(), ending.size());
    EXPECT_EQ(r.screen.substr(r.screen.size() - ending.size()), ending);
}

TEST(DialogueRun, NonDigitAnswerIsAnInputConversionError) {
    OrvandelRun run;
    const RunResult r = run.run({"X"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "INPUT CONVERSION ERROR")) << r.errors;
    EXPECT_EQ(std::count(r.errors.begin(), r.errors.end(), '\n'), 1);
    EXPECT_FALSE(run.exists("TEMP1.DAT"));
}

TEST(DialogueRun, MalformedCentralMeridianIsAnInputConversionError) {
    OrvandelRun run;
    const RunResult r = run.run({"1", "4", "6X.0"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "INPUT CONVERSION ERROR")) << r.errors;
}

TEST(DialogueRun, EndOfInputDuringTheDialogue) {
    OrvandelRun run;
    const RunResult r = run.run({"1", "3", "TITLE"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "END OF FILE")) << r.errors;
    EXPECT_FALSE(run.exists("ORVANDEL.OUT"));
}

}  // namespace
}  // namespace orvtest
