#include "vesperan/vesperan_request.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "common/companion_error.h"
#include "program_runner.h"

namespace vesperan {
namespace {

using companion::CompanionError;

// Template V(d, f, src, x) of the route table.
std::string templateV(const std::string& d, const std::string& province, const std::string& f,
                      const std::string& src, const std::string& x = "") {
  std::vector<std::string> lines{"", d, "N", "Y", province, f, "2", src};
  if (!x.empty()) lines.push_back(x);
  lines.push_back("N");
  return companion_test::answerFile(lines);
}

VesperanRequest read(const std::string& text) {
  std::istringstream in(text);
  companion::AnswerReader answers(in);
  return readVesperanRequest(answers);
}

TEST(VesperanRequest, GridInputHasNoLayoutAnswer) {
  const auto request = read(templateV("1", "1", "2", "C:\\WORK\\INPUT.DAT"));
  EXPECT_EQ(request.datum, Datum::Ats77);
  EXPECT_EQ(request.province, Province::NewBrunswick);
  EXPECT_EQ(request.form, InputForm::Grid);
  EXPECT_EQ(request.inputPath, "C:\\WORK\\INPUT.DAT");
  EXPECT_EQ(request.layout, GeographicLayout::None);
}

TEST(VesperanRequest, UtmInputTakesLayoutTwo) {
  const auto request = read(templateV("2", "2", "3", "/w/INPUT.DAT", "2"));
  EXPECT_EQ(request.datum, Datum::Nad83Csrs);
  EXPECT_EQ(request.province, Province::NovaScotia);
  EXPECT_EQ(request.form, InputForm::Utm);
}

TEST(VesperanRequest, GeographicInputNamesItsLayout) {
  EXPECT_EQ(read(templateV("1", "3", "1", "/w/INPUT.DAT", "1")).layout, GeographicLayout::Vesperan);
  const auto fromLumbrix = read(templateV("2", "3", "1", "/b/LL_GHOST.NEW", "2"));
  EXPECT_EQ(fromLumbrix.layout, GeographicLayout::LumbrixNew);
  EXPECT_EQ(fromLumbrix.province, Province::PrinceEdwardIsland);
  EXPECT_EQ(fromLumbrix.inputPath, "/b/LL_GHOST.NEW");
}

TEST(VesperanRequest, PathKeepsInnerBlanks) {
  EXPECT_EQ(read(templateV("1", "1", "2", "/my dir/INPUT.DAT")).inputPath, "/my dir/INPUT.DAT");
}

TEST(VesperanRequest, AnswersThatDoNotFitAreRejected) {
  EXPECT_THROW(read(templateV("3", "1", "2", "/w/INPUT.DAT")), CompanionError);  // datum
  EXPECT_THROW(read(templateV("1", "4", "2", "/w/INPUT.DAT")), CompanionError);  // province
  EXPECT_THROW(read(templateV("1", "1", "4", "/w/INPUT.DAT")), CompanionError);  // form
  EXPECT_THROW(read(templateV("1", "1", "2", "")), CompanionError);              // no file
  EXPECT_THROW(read(templateV("1", "1", "2", "/w/INPUT.DAT", "1")), CompanionError);
  EXPECT_THROW(read(templateV("1", "1", "1", "/w/INPUT.DAT")), CompanionError);  // no layout
  EXPECT_THROW(read(templateV("1", "1", "1", "/w/INPUT.DAT", "3")), CompanionError);
  EXPECT_THROW(read(templateV("1", "1", "3", "/w/INPUT.DAT", "1")), CompanionError);
  EXPECT_THROW(read(companion_test::answerFile({"x", "1", "N", "Y", "1", "2", "2", "/f", "N"})),
               CompanionError);  // the first answer is an empty line
}

TEST(VesperanRequest, ShortDialogueNamesTheMissingAnswer) {
  try {
    read(companion_test::answerFile({"", "1", "N", "Y", "1", "2", "2"}));
    FAIL() << "no error";
  } catch (const CompanionError& error) {
    EXPECT_STREQ(error.what(), "answer 8 (input file) is missing");
  }
}

}  // namespace
}  // namespace vesperan
