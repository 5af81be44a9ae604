// The meridian that fixes the UTM zone of a run's X,Y: given for Prince
// Edward Island, and after Nova Scotia's MTM meridian as a change of meridian.
#include <gtest/gtest.h>

#include <sstream>

#include "common/companion_error.h"
#include "program_runner.h"
#include "quillon27/quillon27_request.h"
#include "quillon27/quillon27_zones.h"

namespace quillon27 {
namespace {

using companion::CompanionError;

QuillonRequest read(const std::vector<std::string>& lines) {
  std::istringstream in(companion_test::answerFile(lines));
  companion::AnswerReader answers(in);
  return readQuillonRequest(answers);
}

TEST(Quillon27UtmMeridian, PrinceEdwardIslandTakesAMeridian) {
  const auto request = read({"3", "1", "69.0", "N", "Y", "/w/INPUT.DAT", "Y"});
  EXPECT_EQ(request.province, Province::PrinceEdwardIsland);
  ASSERT_TRUE(request.centralMeridian);
  EXPECT_DOUBLE_EQ(*request.centralMeridian, 69.0);
  EXPECT_EQ(request.inputPath, "/w/INPUT.DAT");
  EXPECT_EQ(runZones(request).utmZone, 19);
}

TEST(Quillon27UtmMeridian, PrinceEdwardIslandZoneFollowsTheMeridianForEveryForm) {
  const std::pair<const char*, int> zones[] = {{"69.0", 19}, {"63.0", 20}, {"57.0", 21}};
  for (auto [meridian, zone] : zones) {
    for (const char* form : {"1", "2", "4"}) {
      const auto request = read({"3", form, meridian, "N", "Y", "/w/INPUT.DAT", "Y"});
      EXPECT_EQ(runZones(request).utmZone, zone) << meridian << " form " << form;
      EXPECT_FALSE(runZones(request).mtmZone);
    }
  }
}

TEST(Quillon27UtmMeridian, PrinceEdwardIslandWithoutMeridianAsBefore) {
  EXPECT_EQ(runZones(read({"3", "4", "Y", "/w/INPUT.DAT", "Y"})).utmZone, 20);
  EXPECT_FALSE(runZones(read({"3", "1", "y", "/w/INPUT.DAT", "Y"})).utmZone);
}

TEST(Quillon27UtmMeridian, PrinceEdwardIslandRefusesAnMtmMeridian) {
  EXPECT_THROW(runZones(read({"3", "2", "61.5", "N", "Y", "/f", "Y"})), CompanionError);
}

TEST(Quillon27UtmMeridian, NovaScotiaGridInputWithTheUtmMeridianOfTheXy) {
  const std::pair<const char*, int> zones[] = {{"69.0", 19}, {"63.0", 20}, {"57.0", 21}};
  for (auto [meridian, zone] : zones) {
    const auto request = read({"2", "2", "61.5", "Y", meridian, "Y", "/w/INPUT.DAT", "Y"});
    ASSERT_TRUE(request.utmMeridian);
    const RunZones z = runZones(request);
    EXPECT_EQ(z.mtmZone, 4);
    EXPECT_EQ(z.utmZone, zone) << meridian;
  }
}

TEST(Quillon27UtmMeridian, ChangedMeridianMustBeAUtmOne) {
  EXPECT_THROW(runZones(read({"2", "2", "61.5", "Y", "64.5", "Y", "/f", "Y"})), CompanionError);
  EXPECT_THROW(read({"2", "2", "61.5", "Y", "x", "Y", "/f", "Y"}), CompanionError);
  // A UTM meridian that contradicts the first one.
  EXPECT_THROW(runZones(read({"1", "4", "63.0", "Y", "57.0", "Y", "/f", "Y"})), CompanionError);
}

TEST(Quillon27UtmMeridian, ChangeWithoutASecondMeridianIsAShortDialogue) {
  try {
    read({"2", "2", "61.5", "Y"});
    FAIL() << "no error";
  } catch (const CompanionError& error) {
    EXPECT_STREQ(error.what(), "answer 5 (UTM central meridian) is missing");
  }
}

}  // namespace
}  // namespace quillon27
