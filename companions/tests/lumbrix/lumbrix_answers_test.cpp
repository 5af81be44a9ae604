#include <gtest/gtest.h>

#include <sstream>

#include "lumbrix_answers.h"
#include "lumbrix_test_support.h"

using lumbrix_test::answers;

namespace {

bool parse(const std::string& text, lumbrix::Answers& a, std::string& error) {
  std::istringstream in(text);
  return lumbrix::readAnswers(in, a, error);
}

}  // namespace

TEST(LumbrixAnswers, GhostInputWithoutFlags) {
  lumbrix::Answers a;
  std::string error;
  ASSERT_TRUE(parse(answers("/b/NB77CS.GSB", "/b/LL_GHOST.DAT", "", "/b/LL_GHOST."), a, error))
      << error;
  EXPECT_EQ(a.gridPath, "/b/NB77CS.GSB");
  EXPECT_EQ(a.inputPath, "/b/LL_GHOST.DAT");
  EXPECT_FALSE(a.frontEndInput);
  EXPECT_FALSE(a.backward);
  EXPECT_EQ(a.lisPath, "/b/LL_GHOST.LIS");
  EXPECT_EQ(a.newPath, "/b/LL_GHOST.NEW");
  EXPECT_EQ(a.misPath, "/b/LL_GHOST.MIS");
}

TEST(LumbrixAnswers, FrontEndInputForwardAndBackward) {
  lumbrix::Answers a;
  std::string error;
  ASSERT_TRUE(parse(answers("/b/G.GSB", "/w/INPUT.DAT", "IS", "/b/MEASUREM."), a, error)) << error;
  EXPECT_TRUE(a.frontEndInput);
  EXPECT_FALSE(a.backward);
  ASSERT_TRUE(parse(answers("/b/G.GSB", "/w/INPUT.DAT", "ISD", "/b/MEASUREM."), a, error)) << error;
  EXPECT_TRUE(a.frontEndInput);
  EXPECT_TRUE(a.backward);
  ASSERT_TRUE(parse(answers("/b/G.GSB", "/b/LL_GHOST.DAT", "D", "/b/LL_GHOST."), a, error))
      << error;
  EXPECT_FALSE(a.frontEndInput);
  EXPECT_TRUE(a.backward);
}

TEST(LumbrixAnswers, AcceptsPlainLineFeeds) {
  std::string text = answers("/b/G.GSB", "/w/INPUT.DAT", "IS", "/b/X.");
  std::string lf;
  for (char c : text)
    if (c != '\r') lf += c;
  lumbrix::Answers a;
  std::string error;
  EXPECT_TRUE(parse(lf, a, error)) << error;
}

TEST(LumbrixAnswers, RejectsAnswersThatDoNotFit) {
  lumbrix::Answers a;
  std::string error;
  const std::string good = answers("/b/G.GSB", "/w/INPUT.DAT", "IS", "/b/X.");
  // Each fixed letter replaced in turn.
  for (const char* wrong : {"Q\r\nG\r\n", "Q\r\nG\r\n/b/G.GSB\r\nC\r\n", "A\r\nB\r\nM\r\n"}) {
    std::string text = good;
    const std::string w(wrong);
    const auto pos = text.find(w);
    ASSERT_NE(pos, std::string::npos);
    text[pos + w.size() - 3] = 'Z';
    EXPECT_FALSE(parse(text, a, error)) << w;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_FALSE(parse(answers("/b/G.GSB", "/w/INPUT.DAT", "SI", "/b/X."), a, error));
  EXPECT_FALSE(parse(answers("/b/G.GSB", "/w/INPUT.DAT", "I", "/b/X."), a, error));
  EXPECT_NE(error.find("together"), std::string::npos);
  EXPECT_FALSE(parse(answers("/b/G.GSB", "/w/INPUT.DAT", "ISDD", "/b/X."), a, error));
  EXPECT_FALSE(parse(answers("/b/G.GSB", "/w/INPUT.DAT", "ISX", "/b/X."), a, error));
  EXPECT_FALSE(parse(answers("", "/w/INPUT.DAT", "IS", "/b/X."), a, error));
  EXPECT_FALSE(parse(answers("/b/G.GSB", "", "IS", "/b/X."), a, error));
}

TEST(LumbrixAnswers, RejectsADialogueThatEndsEarly) {
  const std::string good = answers("/b/G.GSB", "/w/INPUT.DAT", "IS", "/b/X.");
  lumbrix::Answers a;
  std::string error;
  ASSERT_TRUE(parse(good, a, error));
  // Cut after every line but the last.
  size_t pos = 0;
  int cuts = 0;
  while ((pos = good.find('\n', pos)) != std::string::npos && pos + 1 < good.size()) {
    ++pos;
    EXPECT_FALSE(parse(good.substr(0, pos), a, error)) << pos;
    EXPECT_NE(error.find("answer"), std::string::npos);
    ++cuts;
  }
  EXPECT_EQ(cuts, 16);
  EXPECT_FALSE(parse("", a, error));
}

TEST(LumbrixAnswers, RejectsOutputNamesThatCollide) {
  lumbrix::Answers a;
  std::string error;
  std::string text = answers("/b/G.GSB", "/w/INPUT.DAT", "IS", "/b/X.");
  const auto pos = text.find("/b/X.NEW");
  text.replace(pos, 8, "/b/X.LIS");
  EXPECT_FALSE(parse(text, a, error));
  EXPECT_FALSE(parse(answers("/b/G.GSB", "/b/X.NEW", "IS", "/b/X."), a, error));
}
