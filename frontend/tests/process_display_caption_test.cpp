// Captions as the buttons show them: the texts stay as fixed, their runs of
// blanks are shown as one.

#include <gtest/gtest.h>

#include "mainwindow/main_window_captions.h"
#include "process_fixture.h"

namespace kartovex::testing {
namespace {

TEST(DisplayCaption, RunsOfBlanksBecomeOne) {
  EXPECT_EQ(DisplayCaption("  NAD83 (CSRS)"), " NAD83 (CSRS)");
  EXPECT_EQ(DisplayCaption(" Enregistrer le fichier    de données"),
            " Enregistrer le fichier de données");
  EXPECT_EQ(DisplayCaption(" ATS77"), " ATS77");
  EXPECT_EQ(DisplayCaption(""), "");
}

TEST_F(ProcessTest, ToListLinesUpWhileItsCaptionStaysAsFixed) {
  EXPECT_EQ(model().caption("optTO_NAD83"), "  NAD83 (CSRS)");
  EXPECT_EQ(DisplayCaption(model().caption("optTO_NAD83")).find_first_not_of(' '),
            DisplayCaption(model().caption("optTO_ATS77")).find_first_not_of(' '));
}

}  // namespace
}  // namespace kartovex::testing
