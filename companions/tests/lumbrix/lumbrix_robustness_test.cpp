#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "lumbrix_answers.h"
#include "lumbrix_records.h"
#include "lumbrix_test_support.h"

namespace {

std::string randomLine(std::mt19937& gen, const std::string& seed) {
  std::uniform_int_distribution<int> op(0, 3), ch(0, 255);
  std::string s = seed;
  std::uniform_int_distribution<size_t> count(1, 6);
  for (size_t i = 0, n = count(gen); i < n; ++i) {
    std::uniform_int_distribution<size_t> at(0, s.empty() ? 0 : s.size() - 1);
    switch (op(gen)) {
      case 0:
        if (!s.empty()) s.erase(at(gen), 1);
        break;
      case 1:
        s.insert(s.begin() + static_cast<long>(s.empty() ? 0 : at(gen)),
                 static_cast<char>(ch(gen)));
        break;
      case 2:
        if (!s.empty()) s[at(gen)] = static_cast<char>(ch(gen));
        break;
      default: s = s.substr(0, s.empty() ? 0 : at(gen)); break;
    }
  }
  return s;
}

}  // namespace

// Garbled records are read or refused, never crash, and what is read is a
// real angle.
TEST(LumbrixRobustness, GarbledRecordsNeverCrashTheReaders) {
  std::mt19937 gen(9);
  const std::string csv = "'P1',45,05,03.20000,66,07,12.00000";
  const std::string ghost = lumbrix_test::readLines(lumbrix_test::testdata("LL_GHOST.DAT"))[0];
  for (int i = 0; i < 3000; ++i) {
    lumbrix::Point p;
    std::string error;
    if (lumbrix::parseFrontEndRecord(randomLine(gen, csv), p, error)) {
      EXPECT_LE(std::fabs(p.latDeg), 90.0);
      EXPECT_LT(std::fabs(p.lonWestDeg), 1000.0);
    }
    if (lumbrix::parseGhostRecord(randomLine(gen, ghost), p, error)) {
      EXPECT_LT(std::fabs(p.latDeg), 100.0);
      EXPECT_FALSE(p.id.empty());
    }
  }
}

TEST(LumbrixRobustness, GarbledDialoguesNeverCrashTheAnswerReader) {
  std::mt19937 gen(13);
  const std::string good = lumbrix_test::answers("/b/G.GSB", "/w/INPUT.DAT", "IS", "/b/X.");
  for (int i = 0; i < 2000; ++i) {
    std::istringstream in(randomLine(gen, good));
    lumbrix::Answers a;
    std::string error;
    if (!lumbrix::readAnswers(in, a, error)) {
      EXPECT_FALSE(error.empty());
    }
  }
}
