#include "common/answers.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/companion_error.h"

namespace companion {
namespace {

TEST(CompanionAnswerReader, ReadsLinesWithoutCrLf) {
  std::istringstream in("\r\n1\r\nC:\\DIR\\INPUT.DAT\n");
  AnswerReader answers(in);
  EXPECT_EQ(answers.next("title"), "");
  EXPECT_EQ(answers.next("datum"), "1");
  EXPECT_EQ(answers.next("file"), "C:\\DIR\\INPUT.DAT");
  EXPECT_EQ(answers.count(), 3);
}

TEST(CompanionAnswerReader, MissingAnswerNamesItsNumber) {
  std::istringstream in("1\r\n");
  AnswerReader answers(in);
  answers.next("first");
  try {
    answers.next("input file");
    FAIL() << "no error";
  } catch (const CompanionError& error) {
    EXPECT_STREQ(error.what(), "answer 2 (input file) is missing");
  }
}

TEST(CompanionAnswerReader, ExpectAcceptsChoicesInEitherCaseWithBlanks) {
  std::istringstream in(" n \r\ny\r\n");
  AnswerReader answers(in);
  EXPECT_EQ(answers.expect("again", {"N"}), "N");
  EXPECT_EQ(answers.expect("ghost", {"Y", "N"}), "Y");
}

TEST(CompanionAnswerReader, ExpectRejectsOtherAnswers) {
  std::istringstream in("7\r\n");
  AnswerReader answers(in);
  try {
    answers.expect("province", {"1", "2", "3"});
    FAIL() << "no error";
  } catch (const CompanionError& error) {
    EXPECT_STREQ(error.what(), "answer 1 (province) \"7\" is not one of \"1\", \"2\", \"3\"");
  }
}

}  // namespace
}  // namespace companion
