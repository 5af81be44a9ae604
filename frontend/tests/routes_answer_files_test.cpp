// The answer-file templates V, L, Q, O27 (both variants) and O77, LUMBRIX's
// output base, and the files a row's chain writes.

#include "config/central_meridian.h"
#include "platform/profile_file.h"
#include "routes/answer_templates.h"
#include "routes/chain_files.h"
#include "routes/dispatch.h"
#include "routes_test_support.h"

namespace kartovex {
namespace {

using routestest::CrLfLines;
using Lines = std::vector<std::string>;

class AnswerFilesTest : public routestest::RoutesTest {
 protected:
  void SetUp() override {
    RoutesTest::SetUp();
    settings.iniPath = root + "KARTOVEX.INI";
  }
  // Writes a distinct central meridian for every mode's key of the current
  // province and zone.
  void Meridians() {
    const char* modes[] = {"transform", "quillon27 NE", "vesperan", "quillon27 XY"};
    const char* values[] = {"61.5", "64.5", "66.0", "63.0"};
    for (int i = 0; i < 4; ++i) {
      std::string key = CentralMeridianKey(settings, modes[i]);
      ASSERT_FALSE(key.empty());
      ASSERT_TRUE(WritePrivateProfileString("SETUP", key, values[i], settings.iniPath));
    }
  }
  std::string Cm(const std::string& mode) { return CentralMeridian(settings, messages, mode); }
};

// --- V ------------------------------------------------------------------

TEST_F(AnswerFilesTest, VesperanGridInputIsNotAskedItsLayout) {
  settings.province = Province::NS;
  EXPECT_EQ(VesperanAnswers(settings, VesperanDatum::Nad83Csrs, VesperanInput::Grid, "/w/INPUT.DAT",
                            VesperanLayout::None),
            (Lines{"", "2", "N", "Y", "2", "2", "2", "/w/INPUT.DAT", "N"}));
}

TEST_F(AnswerFilesTest, VesperanUtmInputIsAskedItsLayout) {
  settings.province = Province::PEI;
  EXPECT_EQ(VesperanAnswers(settings, VesperanDatum::Ats77, VesperanInput::Utm, "/w/INPUT.DAT",
                            VesperanLayout::Utm),
            (Lines{"", "1", "N", "Y", "3", "3", "2", "/w/INPUT.DAT", "2", "N"}));
}

// --- L ------------------------------------------------------------------

TEST_F(AnswerFilesTest, LumbrixWithDataFileFlagsAndBackShift) {
  EXPECT_EQ(LumbrixAnswers("/b/NB77CS.GSB", "/w/INPUT.DAT", "ISD", "/b/PTS."),
            (Lines{"Q", "G", "/b/NB77CS.GSB", "C", "/w/INPUT.DAT", "I", "S", "D", "A", "B", "M",
                   "X", "X", "/b/PTS.LIS", "/b/PTS.NEW", "/b/PTS.MIS", "", "N"}));
}

TEST_F(AnswerFilesTest, LumbrixWithoutFlags) {
  Lines lines = LumbrixAnswers("g", "/b/LL_GHOST.DAT", "", "/b/LL_GHOST.");
  EXPECT_EQ(lines, (Lines{"Q", "G", "g", "C", "/b/LL_GHOST.DAT", "A", "B", "M", "X", "X",
                          "/b/LL_GHOST.LIS", "/b/LL_GHOST.NEW", "/b/LL_GHOST.MIS", "", "N"}));
}

TEST_F(AnswerFilesTest, LumbrixBaseOfAVesperanGhostFile) {
  EXPECT_EQ(LumbrixOutputBase(settings, "/in/MEASUREMENTS.TXT", true),
            settings.binDir + "LL_GHOST.");
}

TEST_F(AnswerFilesTest, LumbrixBaseCutToEightCharacters) {
  EXPECT_EQ(LumbrixOutputBase(settings, "/in/MEASUREMENTS.TXT", false),
            settings.binDir + "MEASUREM.");
  EXPECT_EQ(LumbrixOutputBase(settings, "/in/ABCDEFGH.TXT", false), settings.binDir + "ABCDEFGH.");
  EXPECT_EQ(LumbrixOutputBase(settings, "/in/PTS.TXT", false), settings.binDir + "PTS.");
  EXPECT_EQ(LumbrixOutputBase(settings, settings.workDir + "INPUT.TXT", false),
            settings.binDir + "INPUT.");
}

TEST_F(AnswerFilesTest, LumbrixBaseOfAnOddName) {
  EXPECT_EQ(LumbrixOutputBase(settings, "/in/AB", false), settings.binDir);
  EXPECT_EQ(LumbrixOutputBase(settings, "", false), settings.binDir);
}

// --- Q ------------------------------------------------------------------

TEST_F(AnswerFilesTest, Quillon27EnLlMeridianIsConstantInNewBrunswick) {
  Meridians();
  EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Grid, Meridian::EnLl),
            (Lines{"1", "2", "69.0", "N", "Y", settings.workDir + "INPUT.DAT", "Y"}));
}

TEST_F(AnswerFilesTest, Quillon27EnLlMeridianInNovaScotiaIsTheNeValue) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone20;
  Meridians();
  ASSERT_NE(Cm("quillon27 NE"), Cm("quillon27 XY"));
  EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Geographic, Meridian::EnLl),
            (Lines{"2", "1", Cm("quillon27 NE"), "N", "Y", settings.workDir + "INPUT.DAT", "Y"}));
}

TEST_F(AnswerFilesTest, Quillon27XyMeridian) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone21;
  Meridians();
  EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Utm, Meridian::Quillon27Xy),
            (Lines{"2", "4", Cm("quillon27 XY"), "N", "Y", settings.workDir + "INPUT.DAT", "Y"}));
}

TEST_F(AnswerFilesTest, Quillon27NeMeridianInNewBrunswickReadsTheIni) {
  settings.utmZone = UtmZone::Zone20;
  Meridians();
  EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Grid, Meridian::Quillon27Ne)[2],
            Cm("quillon27 NE"));
}

TEST_F(AnswerFilesTest, Quillon27HasNoMeridianInPrinceEdwardIslandWithoutXy) {
  settings.province = Province::PEI;
  settings.utmZone = UtmZone::Zone19;
  EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Geographic, Meridian::EnLl),
            (Lines{"3", "1", "Y", settings.workDir + "INPUT.DAT", "Y"}));
}

TEST_F(AnswerFilesTest, Quillon27PrinceEdwardIslandXyCarriesTheMeridianOfTheZone) {
  settings.province = Province::PEI;
  const std::pair<const char*, const char*> zones[] = {
      {"19", "69.0"}, {"20", "63.0"}, {"21", "57.0"}};
  for (auto [zone, meridian] : zones) {
    settings.utmZone = UtmZoneFromText(zone);
    EXPECT_EQ(
        Quillon27Answers(settings, messages, Quillon27Input::Geographic, Meridian::Quillon27Xy),
        (Lines{"3", "1", meridian, "N", "Y", settings.workDir + "INPUT.DAT", "Y"}))
        << zone;
    EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Grid, Meridian::Quillon27Ne),
              (Lines{"3", "2", meridian, "N", "Y", settings.workDir + "INPUT.DAT", "Y"}))
        << zone;
    EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Utm, Meridian::Quillon27Xy),
              (Lines{"3", "4", meridian, "N", "Y", settings.workDir + "INPUT.DAT", "Y"}))
        << zone;
  }
}

TEST_F(AnswerFilesTest, Quillon27NovaScotiaGridToXyChangesToTheUtmMeridian) {
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone4;
  settings.utmZone = UtmZone::Zone21;
  Meridians();
  EXPECT_EQ(Quillon27Answers(settings, messages, Quillon27Input::Grid, Meridian::Quillon27Ne),
            (Lines{"2", "2", Cm("quillon27 NE"), "Y", Cm("quillon27 XY"), "Y",
                   settings.workDir + "INPUT.DAT", "Y"}));
}

// --- O27 ----------------------------------------------------------------

TEST_F(AnswerFilesTest, Orvandel27GeographicNewBrunswick) {
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::LL, false),
            (Lines{"1", "1", "Kartovex NAD27 -> ATS77NB ", "Y", "F", "INPUT.DAT", "1", " "}));
}

TEST_F(AnswerFilesTest, Orvandel27IniGridNovaScotiaHasOnlyTheMtmZone) {
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone5;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::EN, false),
            (Lines{"2", "2", "5", "Kartovex NAD27 -> ATS77NS ", "Y", "F", "INPUT.DAT", " "}));
}

TEST_F(AnswerFilesTest, Orvandel27IniUtmNovaScotiaHasMeridianThenZone) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone20;
  Meridians();
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, false),
            (Lines{"2", "4", Cm("transform"), "4", "Kartovex NAD27 -> ATS77NS ", "Y", "F",
                   "INPUT.DAT", " "}));
}

TEST_F(AnswerFilesTest, Orvandel27IniUtmPrinceEdwardIslandHasTheMeridian) {
  settings.province = Province::PEI;
  settings.utmZone = UtmZone::Zone20;
  Meridians();
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, false),
            (Lines{"3", "4", Cm("transform"), "Kartovex NAD27 -> ATS77PEI ", "Y", "F", "INPUT.DAT",
                   " "}));
}

TEST_F(AnswerFilesTest, Orvandel27FixedNovaScotiaUtmZone21) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone21;
  settings.mtmZone = MtmZone::Zone4;
  Lines lines = Orvandel27Answers(settings, messages, CoordForm::XY, true);
  EXPECT_EQ(lines, (Lines{"2", "4", "57.0", "4", "Kartovex NAD27 -> ATS77NS ", "Y", "F",
                          "INPUT.DAT", " "}));
}

TEST_F(AnswerFilesTest, Orvandel27FixedNovaScotiaMeridianByZone) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone20;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true)[2], "63.0");
  settings.utmZone = UtmZone::Zone19;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true)[2], "69.0");
  settings.utmZone = UtmZone::None;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true)[2], "69.0");
}

TEST_F(AnswerFilesTest, Orvandel27FixedNovaScotiaGridHasOnlyTheZone) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone21;
  settings.mtmZone = MtmZone::Zone5;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::EN, true),
            (Lines{"2", "2", "5", "Kartovex NAD27 -> ATS77NS ", "Y", "F", "INPUT.DAT", " "}));
}

TEST_F(AnswerFilesTest, Orvandel27FixedNewBrunswickUtm) {
  settings.utmZone = UtmZone::Zone20;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true)[2], "63.0");
  settings.utmZone = UtmZone::Zone21;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true)[2], "69.0");
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::EN, true),
            (Lines{"1", "2", "Kartovex NAD27 -> ATS77NB ", "Y", "F", "INPUT.DAT", " "}));
}

// ORVANDEL reads a central meridian for every UTM input, PEI included.
TEST_F(AnswerFilesTest, Orvandel27FixedPrinceEdwardIslandUtmHasItsMeridian) {
  settings.province = Province::PEI;
  settings.utmZone = UtmZone::Zone20;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true),
            (Lines{"3", "4", "63.0", "Kartovex NAD27 -> ATS77PEI ", "Y", "F", "INPUT.DAT", " "}));
  settings.utmZone = UtmZone::Zone21;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true)[2], "57.0");
  settings.utmZone = UtmZone::None;
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::XY, true)[2], "69.0");
  EXPECT_EQ(Orvandel27Answers(settings, messages, CoordForm::EN, true),
            (Lines{"3", "2", "Kartovex NAD27 -> ATS77PEI ", "Y", "F", "INPUT.DAT", " "}));
}

// --- O77 ----------------------------------------------------------------

TEST_F(AnswerFilesTest, Orvandel77GridNewBrunswick) {
  EXPECT_EQ(Orvandel77Answers(settings, CoordForm::EN, "Kartovex ATS77 -> NAD27 ", "INPUT.DAT"),
            (Lines{"4", "3", "Kartovex ATS77 -> NAD27 NB ", "Y", "F", "INPUT.DAT", " "}));
}

TEST_F(AnswerFilesTest, Orvandel77GeographicNovaScotiaHasZoneAndLayout) {
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone5;
  EXPECT_EQ(
      Orvandel77Answers(settings, CoordForm::LL, "Kartovex ATS77 -> NAD27 ", "INPUT2.DAT"),
      (Lines{"5", "1", "5", "Kartovex ATS77 -> NAD27 NS ", "Y", "F", "INPUT2.DAT", "1", " "}));
}

TEST_F(AnswerFilesTest, Orvandel77UtmPrinceEdwardIsland) {
  settings.province = Province::PEI;
  EXPECT_EQ(Orvandel77Answers(settings, CoordForm::XY, "T ", "INPUT.DAT"),
            (Lines{"6", "4", "T PEI ", "Y", "F", "INPUT.DAT", " "}));
}

TEST_F(AnswerFilesTest, ProvinceNumbers) {
  EXPECT_EQ(ProvinceNumber(Province::NB), "1");
  EXPECT_EQ(ProvinceNumber(Province::NS), "2");
  EXPECT_EQ(ProvinceNumber(Province::PEI), "3");
  EXPECT_EQ(ProvinceNumber(Province::NB, true), "4");
  EXPECT_EQ(ProvinceNumber(Province::NS, true), "5");
  EXPECT_EQ(ProvinceNumber(Province::PEI, true), "6");
}

// --- The files of a row's chain -----------------------------------------

TEST_F(AnswerFilesTest, RowOneWithOverrideWritesAllThreeRunsFiles) {
  const std::string override = settings.binDir + "trn_cord.dat";
  WriteSegmentFiles(ctx, *RouteRowNumber(1), 0, override);
  const std::string& b = settings.binDir;
  EXPECT_EQ(CrLfLines(b + "IN_RUN1.TXT"), (Lines{"", "1", "N", "Y", "1", "2", "2", override, "N"}));
  EXPECT_EQ(CrLfLines(b + "IN_RUN2.TXT"),
            (Lines{"Q", "G", settings.gridShift77toCsrs, "C", b + "LL_GHOST.DAT", "A", "B", "M",
                   "X", "X", b + "LL_GHOST.LIS", b + "LL_GHOST.NEW", b + "LL_GHOST.MIS", "", "N"}));
  EXPECT_EQ(CrLfLines(b + "IN_RUN3.TXT"),
            (Lines{"", "2", "N", "Y", "1", "1", "2", b + "LL_GHOST.NEW", "2", "N"}));
  EXPECT_EQ(CrLfLines(b + "RUN1.BAT")[0], b + "VESPERAN.EXE < " + b + "IN_RUN1.TXT");
  EXPECT_EQ(CrLfLines(b + "RUN2.BAT")[0], b + "LUMBRIX.EXE < " + b + "IN_RUN2.TXT");
  EXPECT_EQ(CrLfLines(b + "RUN3.BAT")[0], b + "VESPERAN.EXE < " + b + "IN_RUN3.TXT");
  EXPECT_EQ(run.newFile, b + "LL_GHOST.NEW");
  EXPECT_EQ(run.gridFile, settings.gridShift77toCsrs);
}

TEST_F(AnswerFilesTest, RowWithoutOverrideIgnoresOne) {
  WriteSegmentFiles(ctx, *RouteRowNumber(10), 0, "/some/override");
  EXPECT_EQ(CrLfLines(settings.binDir + "IN_RUN1.TXT")[7], settings.workDir + "INPUT.DAT");
}

TEST_F(AnswerFilesTest, LumbrixFirstRowNamesItsFilesAfterTheInput) {
  run.inputFile = root + "MEASUREMENTS.TXT";
  WriteSegmentFiles(ctx, *RouteRowNumber(20), 0, "");
  Lines lines = CrLfLines(settings.binDir + "IN_RUN1.TXT");
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[4], settings.workDir + "INPUT.DAT");
  EXPECT_EQ((Lines{lines[5], lines[6], lines[7]}), (Lines{"I", "S", "D"}));
  EXPECT_EQ(lines[13], settings.binDir + "MEASUREM.LIS");
  EXPECT_EQ(lines[14], settings.binDir + "MEASUREM.NEW");
  EXPECT_EQ(lines[15], settings.binDir + "MEASUREM.MIS");
  EXPECT_EQ(run.newFile, settings.binDir + "MEASUREM.NEW");
  EXPECT_EQ(LumbrixMisFile(run), settings.binDir + "MEASUREM.MIS");
}

TEST_F(AnswerFilesTest, RowThirtyOneShiftsFromQuillonsOutputWithTheNad27Grid) {
  // Its LUMBRIX files are written after the converter: the second segment.
  WriteSegmentFiles(ctx, *RouteRowNumber(31), 2, "");
  Lines lines = CrLfLines(settings.binDir + "IN_RUN2.TXT");
  EXPECT_EQ(lines[2], settings.gridShift27to83_89);
  EXPECT_EQ(lines[4], settings.workDir + "INPUT1.DAT");
  EXPECT_FALSE(routestest::Exists(settings.binDir + "IN_RUN1.TXT"));
}

TEST_F(AnswerFilesTest, RowFiftyTwoRewritesRunOneForLumbrix) {
  const RouteRow& row = *RouteRowNumber(52);
  WriteSegmentFiles(ctx, row, 0, "");
  EXPECT_EQ(CrLfLines(settings.binDir + "RUN1.BAT")[0],
            settings.binDir + "ORVANDEL.EXE < " + settings.binDir + "TRAN_IN.TXT");
  EXPECT_FALSE(routestest::Exists(settings.binDir + "IN_RUN1.TXT"));
  WriteSegmentFiles(ctx, row, 2, "");
  EXPECT_EQ(CrLfLines(settings.binDir + "RUN1.BAT")[0],
            settings.binDir + "LUMBRIX.EXE < " + settings.binDir + "IN_RUN1.TXT");
  EXPECT_EQ(CrLfLines(settings.binDir + "IN_RUN1.TXT")[4], settings.binDir + "input2.dat");
  EXPECT_EQ(CrLfLines(settings.binDir + "IN_RUN2.TXT")[7], run.newFile);
}

TEST_F(AnswerFilesTest, RowFiftySixRunsOrvandelOnVesperansMapOutput) {
  WriteSegmentFiles(ctx, *RouteRowNumber(56), 4, "");
  EXPECT_EQ(CrLfLines(settings.binDir + "TRAN_IN.TXT"),
            (Lines{"4", "3", "Kartovex NAD83 CSRS -> NAD27 NB ", "Y", "F", "INPUT2.DAT", " "}));
}

TEST_F(AnswerFilesTest, RowSixtyOneRunsOrvandelThird) {
  WriteSegmentFiles(ctx, *RouteRowNumber(61), 3, "");
  EXPECT_EQ(CrLfLines(settings.binDir + "RUN3.BAT")[0],
            settings.binDir + "ORVANDEL.EXE < " + settings.binDir + "TRAN_IN.TXT");
  EXPECT_EQ(CrLfLines(settings.binDir + "TRAN_IN.TXT")[1], "1");
}

TEST_F(AnswerFilesTest, UnwritableAnswerFileIsARouteFailure) {
  std::filesystem::create_directories(settings.binDir + "IN_RUN1.TXT");
  EXPECT_THROW(WriteSegmentFiles(ctx, *RouteRowNumber(10), 0, ""), RouteFailure);
}

}  // namespace
}  // namespace kartovex
