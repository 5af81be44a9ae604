// The orvandel-fit program: its command line, its refusals and its files.
#include <gtest/gtest.h>

#include "orvandel_fixture.h"
#include "synthetic_controls.h"
#include "transform/coefficient_file.h"

namespace fittest {
namespace {

using orvtest::RunResult;
using orvtest::TempDir;

RunResult fit(const TempDir& dir, const std::vector<std::string>& args) {
    orvtest::writeText(dir.file(".stdin"), "");
    return orvtest::runProgram(ORVANDEL_FIT_EXE, args, dir.path(), dir.file(".stdin"), {});
}

TEST(FitTool, WrongCommandLinesPrintTheUsage) {
    TempDir dir;
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--province", "NB", "--controls", "C.TXT"},                                // no direction
        {"--province", "NB", "--direction", "1", "--both", "--controls", "C.TXT"},  // both
        {"--province", "QC", "--direction", "1", "--controls", "C.TXT"},
        {"--province", "NB", "--direction", "3", "--controls", "C.TXT"},
        {"--province", "NB", "--direction", "1", "--controls", "C.TXT", "--degree", "6"},
        {"--province", "NB", "--direction", "1", "--controls", "C.TXT", "--R", "0.1", "--R-range", "0:1:3"},
        {"--province", "NB", "--direction", "1", "--controls", "C.TXT", "--R-range", "1:0.5:3"},
        {"--province", "NB", "--both", "--controls", "C.TXT", "--out", "X.DAT"},
        {"--province", "NB", "--direction", "1", "--controls"},
        {"--province", "NB", "--direction", "1", "--controls", "C.TXT", "--bogus", "1"},
    };
    for (const auto& args : wrong) {
        const RunResult r = fit(dir, args);
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
        EXPECT_NE(r.errors.find("usage: orvandel-fit"), std::string::npos) << r.errors;
    }
}

TEST(FitTool, BadControlLinesAreEachNamedAndNothingIsWritten) {
    TempDir dir;
    std::string text = controlText(nbPositions(20, 1), 0.0, 1);
    text += "BAD1,45,30\nBAD2,45,75,0,66,0,0,45,0,0,66,0,0\n";
    orvtest::writeText(dir.file("C.TXT"), text);
    const RunResult r = fit(dir, {"--province", "NB", "--direction", "1", "--controls", "C.TXT"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("C.TXT line 21: too few fields"), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("C.TXT line 22: NAD27 latitude minutes '75'"), std::string::npos) << r.errors;
    EXPECT_FALSE(orvtest::fs::exists(dir.file("TRNB2777.DAT")));
}

TEST(FitTool, RefusesAModelOverTheCapacity) {
    TempDir dir;
    orvtest::writeText(dir.file("C.TXT"), controlText(nbPositions(3766, 2), 0.0, 2));
    // The PEI grid check would come later: the capacity is refused first.
    const RunResult r = fit(dir, {"--province", "PEI", "--direction", "1", "--controls", "C.TXT", "--R", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("= 18866, over the PEI capacity of 18856"), std::string::npos) << r.errors;
    EXPECT_FALSE(orvtest::fs::exists(dir.file("TRPE2777.DAT")));
}

TEST(FitTool, WritesTheFileAndTheReportAndShowsTheReport) {
    TempDir dir;
    orvtest::writeText(dir.file("C.TXT"), controlText(nbPositions(50, 4), 0.02, 4));
    const RunResult r = fit(dir, {"--province", "NB", "--direction", "2", "--controls", "C.TXT", "--degree", "2", "--R",
                                  "0.2", "--origin", "46.5,66.3"});
    ASSERT_EQ(r.status, 0) << r.errors;
    const orvandel::CoefficientModel m = orvandel::readCoefficientFile(dir.file("TRNB7727.DAT"));
    EXPECT_EQ(m.header.direction, 2);
    EXPECT_EQ(m.header.degree, 2);
    EXPECT_EQ(m.header.stationCount, 50);
    EXPECT_EQ(m.header.correlation, 0.2);
    EXPECT_EQ(m.header.originLat, 46.5);
    EXPECT_EQ(m.header.originLon, 66.3);
    const std::string report = orvtest::readText(dir.file("TRNB7727_FIT.TXT"));
    EXPECT_NE(r.screen.find("ORVANDEL-FIT REPORT  NB  ATS77 TO NAD27"), std::string::npos) << r.screen;
    EXPECT_NE(r.screen.find("Report file                     TRNB7727_FIT.TXT"), std::string::npos);
    // The screen has everything but the table of every station.
    EXPECT_EQ(report.substr(0, report.find("\nStation misfits")), r.screen.substr(0, r.screen.find("  Report file")));
    EXPECT_NE(report.find("\nStation misfits"), std::string::npos);
}

}  // namespace
}  // namespace fittest
