#include "config/ini_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "config_fixture.h"

namespace kartovex {
namespace {

using Kind = RecordedMessage::Kind;

class IniValuesTest : public testing::Installation {};

TEST_F(IniValuesTest, ReadsThePresentValue) {
  EXPECT_EQ(ReadIniValue(messages, "SETUP", "Province Code", ini), "NB");
  EXPECT_EQ(ReadIniValue(messages, "setup", "province code", ini), "NB");
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(IniValuesTest, MissingKeyGivesMinusOneAndTheSystemErrorBox) {
  EXPECT_EQ(ReadIniValue(messages, "SETUP", "Nothing", ini), "-1");
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, Kind::Critical);
  EXPECT_EQ(sink.messages[0].title, "System ERROR");
  EXPECT_EQ(sink.messages[0].text,
            "Failed to find in section 'SETUP' with key 'Nothing' in " + ini + ".");
}

TEST_F(IniValuesTest, EmptyValueIsTreatedAsMissing) {
  setValue("Help Format", "");
  EXPECT_EQ(ReadIniValue(messages, "SETUP", "Help Format", ini), "-1");
  EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(IniValuesTest, FrenchSystemErrorBox) {
  settings.language = Language::French;
  EXPECT_EQ(ReadIniValue(messages, "PATH", "NONE", ini), "-1");
  EXPECT_EQ(sink.messages[0].title, "Erreur du système");
  EXPECT_EQ(sink.messages[0].text, "Incapable de trouver 'PATH' / 'NONE' dans " + ini + ".");
}

TEST_F(IniValuesTest, QuotedBlankDelimiterReadsAsABlank) {
  setValue("Delimeter", "' '");
  EXPECT_EQ(ReadIniValue(messages, "SETUP", "Delimeter", ini), " ");
}

TEST_F(IniValuesTest, WriteFailureShowsTheUpdateErrorAndReturnsFalse) {
  EXPECT_TRUE(WriteIniValue(messages, "FRENCH", "LANGUAGE", "SETUP", ini));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(WriteIniValue(messages, "x", "k", "S", ini + "/inside"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "ERROR updating INI File");
}

TEST(IniTextToNumberTest, PointSeparator) {
  EXPECT_DOUBLE_EQ(IniTextToNumber("48.1", "."), 48.1);
  EXPECT_DOUBLE_EQ(IniTextToNumber(" -69.25 ", "."), -69.25);
  EXPECT_DOUBLE_EQ(IniTextToNumber("+5", "."), 5.0);
  EXPECT_DOUBLE_EQ(IniTextToNumber("", "."), 0.0);
  EXPECT_DOUBLE_EQ(IniTextToNumber("-1", "."), -1.0);
  EXPECT_TRUE(std::isnan(IniTextToNumber("48,1", ".")));
  EXPECT_TRUE(std::isnan(IniTextToNumber("abc", ".")));
  EXPECT_TRUE(std::isnan(IniTextToNumber("1.5x", ".")));
  EXPECT_TRUE(std::isnan(IniTextToNumber("+", ".")));
  EXPECT_TRUE(std::isnan(IniTextToNumber("1e999", ".")));
}

TEST(IniTextToNumberTest, CommaSeparatorTakesThePointOfTheFile) {
  EXPECT_DOUBLE_EQ(IniTextToNumber("48.1", ","), 48.1);
  EXPECT_DOUBLE_EQ(IniTextToNumber("48,1", ","), 48.1);
  EXPECT_TRUE(std::isnan(IniTextToNumber("1.000.5", ",")));
}

TEST_F(IniValuesTest, ReadIniNumberUsesTheSettingsSeparator) {
  EXPECT_DOUBLE_EQ(ReadIniNumber(messages, settings, "NE_LAT", "NB LAT_LONG", ini), 48.1);
  settings.decimalSeparator = ",";
  EXPECT_DOUBLE_EQ(ReadIniNumber(messages, settings, "NE_LAT", "NB LAT_LONG", ini), 48.1);
  EXPECT_DOUBLE_EQ(ReadIniNumber(messages, settings, "NONE", "NB LAT_LONG", ini), -1.0);
  EXPECT_EQ(sink.messages.size(), 1u);
}

}  // namespace
}  // namespace kartovex
