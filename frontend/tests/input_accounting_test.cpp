// Every input line ends as converted, rejected with its line and reason, or
// not read; line ends; empty input; the UTM zone; missed points; results
// written under temporary names.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "config/ini_values.h"
#include "input/file_name_check.h"
#include "input/input_lines.h"
#include "io_test_support.h"
#include "mainwindow/run_file_names.h"
#include "platform/paths.h"
#include "results/point_accounting.h"
#include "results/staged_files.h"
#include "results/write_out_report.h"
#include "results/write_out_text.h"
#include "writers/geographic_writers.h"
#include "writers/grid_writers.h"
#include "writers/utm_writers.h"

namespace kartovex {
namespace {

namespace fs = std::filesystem;
using iotest::IoTest;
using iotest::Placed;

class AccountingTest : public IoTest {
 protected:
  void SetUp() override {
    IoTest::SetUp();
    settings.utmZone = UtmZone::None;
  }
  void Bin(const std::string& name, const std::string& text) {
    iotest::WriteFile(settings.binDir + name, text);
  }
  // Files of dir whose name starts with ".": temporaries left behind.
  static int HiddenFiles(const std::string& dir) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir))
      if (e.path().filename().string().rfind(".", 0) == 0) ++n;
    return n;
  }
  bool AnyMessageHas(const std::string& text) const {
    for (const auto& m : sink.messages)
      if (m.text.find(text) != std::string::npos) return true;
    return false;
  }
};

// --- line ends ---------------------------------------------------------

TEST_F(AccountingTest, CrOnlyLineEndsReadAsLines) {
  std::istringstream in("A\rB\r\nC\nD");
  std::string line;
  std::vector<std::string> lines;
  while (ReadTextLine(in, line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST_F(AccountingTest, CrOnlyUtmFileGivesEveryPoint) {
  run.fromForm = CoordForm::XY;
  Input("U1,500000,5000000,20\rU2,500001,5000001,20\r");
  ASSERT_TRUE(IntoTransform_XY(ctx)) << sink.messages.size();
  EXPECT_EQ(BinInput().size(), 2u);
  EXPECT_EQ(run.counts.read, 2);
  settings.utmZone = UtmZone::None;
  ASSERT_TRUE(IntoVesperan_XY(ctx));
  EXPECT_EQ(WorkInput().size(), 2u);
}

TEST_F(AccountingTest, CrOnlyGridAndGeographicFiles) {
  Input("P1,2500000,7400000\rP2,2500001,7400001\r");
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  EXPECT_EQ(WorkInput().size(), 2u);
  run.fromForm = CoordForm::LL;
  Input("P1,45,30,0,66,30,0\rP2,45,31,0,66,31,0\r");
  ASSERT_TRUE(IntoLumbrix_LL(ctx));
  EXPECT_EQ(WorkInput().size(), 2u);
}

// A spreadsheet's UTF-8 byte-order mark is no part of the first identifier.
TEST_F(AccountingTest, ByteOrderMarkIsDropped) {
  std::istringstream in("\xEF\xBB\xBFSTJOHN01,1\nP2,2\n");
  InputLineReader reader(in);
  std::string line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "STJOHN01,1");
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "P2,2");
  Input(
      "\xEF\xBB\xBF"
      "ABCDEFGH,2500000,7400000\r\n");
  ASSERT_TRUE(IntoVesperan_EN(ctx)) << (sink.messages.empty() ? "" : sink.messages[0].text);
  ASSERT_EQ(WorkInput().size(), 1u);
  EXPECT_EQ(WorkInput()[0].find("\xEF"), std::string::npos) << WorkInput()[0];
}

// --- empty input --------------------------------------------------------

TEST_F(AccountingTest, EmptyFileIsNoPointsOnEveryWriter) {
  for (const std::string& text : {std::string(), std::string("\nP1,2500000,7400000\n"),
                                  std::string("   \r\nP1,2500000,7400000\r\n")}) {
    Input(text);
    for (auto writer : {&IntoTransform_EN, &IntoQuillon27_EN, &IntoVesperan_EN}) {
      sink.clear();
      EXPECT_FALSE(writer(ctx));
      ASSERT_EQ(sink.messages.size(),
                1u + (text.empty() ? 0u : 1u));  // the unread-lines warning first
      EXPECT_EQ(sink.messages.back().title, "File Error");
      EXPECT_EQ(sink.messages.back().text,
                run.inputFile + " holds no points: the file is empty or its first line is blank.");
    }
  }
  settings.language = Language::French;
  Input("");
  sink.clear();
  run.fromForm = CoordForm::LL;
  EXPECT_FALSE(IntoVesperan_LL(ctx));
  EXPECT_EQ(OnlyMessage().text, run.inputFile +
                                    " ne contient aucun point : le fichier est vide ou sa première "
                                    "ligne est vide.");
}

// --- counts -------------------------------------------------------------

// The only valid line is out of bounds and an empty line follows: rejected,
// then not completed (the writer fails) instead of an empty result.
TEST_F(AccountingTest, OnlyValidLineRejectedBeforeEmptyLineConvertsNothing) {
  settings.extents.ats77.NE_EAST = 2600000.0;
  Input("P1,2700000,7400000\n\nP2,2500000,7400000\n");
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  EXPECT_EQ(run.errCount(), 1);
  EXPECT_EQ(run.counts.read, 1);
  EXPECT_EQ(run.counts.rejected, 1);
  EXPECT_EQ(run.counts.notRead, 1);
  EXPECT_EQ(run.counts.converted, 0);
  EXPECT_TRUE(AnyMessageHas("No point of " + run.inputFile + " can be converted"));
}

TEST_F(AccountingTest, CountsSummaryInBothLanguages) {
  PointCounts c{5, 3, 2, 1};
  EXPECT_EQ(CountsSummary(c, false), "Lines read: 5, converted: 3, rejected: 2, not read: 1");
  EXPECT_EQ(CountsSummary(c, true), "Lignes lues : 5, converties : 3, rejetées : 2, non lues : 1");
}

TEST_F(AccountingTest, ConvertedCountComesFromTheDataFile) {
  Input("P1,2500000,7400000\nP2,2500001,7400001\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  ASSERT_EQ(run.points.size(), 2u);
  EXPECT_EQ(run.points[1].line, 2);
  Bin("trn_cord.dat", Placed({{1, "P1"}, {10, " 7400000.123"}, {23, " 2500000.456"}}) + "\r\n" +
                          Placed({{1, "P2"}, {10, " 7400000.123"}, {23, " 2500000.456"}}) + "\r\n");
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_EN"));
  EXPECT_EQ(run.counts.converted, 2);
  EXPECT_EQ(run.counts.read, run.counts.converted + run.counts.rejected);
}

TEST_F(AccountingTest, ProgramOutputWithoutPointsIsNoConversion) {
  Bin("XY_MAP.DAT", "");
  EXPECT_FALSE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(OnlyMessage().text, "No point of " + run.inputFile + " was converted.");
}

// --- UTM zone ------------------------------------------------------------

TEST_F(AccountingTest, ZoneOutsideTheMaritimesIsRejectedWithItsLine) {
  run.fromForm = CoordForm::XY;
  Input("U1,500000,5000000,99\nU2,500000,5000000,20\nU3,500000,5000000,2\nU4,500000,5000000,5\n");
  ASSERT_TRUE(IntoTransform_XY(ctx));
  EXPECT_EQ(BinInput().size(), 1u);
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);
  EXPECT_EQ(run.errCount(), 3);
  EXPECT_EQ(run.counts.rejected, 3);
  ASSERT_EQ(sink.messages.size(), 3u);
  EXPECT_EQ(sink.messages[0].title, "Invalid Zone/File Error");
  EXPECT_EQ(sink.messages[0].text, "The following UTM zone is not 19, 20 or 21: 99 (line 1)");
  EXPECT_EQ(sink.messages[1].text, "The following UTM zone is not 19, 20 or 21: 2 (line 3)");
  EXPECT_EQ(sink.messages[2].text, "The following UTM zone is not 19, 20 or 21: 5 (line 4)");
}

TEST_F(AccountingTest, ZoneRejectionGoesToTheLogWithTheLineNumber) {
  run.fromForm = CoordForm::XY;
  settings.extentLogging = true;
  ASSERT_TRUE(messages.OpenLogFiles());
  Input("U1,500000,5000000,20\nU2,500000,5000000,99\n");
  ASSERT_TRUE(IntoVesperan_XY(ctx));
  messages.CloseLogFiles();
  const std::string log = iotest::ReadFile(settings.workDir + "kartovex.log");
  EXPECT_NE(log.find("[ 2]The following UTM zone is not 19, 20 or 21: 99"), std::string::npos)
      << log;
  EXPECT_NE(iotest::ReadFile(settings.workDir + "kartovex.err").find("U2,500000,5000000,99"),
            std::string::npos);
}

TEST_F(AccountingTest, OnlyPointInABadZoneConvertsNothing) {
  run.fromForm = CoordForm::XY;
  Input("U1,500000,5000000,99\n");
  EXPECT_FALSE(IntoQuillon27_XY(ctx));
  EXPECT_TRUE(AnyMessageHas("can be converted"));
}

// --- missed points -----------------------------------------------------------

std::string CordLine(const std::string& id) {
  return Placed({{1, id}, {10, " 7400000.123"}, {23, " 2500000.456"}}) + "\r\n";
}

std::string NotTransformedLine(const std::string& id) {
  return Placed({{2, id}, {15, "NB "}, {88, "THIS POINT WAS NOT"}, {106, " TRANSFORMED"}}) + "\r\n";
}

TEST_F(AccountingTest, PointOrvandelDidNotTransformIsMissedAndLogged) {
  Input("P1,2500000,7400000\nFREDTN,2500001,7400001\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  run.orvandelRan = true;
  Bin("TRN_CORD.DAT", CordLine("P1"));
  Bin("ORVANDEL.OUT", " heading\r\n" + NotTransformedLine("FREDTN"));
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_EN"));
  EXPECT_EQ(run.missedPoints, 1);
  EXPECT_EQ(run.counts.converted, 1);
  EXPECT_EQ(run.counts.rejected, 1);
  EXPECT_EQ(run.errCount(), 1);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "Missed Point");
  EXPECT_EQ(sink.messages[0].text,
            "The following point was not converted: FREDTN (line 2): ORVANDEL: THIS POINT WAS NOT "
            "TRANSFORMED");
}

TEST_F(AccountingTest, PointLostWithoutAReasonFailsTheStep) {
  Input("P1,2500000,7400000\nP2,2500001,7400001\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  run.orvandelRan = true;
  Bin("TRN_CORD.DAT", CordLine("P1"));
  Bin("ORVANDEL.OUT", " nothing about P2\r\n");
  EXPECT_FALSE(WriteOutText(ctx, "TRANSFORM_EN"));
  EXPECT_EQ(OnlyMessage().text,
            "The programs lost 1 point(s) without giving a reason: P2 (line 2).");
}

// As many outputs as points is not enough: each point must be among them.
TEST_F(AccountingTest, SameCountWithAPointTwiceStillMissesTheOther) {
  Input("P1,2500000,7400000\nP2,2500001,7400001\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  run.orvandelRan = true;
  Bin("TRN_CORD.DAT", CordLine("P1") + CordLine("P1"));
  Bin("ORVANDEL.OUT", " nothing about P2\r\n");
  EXPECT_FALSE(WriteOutText(ctx, "TRANSFORM_EN"));
  EXPECT_EQ(OnlyMessage().text,
            "The programs lost 1 point(s) without giving a reason: P2 (line 2).");
}

TEST_F(AccountingTest, PointsBackInAnotherOrderAreAllAccountedFor) {
  Input("P1,2500000,7400000\nP2,2500001,7400001\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  run.orvandelRan = true;
  Bin("TRN_CORD.DAT", CordLine("p2") + CordLine("P1"));
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_EN"))
      << (sink.messages.empty() ? "" : sink.messages[0].text);
  EXPECT_EQ(run.counts.converted, 2);
  EXPECT_EQ(run.missedPoints, 0);
}

TEST_F(AccountingTest, ReportOfAnOrvandelThatDidNotRunGivesNoReason) {
  Input("P1,2500000,7400000\nFREDTN,2500001,7400001\n");
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  Bin("ORVANDEL.OUT", NotTransformedLine("FREDTN"));
  Bin("XY_MAP.DAT",
      Placed({{1, "       P1"}, {11, " 7400000.123"}, {24, " 2500000.456"}}) + "\r\n");
  EXPECT_FALSE(WriteOutText(ctx, "XY_MAP"));
}

TEST_F(AccountingTest, LumbrixMisFileNamesItsMissedPoints) {
  run.fromForm = CoordForm::LL;
  Input("P1,45,30,0,66,30,0\nFAR,45,31,0,66,31,0\n");
  ASSERT_TRUE(IntoLumbrix_LL(ctx));
  run.newFile = settings.binDir + "IN.NEW";
  auto geo = [](const std::string& id) {
    return Placed({{7, id},
                   {41, "45"},
                   {44, "30"},
                   {47, "00.00000"},
                   {57, "66"},
                   {60, "30"},
                   {63, "00.00000"}});
  };
  Bin("IN.NEW", geo("       P1") + "\r\n");
  Bin("IN.MIS", geo("      FAR") + "  OUTSIDE GRID\r\n");
  ASSERT_TRUE(WriteOutText(ctx, "NEW_FILE"))
      << (sink.messages.empty() ? "" : sink.messages[0].text);
  EXPECT_EQ(run.missedPoints, 1);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text,
            "The following point was not converted: FAR (line 2): LUMBRIX: OUTSIDE GRID");
}

// --- result files --------------------------------------------------------------

TEST_F(AccountingTest, EarlierResultsSurviveAFailedReport) {
  iotest::WriteFile(run.dataFile, "EARLIER DATA\r\n");
  iotest::WriteFile(run.reportFile, "EARLIER REPORT\r\n");
  run.stageResults = true;
  Bin("XY_MAP.DAT",
      Placed({{1, "       P1"}, {11, " 7400000.123"}, {24, " 2500000.456"}}) + "\r\n");
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(iotest::ReadFile(run.dataFile), "EARLIER DATA\r\n");
  // The report cannot read its input file.
  run.inputFile = root + "GONE.TXT";
  EXPECT_FALSE(WriteOutReport(ctx));
  DiscardStagedFiles(run);
  EXPECT_EQ(iotest::ReadFile(run.dataFile), "EARLIER DATA\r\n");
  EXPECT_EQ(iotest::ReadFile(run.reportFile), "EARLIER REPORT\r\n");
  EXPECT_EQ(HiddenFiles(root), 0);
}

TEST_F(AccountingTest, StagedResultsReplaceTheTargetsOnCommit) {
  iotest::WriteFile(run.dataFile, "EARLIER DATA\r\n");
  Input("P1,2500000,7400000\n");
  run.stageResults = true;
  Bin("XY_MAP.DAT",
      Placed({{1, "       P1"}, {11, " 7400000.123"}, {24, " 2500000.456"}}) + "\r\n");
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  ASSERT_TRUE(WriteOutReport(ctx));
  EXPECT_FALSE(fs::exists(run.reportFile));
  ASSERT_TRUE(CommitStagedFiles(run, messages));
  EXPECT_EQ(iotest::ReadFile(run.dataFile), "P1,2500000.456,7400000.123\r\n");
  const std::string report = iotest::ReadFile(run.reportFile);
  EXPECT_NE(report.find("OUTPUT: File: " + run.dataFile), std::string::npos)
      << "temporary name shown";
  EXPECT_NE(report.find("P1         2500000.456"), std::string::npos);
  EXPECT_EQ(HiddenFiles(root), 0);
}

TEST_F(AccountingTest, MissingAndReadOnlyFoldersAreNamed) {
  const std::string missing = root + "NOPE/R.REP";
  EXPECT_FALSE(CheckResultFolders({"", missing}, messages));
  EXPECT_EQ(OnlyMessage().text, "The folder of the file " + missing + " does not exist.");
  EXPECT_TRUE(CheckResultFolders({run.reportFile}, messages));
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  fs::create_directory(root + "RO");
  fs::permissions(root + "RO", fs::perms::owner_read | fs::perms::owner_exec);
  sink.clear();
  EXPECT_FALSE(CheckResultFolders({root + "RO/R.REP"}, messages));
  EXPECT_EQ(OnlyMessage().text,
            "The folder of the file " + root + "RO/R.REP cannot be written to.");
  fs::permissions(root + "RO", fs::perms::owner_all);
}

TEST_F(AccountingTest, ReportInAMissingFolderNamesThePath) {
  Input("P1,2500000,7400000\n");
  run.stageResults = true;
  run.reportFile = root + "NOPE/R.REP";
  EXPECT_FALSE(WriteOutReport(ctx));
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(
      sink.messages[0].text.rfind("The file " + run.reportFile + " could not be written (", 0), 0u)
      << sink.messages[0].text;
  EXPECT_EQ(sink.messages[1].text,
            "WriteOutReport: An error occurred while writing your output report file!");
}

// A file-size limit makes the data file's writes fail part-way: the failure
// is reported, the partial file removed and the earlier file kept. Run in a
// child so the limit binds nothing else.
TEST_F(AccountingTest, WriteFailureUnderAFileSizeLimitIsReported) {
  iotest::WriteFile(run.dataFile, "EARLIER DATA\r\n");
  std::string many;
  for (int i = 0; i < 2000; ++i)
    many += Placed({{1, "       P" + std::to_string(i % 10)},
                    {11, " 7400000.123"},
                    {24, " 2500000.456"}}) +
            "\r\n";
  Bin("XY_MAP.DAT", many);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit {
      4096, 4096
    };
    ::setrlimit(RLIMIT_FSIZE, &limit);
    run.stageResults = true;
    const bool ok = WriteOutText(ctx, "XY_MAP");
    int code = ok ? 10 : 0;
    if (sink.messages.size() != 2 ||
        sink.messages[0].text.rfind("The file " + run.dataFile + " could not be written (", 0) != 0)
      code |= 1;
    if (!run.staged.empty() || HiddenFiles(root) != 0) code |= 2;
    ::_exit(code);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "10: no failure seen, 1: wrong message, 2: temporary left";
  EXPECT_EQ(iotest::ReadFile(run.dataFile), "EARLIER DATA\r\n");
}

// A pipe in place of a program output is refused, not waited on for ever.
TEST_F(AccountingTest, PipeInPlaceOfAProgramOutputIsRefused) {
  ASSERT_EQ(::mkfifo((settings.binDir + "XY_MAP.DAT").c_str(), 0600), 0);
  EXPECT_FALSE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(OnlyMessage().text,
            "WriteOutText: An error occurred while writing your output text file!");
}

// Splitting with an empty delimiter ends (the line is invalid), never loops.
TEST_F(AccountingTest, EmptyDelimiterEndsEverySplit) {
  settings.delimiter.clear();
  Input("P1,2500000,7400000\n");
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  run.fromForm = CoordForm::XY;
  Input("U1,500000,5000000,20\n");
  EXPECT_FALSE(IntoVesperan_XY(ctx));
  run.fromForm = CoordForm::LL;
  Input("P1,45,30,0,66,30,0\n");
  EXPECT_FALSE(IntoLumbrix_LL(ctx));
}

// --- settings and names ------------------------------------------------------------

TEST_F(AccountingTest, MissingKeyStopsARun) {
  iotest::WriteFile(root + "K.INI", "[SETUP]\r\nA=1\r\n");
  EXPECT_EQ(ReadIniValue(messages, "SETUP", "NB Central Meridian 5", root + "K.INI"), "-1");
  messages.setSettingsErrorsStopRun(true);
  EXPECT_THROW(ReadIniValue(messages, "SETUP", "NB Central Meridian 5", root + "K.INI"),
               SettingsReadFailure);
  EXPECT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(ReadIniValue(messages, "SETUP", "A", root + "K.INI"), "1");
}

TEST_F(AccountingTest, ControlCharactersInNamesAreRefused) {
  EXPECT_TRUE(CheckFileNameCharacters({root + "PTS.TXT", ""}, messages));
  for (const char* bad : {"P\rTS.TXT", "P\nTS.TXT", "P\tTS.TXT", "P\x01TS.TXT"}) {
    sink.clear();
    EXPECT_FALSE(CheckFileNameCharacters({root + "OK.TXT", root + std::string(bad)}, messages));
    EXPECT_EQ(OnlyMessage().title, "Invalid File Name");
    EXPECT_NE(OnlyMessage().text.find(root + "P?TS.TXT"), std::string::npos);
  }
}

TEST_F(AccountingTest, ExactNameWinsOverOneThatDiffersByCase) {
  iotest::WriteFile(root + "pts.TXT", "lower");
  iotest::WriteFile(root + "PTS.TXT", "upper");
  EXPECT_EQ(FindIgnoringCase(root + "pts.TXT"), root + "pts.TXT");
  EXPECT_EQ(FindIgnoringCase(root + "PTS.TXT"), root + "PTS.TXT");
  EXPECT_EQ(FindIgnoringCase(root + "Pts.txt"), root + "PTS.TXT");
  // PROCESS upper-cases a typed name only when no file has exactly that name.
  ReportBoxes boxes;
  boxes.inputFromFile = true;
  boxes.inputText = root + "pts.TXT";
  EXPECT_EQ(MakeRunFileNames(settings, boxes).inputFile, root + "pts.TXT");
  boxes.inputText = root + "pts.txt";
  EXPECT_EQ(MakeRunFileNames(settings, boxes).inputFile, root + "PTS.TXT");
}

}  // namespace
}  // namespace kartovex
