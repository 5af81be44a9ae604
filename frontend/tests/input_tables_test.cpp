#include <sstream>

#include <gtest/gtest.h>

#include "input/extra_text_table.h"
#include "input/input_lines.h"
#include "input/run_state.h"
#include "messages/recording_sink.h"

namespace kartovex {
namespace {

TEST(ExtraTextTableTest, LastMatchWins) {
  ExtraTextTable t;
  t.StoreExtraText("first", "P1");
  t.StoreExtraText("other", "P2");
  t.StoreExtraText("second", "P1");
  EXPECT_EQ(t.FindExtraText("P1"), "second");
  EXPECT_EQ(t.FindExtraText("P2"), "other");
  EXPECT_EQ(t.count(), 3u);
  EXPECT_EQ(t.size(), 2u);
}

TEST(ExtraTextTableTest, ExactMatchOnly) {
  ExtraTextTable t;
  t.StoreExtraText("x", "P1");
  EXPECT_EQ(t.FindExtraText("p1"), "");
  EXPECT_EQ(t.FindExtraText("P1 "), "");
  EXPECT_EQ(t.FindExtraText(""), "");
}

TEST(ExtraTextTableTest, EmptyTextReplacesAnEarlierOne) {
  ExtraTextTable t;
  t.StoreExtraText("old run", "P1");
  t.StoreExtraText("", "P1");
  EXPECT_EQ(t.FindExtraText("P1"), "");
}

TEST(RunStateTest, IncrementErrCountShowsTheCounter) {
  FrontEndSettings s;
  RunState run(s);
  EXPECT_EQ(run.errCountText(), "");
  run.IncrementErrCount();
  EXPECT_EQ(run.errCount(), 1);
  EXPECT_EQ(run.errCountText(), "Number of rejected points =  1");
  s.language = Language::French;
  run.IncrementErrCount();
  EXPECT_EQ(run.errCountText(), "Quantité de points rejetés =  2");
}

TEST(RunStateTest, CounterStartBelowZeroShowsNothingUntilAboveZero) {
  FrontEndSettings s;
  RunState run(s);
  run.ResetErrCount(-1);
  run.IncrementErrCount();
  EXPECT_EQ(run.errCount(), 0);
  EXPECT_EQ(run.errCountText(), "");
}

TEST(InputLineReaderTest, StopsAtTheFirstEmptyLineAndCountsTheRest) {
  std::istringstream in("a\r\nb\r\n\r\nc\r\n\r\nd\r\n");
  InputLineReader reader(in);
  std::string line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "a");
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "b");
  EXPECT_EQ(reader.lineNumber(), 2);
  EXPECT_FALSE(reader.Next(line));
  EXPECT_FALSE(reader.Next(line));
  EXPECT_EQ(reader.emptyLineNumber(), 3);
  EXPECT_EQ(reader.unreadLines(), 2);
}

TEST(InputLineReaderTest, PlainLineFeedsAndNoFinalLineEnd) {
  std::istringstream in("a\nb");
  InputLineReader reader(in);
  std::string line;
  ASSERT_TRUE(reader.Next(line));
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "b");
  EXPECT_FALSE(reader.Next(line));
  EXPECT_EQ(reader.emptyLineNumber(), 0);
  EXPECT_EQ(reader.unreadLines(), 0);
}

TEST(WarnUnreadLinesTest, WarnsInTheChosenLanguage) {
  FrontEndSettings s;
  RecordingSink sink;
  MessageService messages(s, sink);
  std::istringstream in("a\n\nb\nc\n");
  InputLineReader reader(in);
  std::string line;
  while (reader.Next(line)) {
  }
  WarnUnreadLines(messages, "/d/IN.TXT", reader);
  s.language = Language::French;
  WarnUnreadLines(messages, "/d/IN.TXT", reader);
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].kind, RecordedMessage::Kind::Information);
  EXPECT_EQ(sink.messages[0].text,
            "/d/IN.TXT: line 2 is empty and reading stops there; 2 line(s) after line 2 were not "
            "read.");
  EXPECT_EQ(sink.messages[1].text,
            "/d/IN.TXT : la ligne 2 est vide et la lecture s'arrête là; 2 ligne(s) après la "
            "ligne 2 n'ont pas été lues.");
}

TEST(WarnUnreadLinesTest, SilentWhenOnlyEmptyLinesFollow) {
  FrontEndSettings s;
  RecordingSink sink;
  MessageService messages(s, sink);
  std::istringstream in("a\n\n\n");
  InputLineReader reader(in);
  std::string line;
  while (reader.Next(line)) {
  }
  WarnUnreadLines(messages, "IN.TXT", reader);
  EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace kartovex

#include "input/delimiter_check.h"

namespace kartovex {
namespace {

TEST(DelimiterCheckTest, CommaDelimiterWithDecimalCommaIsRefused) {
  FrontEndSettings s;
  RecordingSink sink;
  MessageService messages(s, sink);
  s.decimalSeparator = std::string(",");
  s.delimiter = std::string(";");
  EXPECT_TRUE(CheckDelimiterAgainstSeparator(s, messages));
  s.delimiter = std::string(",");
  EXPECT_FALSE(CheckDelimiterAgainstSeparator(s, messages));
  s.language = Language::French;
  EXPECT_FALSE(CheckDelimiterAgainstSeparator(s, messages));
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].title, "Required Info Missing");
  EXPECT_EQ(sink.messages[0].text,
            "Delimeter is same as windows decimal separator. Please change Delimeter!");
  EXPECT_EQ(sink.messages[1].title, "L'information nécessaire n'est pas disponible");
  EXPECT_EQ(sink.messages[1].text,
            "Le séparateur est le même que celui de Windows, S.V.P. en choisir un différent!");
}

TEST(DelimiterCheckTest, PointSeparatorAllowsAComma) {
  FrontEndSettings s;
  RecordingSink sink;
  MessageService messages(s, sink);
  EXPECT_TRUE(CheckDelimiterAgainstSeparator(s, messages));
  EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace kartovex
