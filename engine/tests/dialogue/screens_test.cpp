// The dialogue's screens, character for character.
#include "dialogue/screens.h"

#include <gtest/gtest.h>

#include <sstream>

#include "dialogue/transformation_table.h"

namespace orvandel {
namespace {

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(Screens, TransformationMenu) {
    std::ostringstream out;
    showTransformationMenu(out);
    std::string want = "\n\n\n\n" + sp(26) + "DATUM TRANSFORMATION PROGRAM\n\n\n\n" + sp(23) +
                       "SELECT THE TRANSFORMATION DESIRED\n\n\n";
    want += sp(25) + "1  FOR NB  NAD27 TO NB  ATS77\n\n";
    want += sp(25) + "2  FOR NS  NAD27 TO NS  ATS77\n\n";
    want += sp(25) + "3  FOR PEI NAD27 TO PEI ATS77\n\n";
    want += sp(25) + "4  FOR NB  ATS77 TO NB  NAD27\n\n";
    want += sp(25) + "5  FOR NS  ATS77 TO NS  NAD27\n\n";
    want += sp(25) + "6  FOR PEI ATS77 TO PEI NAD27\n\n\n";
    want += sp(24) + "ENTER THE NUMBER OF YOUR CHOICE   # 1 TO 6\n";
    EXPECT_EQ(out.str(), want);
}

TEST(Screens, SummaryWithZoneAndMeridian) {
    RunOptions o;
    o.transformation = 5;
    o.coordinateType = 4;
    o.zone = 5;
    o.centralMeridian = 63.0;
    o.title = "T" + sp(79);
    std::ostringstream out;
    showSummary(out, o);
    std::string want = "\n\n\n\n\n\n\n" + sp(31) + "SUMMARY OF OPTIONS\n\n" + o.title + "\n\n\n" + sp(29) +
                       "NS ATS77 TO NS NAD27  \n\n\n\n" + sp(26) + "NORTHING & EASTING (UTM)   \n\n\n\n" + sp(32) +
                       "ZONE =  5\n\n\n" + sp(32) + "UTM CMER = 63.0\n";
    EXPECT_EQ(out.str(), want);
}

TEST(Screens, SummaryWithoutZone) {
    RunOptions o;
    o.transformation = 2;
    o.coordinateType = 1;
    o.zone = 0;
    std::ostringstream out;
    showSummary(out, o);
    EXPECT_EQ(out.str().find("ZONE"), std::string::npos);
    EXPECT_EQ(out.str().find("CMER"), std::string::npos);
}

TEST(Screens, ConfirmationAndPrompts) {
    std::ostringstream out;
    showConfirmation(out);
    EXPECT_EQ(out.str(), "\n\n\n\n" + sp(28) + "IS EVERYTHING CORRECT ?\n\n" + sp(23) +
                             "ENTER \"Y\" IF OK OR \"N\" TO RESTART\n\n\n\n\n\n");
    std::ostringstream prompts;
    showCentralMeridianPrompt(prompts);
    showZonePrompt(prompts);
    showTitlePrompt(prompts);
    EXPECT_EQ(prompts.str(), "\n\n" + sp(27) + "ENTER UTM CMER ( 69.0 OR 63.0 OR 57.0 )\n\n\n" + sp(27) +
                                 "ENTER NS MTM ZONE (4 OR 5)\n\n\n    ENTER TITLE\n\n");
}

TEST(TransformationTable, LabelsAndFiles) {
    for (int t = 1; t <= 6; ++t) EXPECT_EQ(transformationLabel(t).size(), 22u);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(coordinateTypeLabel(c).size(), 27u);
    EXPECT_EQ(transformationLabel(3), "PEI NAD27 TO PEI ATS77");
    EXPECT_EQ(coefficientFileName(5), "TRNS7727.DAT");
    EXPECT_EQ(workspaceCapacity(1), 76086);
    EXPECT_EQ(workspaceCapacity(5), 86141);
    EXPECT_EQ(workspaceCapacity(6), 18856);
    EXPECT_EQ(workspaceCapacity(0), 0);
    EXPECT_EQ(provinceCode(7), "   ");
}

}  // namespace
}  // namespace orvandel
