#include "quillon27/quillon27_request.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/companion_error.h"
#include "program_runner.h"

namespace quillon27 {
namespace {

using companion::CompanionError;

QuillonRequest read(const std::vector<std::string>& lines) {
  std::istringstream in(companion_test::answerFile(lines));
  companion::AnswerReader answers(in);
  return readQuillonRequest(answers);
}

TEST(Quillon27Request, NewBrunswickWithTheConstantMeridian) {  // Q(c, EN/LL meridian)
  const auto request = read({"1", "2", "69.0", "N", "Y", "C:\\WORK\\INPUT.DAT", "Y"});
  EXPECT_EQ(request.province, Province::NewBrunswick);
  EXPECT_EQ(request.form, InputForm::Grid);
  ASSERT_TRUE(request.centralMeridian);
  EXPECT_DOUBLE_EQ(*request.centralMeridian, 69.0);
  EXPECT_EQ(request.inputPath, "C:\\WORK\\INPUT.DAT");
}

TEST(Quillon27Request, NovaScotiaTakesItsMeridianEitherSign) {
  const auto request = read({"2", "4", "-63.0", "N", "Y", "/w/INPUT.DAT", "Y"});
  EXPECT_EQ(request.province, Province::NovaScotia);
  EXPECT_EQ(request.form, InputForm::Utm);
  EXPECT_DOUBLE_EQ(*request.centralMeridian, 63.0);
}

TEST(Quillon27Request, PrinceEdwardIslandHasNoMeridianLines) {
  const auto request = read({"3", "1", "Y", "/w/INPUT.DAT", "Y"});
  EXPECT_EQ(request.province, Province::PrinceEdwardIsland);
  EXPECT_EQ(request.form, InputForm::Geographic);
  EXPECT_FALSE(request.centralMeridian);
}

TEST(Quillon27Request, AnswersThatDoNotFitAreRejected) {
  EXPECT_THROW(read({"4", "1", "69.0", "N", "Y", "/f", "Y"}), CompanionError);
  EXPECT_THROW(read({"1", "3", "69.0", "N", "Y", "/f", "Y"}), CompanionError);
  EXPECT_THROW(read({"1", "1", "abc", "N", "Y", "/f", "Y"}), CompanionError);
  EXPECT_THROW(read({"1", "1", "0", "N", "Y", "/f", "Y"}), CompanionError);
  EXPECT_THROW(read({"1", "1", "69.0", "Y", "Y", "/f", "Y"}), CompanionError);
  EXPECT_THROW(read({"1", "1", "69.0", "N", "Y", "", "Y"}), CompanionError);
  EXPECT_THROW(read({"1", "1", "69.0", "N", "Y", "/f", "N"}), CompanionError);
  // For PEI the answer after the form is a meridian or "Y", nothing else.
  EXPECT_THROW(read({"3", "1", "N", "Y", "/f", "Y"}), CompanionError);
}

TEST(Quillon27Request, ShortDialogueNamesTheMissingAnswer) {
  try {
    read({"1", "1", "69.0", "N", "Y", "/f"});
    FAIL() << "no error";
  } catch (const CompanionError& error) {
    EXPECT_STREQ(error.what(), "answer 7 (write the coordinate file) is missing");
  }
}

}  // namespace
}  // namespace quillon27
