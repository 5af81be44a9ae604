// The console dialogue: menus, answer fields, restarts and the options it hands on.
#include "dialogue/dialogue.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/program_stop.h"
#include "dialogue/screens.h"
#include "dialogue/transformation_table.h"
#include "records/input_conversion_error.h"

namespace orvandel {
namespace {

RunOptions answer(const std::string& lines, std::string* screen = nullptr) {
    std::istringstream in(lines);
    std::ostringstream out;
    RunOptions o = runDialogue(in, out);
    if (screen) *screen = out.str();
    return o;
}

TEST(Dialogue, OnlyColumnOneOfTheTransformationCounts) {
    const RunOptions o = answer("12\n3\nT\nY\n");
    EXPECT_EQ(o.transformation, 1);
    EXPECT_EQ(o.coordinateType, 3);
    EXPECT_EQ(o.province, "NB ");
    EXPECT_EQ(o.unit, 'M');
}

TEST(Dialogue, OutOfRangeAnswersShowTheMenuAgain) {
    std::string screen;
    const RunOptions o = answer("0\n7\n\n2\n5\n9\n1\n4\nT\nY\n", &screen);
    EXPECT_EQ(o.transformation, 2);
    EXPECT_EQ(o.coordinateType, 1);
    EXPECT_EQ(o.zone, 4);
    std::size_t menus = 0;
    for (auto p = screen.find("SELECT THE TRANSFORMATION"); p != std::string::npos;
         p = screen.find("SELECT THE TRANSFORMATION", p + 1))
        ++menus;
    EXPECT_EQ(menus, 4u);
}

TEST(Dialogue, FeetAreRefusedForAts77InputOnly) {
    EXPECT_EQ(answer("5\n2\n3\n0\nT\nY\n").coordinateType, 3);
    EXPECT_EQ(answer("2\n2\n4\nT\nY\n").coordinateType, 2);
}

TEST(Dialogue, UnitCodes) {
    EXPECT_EQ(answer("1\n2\nT\nY\n").unit, 'F');
    EXPECT_EQ(answer("1\n3\nT\nY\n").unit, 'M');
    EXPECT_EQ(answer("1\n4\n63.0\nT\nY\n").unit, 'U');
    EXPECT_EQ(answer("4\n3\nT\nY\n").unit, 'R');
    EXPECT_EQ(answer("6\n4\n63.0\nT\nY\n").unit, 'R');
    EXPECT_EQ(answer("3\n1\nT\nY\n").unit, ' ');
    EXPECT_EQ(answer("3\n1\nT\nY\n").province, "PEI");
}

TEST(Dialogue, CentralMeridianField) {
    EXPECT_DOUBLE_EQ(answer("1\n4\n69\nT\nY\n").centralMeridian, 6.9);
    EXPECT_DOUBLE_EQ(answer("1\n4\n63.0\nT\nY\n").centralMeridian, 63.0);
    EXPECT_DOUBLE_EQ(answer("1\n4\n5 7.0\nT\nY\n").centralMeridian, 57.0);   // blanks ignored
    EXPECT_DOUBLE_EQ(answer("1\n4\n 5 7 .0\nT\nY\n").centralMeridian, 5.7);  // the point is beyond column 4
    // Only columns 1 to 4 are read.
    EXPECT_DOUBLE_EQ(answer("1\n4\n57.09\nT\nY\n").centralMeridian, 57.0);
}

TEST(Dialogue, RestartForgetsTheZoneButKeepsTheMeridian) {
    std::string screen;
    const RunOptions o = answer("2\n4\n57.0\n4\nFIRST\nn\n1\n1\nSECOND\ny\n", &screen);
    EXPECT_EQ(o.transformation, 1);
    EXPECT_EQ(o.zone, 0);
    EXPECT_DOUBLE_EQ(o.centralMeridian, 57.0);
    EXPECT_NE(screen.find("ZONE =  4"), std::string::npos);
    EXPECT_EQ(screen.find("ZONE =", screen.find("SECOND")), std::string::npos);
}

TEST(Dialogue, BlankConfirmationRestarts) {
    const RunOptions o = answer("1\n1\nFIRST\n\n3\n1\nSECOND\nY\n");
    EXPECT_EQ(o.transformation, 3);
    EXPECT_EQ(o.title.substr(0, 6), "SECOND");
}

TEST(Dialogue, TitleIsPaddedAndCutAt80) {
    EXPECT_EQ(answer("1\n1\nSHORT\nY\n").title, "SHORT" + std::string(75, ' '));
    const std::string longTitle(100, 'X');
    EXPECT_EQ(answer("1\n1\n" + longTitle + "\nY\n").title, std::string(80, 'X'));
}

TEST(Dialogue, ZoneAnswersAreAcceptedAsGiven) {
    EXPECT_EQ(answer("5\n1\n\nT\nY\n").zone, 0);
    EXPECT_EQ(answer("5\n1\n7\nT\nY\n").zone, 7);
}

TEST(Dialogue, NonDigitAnswerIsAnInputConversionError) {
    EXPECT_THROW(answer("A\n"), records::InputConversionError);
    EXPECT_THROW(answer("1\n?\n"), records::InputConversionError);
    EXPECT_THROW(answer("1\n4\n6X\n"), records::InputConversionError);
}

TEST(Dialogue, EndOfInputEndsTheRun) {
    try {
        answer("1\n1\nTITLE\n");
        FAIL() << "no stop";
    } catch (const ProgramStop& stop) {
        EXPECT_EQ(stop.status(), 2);
    }
}

TEST(Dialogue, CarriageReturnsAreNotPartOfTheAnswers) {
    const RunOptions o = answer("1\r\n4\r\n63.0\r\nTITLE\r\nY\r\n");
    EXPECT_DOUBLE_EQ(o.centralMeridian, 63.0);
    EXPECT_EQ(o.title.substr(0, 6), "TITLE ");
}

TEST(Dialogue, ClosingReadsOneLineIfThereIsOne) {
    std::istringstream in("\nNEXT\n");
    std::ostringstream out;
    closeDialogue(in, out);
    EXPECT_EQ(out.str(), "   END OF PROGRAM\n  \n");
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "NEXT");
    std::istringstream empty("");
    closeDialogue(empty, out);  // nothing left: no fault
}

}  // namespace
}  // namespace orvandel
