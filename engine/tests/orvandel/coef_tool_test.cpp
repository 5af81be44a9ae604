// The orvandel-coef tool and the hand-made coefficient files it makes.
#include <gtest/gtest.h>

#include "program_runner.h"
#include "transform/coefficient_file.h"
#include "transform/coefficient_text.h"

namespace orvtest {
namespace {

const char* kModels[] = {"TRNB2777", "TRNS2777", "TRPE2777", "TRNB7727", "TRNS7727", "TRPE7727"};

RunResult coef(const TempDir& dir, const std::vector<std::string>& args) {
    writeText(dir.file(".stdin"), "");
    return runProgram(ORVANDEL_COEF_EXE, args, dir.path(), dir.file(".stdin"), {});
}

TEST(CoefTool, WriteThenPrintReadsBackTheSameModel) {
    TempDir dir;
    const std::string text = std::string(ORVANDEL_MODELS_DIR) + "/TRNB2777.txt";
    ASSERT_EQ(coef(dir, {"write", text, dir.file("OUT.DAT")}).status, 0);
    const RunResult printed = coef(dir, {"print", dir.file("OUT.DAT")});
    ASSERT_EQ(printed.status, 0) << printed.errors;
    writeText(dir.file("again.txt"), printed.screen);
    ASSERT_EQ(coef(dir, {"write", dir.file("again.txt"), dir.file("AGAIN.DAT")}).status, 0);
    EXPECT_EQ(readText(dir.file("OUT.DAT")), readText(dir.file("AGAIN.DAT")));
}

TEST(CoefTool, HandMadeFilesMatchTheirDescriptions) {
    for (const char* name : kModels) {
        std::ifstream text(std::string(ORVANDEL_MODELS_DIR) + "/" + name + ".txt");
        orvandel::CoefficientModel described;
        std::string error;
        ASSERT_TRUE(orvandel::parseCoefficientText(text, described, error)) << name << ": " << error;
        const orvandel::CoefficientModel built =
            orvandel::readCoefficientFile(std::string(ORVANDEL_HANDMADE_DIR) + "/" + name + ".DAT");
        EXPECT_EQ(built.coefficients, described.coefficients) << name;
        EXPECT_EQ(built.control.u, described.control.u) << name;
        EXPECT_EQ(built.header.direction, name[4] == '2' ? 1 : 2) << name;
        EXPECT_GE(built.header.degree, 2);
        EXPECT_LE(built.header.degree, 3);
        EXPECT_GE(built.header.stationCount, 24);
    }
}

TEST(CoefTool, BadDescriptionAndUsage) {
    TempDir dir;
    writeText(dir.file("bad.txt"), "DEGREE 2\nCOEFFICIENT 0 1 1\n");
    const RunResult bad = coef(dir, {"write", dir.file("bad.txt"), dir.file("OUT.DAT")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.errors.find("bad.txt"), std::string::npos) << bad.errors;
    EXPECT_FALSE(fs::exists(dir.file("OUT.DAT")));
    EXPECT_EQ(coef(dir, {}).status, 2);
    EXPECT_EQ(coef(dir, {"print"}).status, 2);
    writeText(dir.file("SHORT.DAT"), "abc");
    EXPECT_EQ(coef(dir, {"print", dir.file("SHORT.DAT")}).status, 1);
}

}  // namespace
}  // namespace orvtest
