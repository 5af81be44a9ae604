// The route table by its properties: the main window's choices reach each
// row once, every step reads what the steps before it wrote, every row ends
// in a reader and names its errors. What each row computes is the
// end-to-end suite's to show.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "core/work_file_names.h"
#include "mainwindow/main_window_choices.h"
#include "platform/paths.h"
#include "routes/route_table.h"

namespace kartovex {
namespace {

using namespace workfiles;

std::string Combination(const RouteRequest& r) {
  return std::string(DatumText(r.fromDatum)) + ":" + FormText(r.fromForm) + " to " +
         DatumText(r.toDatum) + ":" + FormText(r.toForm);
}

std::string Combination(const RouteRow& row) {
  return Combination({row.fromDatum, row.fromForm, row.toDatum, row.toForm});
}

// --- The main window's choices and the rows ---------------------------------

constexpr Datum kDatums[] = {Datum::ATS77, Datum::NAD27, Datum::NAD83, Datum::NAD83_1989};
constexpr CoordForm kForms[] = {CoordForm::EN, CoordForm::LL, CoordForm::XY};

// Every combination the main window lets the user choose, by its own rules.
std::vector<RouteRequest> EnabledCombinations() {
  std::vector<RouteRequest> out;
  MainWindowChoices c;
  for (Datum fd : kDatums) {
    c.reset();
    if (!c.fromDatumOption(fd).enabled) continue;
    for (CoordForm ff : kForms) {
      c.reset();
      c.chooseFromDatum(fd);
      if (!c.fromFormOption(ff).enabled) continue;
      for (Datum td : kDatums) {
        c.reset();
        c.chooseFromDatum(fd);
        c.chooseFromForm(ff);
        if (!c.toDatumOption(td).enabled) continue;
        for (CoordForm tf : kForms) {
          c.reset();
          c.chooseFromDatum(fd);
          c.chooseFromForm(ff);
          c.chooseToDatum(td);
          if (c.toFormOption(tf).enabled) out.push_back({fd, ff, td, tf});
        }
      }
    }
  }
  return out;
}

TEST(RouteTableTest, EveryEnabledCombinationHasExactlyOneRow) {
  const auto enabled = EnabledCombinations();
  ASSERT_FALSE(enabled.empty());
  for (const RouteRequest& r : enabled) {
    int rows = 0;
    for (const RouteRow& row : RouteTable()) {
      if (row.fromDatum == r.fromDatum && row.fromForm == r.fromForm && row.toDatum == r.toDatum &&
          row.toForm == r.toForm)
        ++rows;
    }
    EXPECT_EQ(rows, 1) << Combination(r);
    EXPECT_TRUE(CombinationSupported(r)) << Combination(r);
  }
}

TEST(RouteTableTest, EveryRowIsAnEnabledCombination) {
  std::set<std::string> enabled;
  for (const RouteRequest& r : EnabledCombinations()) enabled.insert(Combination(r));
  for (const RouteRow& row : RouteTable()) {
    EXPECT_TRUE(enabled.count(Combination(row))) << "row " << row.number << " " << Combination(row);
  }
  EXPECT_EQ(enabled.size(), RouteTable().size());
}

TEST(RouteTableTest, CombinationsTheWindowRefusesHaveNoRow) {
  EXPECT_EQ(FindRoute({Datum::NAD27, CoordForm::XY, Datum::NAD83, CoordForm::XY}), nullptr);
  EXPECT_EQ(FindRoute({Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::EN}), nullptr);
  EXPECT_EQ(FindRoute({}), nullptr);
}

TEST(RouteTableTest, RowsAreNumberedInOrderAndFoundByNumber) {
  auto table = RouteTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].number, static_cast<int>(i) + 1);
    EXPECT_EQ(RouteRowNumber(table[i].number), &table[i]);
  }
  EXPECT_EQ(RouteRowNumber(0), nullptr);
  EXPECT_EQ(RouteRowNumber(static_cast<int>(table.size()) + 1), nullptr);
}

TEST(RouteTableTest, RequestComesFromTheRunsChoices) {
  FrontEndSettings settings;
  RunState run(settings);
  run.fromDatum = Datum::NAD27;
  run.fromForm = CoordForm::LL;
  run.toDatum = Datum::ATS77;
  run.toForm = CoordForm::EN;
  const RouteRow* row = FindRoute(RequestOf(run));
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(Combination(*row), "NAD27:LL to ATS77:EN");
}

// --- Every step reads what the steps before it wrote ----------------------

// A file by its directory and its name in upper case. LUMBRIX's outputs are
// named after a base its answer file gives: "*" stands for it.
struct File {
  bool bin;
  std::string name;
  bool operator<(const File& o) const { return std::tie(bin, name) < std::tie(o.bin, o.name); }
};

File Bin(const std::string& name) { return {true, ToUpper(name)}; }
File Work(const std::string& name) { return {false, ToUpper(name)}; }
File LumbrixOutput(const char* extension) { return Bin(std::string("*") + extension); }

std::set<File> Written(Program program) {
  const ProgramFiles& files = FilesOf(program);
  std::set<File> out;
  for (const char* name : files.outputs) out.insert(Bin(name));
  for (const char* extension : files.baseOutputs) out.insert(LumbrixOutput(extension));
  return out;
}

// The input reformatting writes the first program's input: binDir for
// ORVANDEL, workDir for the others.
File ReformOutput(const RouteRow& row) {
  const bool orvandelFirst = row.chain()[0].program == Program::ORVANDEL;
  return orvandelFirst ? Bin(kProgramInput) : Work(kProgramInput);
}

std::optional<File> Read(const ChainStep& step) {
  if (step.answers == Template::O27Ini || step.answers == Template::O27Fixed)
    return Bin(kProgramInput);
  if (step.answers == Template::O77) return Bin(step.data);
  switch (step.source) {
    case Source::WorkInput: return Work(kProgramInput);
    case Source::WorkInput1: return Work(kQuillon27ToLumbrix);
    case Source::BinLlGhost: return Bin(kLlGhost);
    case Source::PreviousNew: return LumbrixOutput(kLumbrixNew);
    case Source::BinInput2: return Bin(kSecondInput);
    case Source::None: break;
  }
  return std::nullopt;
}

// What each converter takes and gives.
struct Conversion {
  File reads;
  File writes;
};
Conversion ConversionOf(Converter converter) {
  switch (converter) {
    case Converter::Quillon27ToLumbrix: return {Bin(kQuillon27Listing), Work(kQuillon27ToLumbrix)};
    case Converter::Orvandel2Lumbrix: return {Bin(kTransformGeographic), Bin(kSecondInput)};
    case Converter::Vesperan2TransformErr: return {Bin(kXyMap), Bin(kSecondInput)};
    case Converter::NewFileToInput2: return {LumbrixOutput(kLumbrixNew), Bin(kSecondInput)};
    case Converter::None: break;
  }
  ADD_FAILURE() << "a Convert step without its converter";
  return {};
}

// The file the data text file is read from; nullopt for a row whose
// sub-route reads it.
std::optional<File> ReaderInput(const RouteRow& row) {
  if (row.reader == ReaderKind::NewFile) return LumbrixOutput(kLumbrixNew);
  if (row.reader == ReaderKind::TransformXyOut) return Bin(kOrvandelReport);
  const std::map<std::string, File> byMode{
      {"XY_MAP", Bin(kXyMap)},
      {"UTM_GHOST", Bin(kUtmGhost)},
      {"LL_GHOST", Bin(kLlGhost)},
      {"NEW_FILE", LumbrixOutput(kLumbrixNew)},
      {"QUILLON27_LL", Bin(kQuillon27Listing)},
      {"QUILLON27_XY", Bin(kQuillon27Listing)},
      {"QUILLON27_EN", Bin(kQuillon27Grid)},
      {"TRANSFORM_LL", Bin(kTransformGeographic)},
      {"TRANSFORM_EN", Bin(kTransformGrid)},
      {"TRANSFORM_XY", Bin(kOrvandelReport)},
  };
  auto found = byMode.find(row.readerMode);
  if (found == byMode.end()) return std::nullopt;
  return found->second;
}

std::string Name(const File& f) { return (f.bin ? "binDir " : "workDir ") + f.name; }

TEST(RouteTableTest, EveryStepReadsWhatTheStepBeforeItWrote) {
  for (const RouteRow& row : RouteTable()) {
    SCOPED_TRACE("row " + std::to_string(row.number) + " " + Combination(row));
    ASSERT_FALSE(row.chain().empty());
    // What the last step that wrote files wrote.
    std::set<File> before{ReformOutput(row)};
    for (const ChainStep& step : row.chain()) {
      switch (step.kind) {
        case StepKind::Run: {
          auto reads = Read(step);
          ASSERT_TRUE(reads) << ProgramName(step.program) << " at RUN" << step.position
                             << " reads nothing";
          EXPECT_TRUE(before.count(*reads)) << ProgramName(step.program) << " at RUN"
                                            << step.position << " reads " << Name(*reads);
          before = Written(step.program);
          break;
        }
        case StepKind::Convert: {
          const Conversion c = ConversionOf(step.converter);
          EXPECT_TRUE(before.count(c.reads)) << "the converter reads " << Name(c.reads);
          before = {c.writes};
          break;
        }
        case StepKind::OrvandelOutcome:
        case StepKind::SubRoute:
          // The results label and the sub-route's input: ORVANDEL's grid results.
          EXPECT_TRUE(before.count(Bin(kTransformGrid)));
          break;
      }
    }
    if (auto input = ReaderInput(row)) {
      EXPECT_TRUE(before.count(*input)) << "the reader reads " << Name(*input);
    }
  }
}

TEST(RouteTableTest, SubRoutesEndTheChainAndGoToTheRowsTarget) {
  for (const RouteRow& row : RouteTable()) {
    auto chain = row.chain();
    for (std::size_t i = 0; i < chain.size(); ++i) {
      if (chain[i].kind != StepKind::SubRoute) continue;
      EXPECT_EQ(i + 1, chain.size()) << "row " << row.number;
      const RouteRow* sub = SubRouteOf(row);
      ASSERT_NE(sub, nullptr);
      EXPECT_EQ(sub->toDatum, row.toDatum) << row.number;
      EXPECT_EQ(sub->toForm, row.toForm) << row.number;
      EXPECT_TRUE(sub->acceptsOverride)
          << "row " << row.number << ": its sub-route reads ORVANDEL's file";
    }
  }
}

// --- Every row has a reader and an error name --------------------------------

TEST(RouteTableTest, EveryRowHasAReaderAndAnErrorName) {
  for (const RouteRow& row : RouteTable()) {
    SCOPED_TRACE("row " + std::to_string(row.number));
    const bool endsInSubRoute = row.chain().back().kind == StepKind::SubRoute;
    if (endsInSubRoute) {
      // The sub-route's reader writes the data file.
      EXPECT_FALSE(ReaderInput(row));
      EXPECT_TRUE(ReaderInput(*SubRouteOf(row)));
    } else {
      EXPECT_TRUE(ReaderInput(row)) << "reader mode \"" << row.readerMode << "\"";
    }
    ASSERT_NE(row.errorName, nullptr);
    EXPECT_STRNE(row.errorName, "");
    ASSERT_NE(row.reform, nullptr);
    EXPECT_STRNE(row.reformName, "");
    EXPECT_STRNE(row.route, "");
  }
}

// --- What a row says of itself ---------------------------------------------

TEST(RouteTableTest, ModulesTextNamesTheChainsPrograms) {
  for (const auto& row : RouteTable()) {
    SCOPED_TRACE("row " + std::to_string(row.number));
    std::string names;
    bool sub = false;
    for (const auto& s : row.chain()) {
      if (s.kind == StepKind::SubRoute) sub = true;
      if (s.kind != StepKind::Run) continue;
      if (!names.empty()) names += " -> ";
      names += ProgramName(s.program);
    }
    if (sub) {
      EXPECT_EQ(std::string(row.modules).rfind("ORVANDEL -> ", 0), 0u);
    } else {
      EXPECT_EQ(names, row.modules);
    }
    EXPECT_EQ(ModulesLine(row), ModulesLine(row.modules));
  }
}

TEST(RouteTableTest, ModulesLineIsTheReportLine) {
  EXPECT_EQ(ModulesLine(), "*    Modules: ");
  EXPECT_EQ(ModulesLine(*RouteRowNumber(5)), "*    Modules: LUMBRIX");
}

TEST(RouteTableTest, OnlyRowsOneToFourAcceptTheOverride) {
  for (const auto& row : RouteTable())
    EXPECT_EQ(row.acceptsOverride, row.number <= 4) << row.number;
}

TEST(RouteTableTest, RowsThatRunOrvandelCopyItsFiles) {
  int orvandelRows = 0;
  for (const auto& row : RouteTable()) {
    EXPECT_EQ(row.runsOrvandel(), row.runs(Program::ORVANDEL)) << row.number;
    EXPECT_EQ(row.copiesOrvandelFiles(), row.runsOrvandel()) << row.number;
    if (row.runsOrvandel()) ++orvandelRows;
  }
  EXPECT_GT(orvandelRows, 0);
}

TEST(RouteTableTest, RowsRunLumbrixInTheirChainOrTheirSubRoute) {
  for (const auto& row : RouteTable()) {
    bool sub = false;
    for (const auto& s : row.chain()) sub = sub || s.kind == StepKind::SubRoute;
    const bool expected = row.runs(Program::LUMBRIX) || (sub && SubRouteOf(row)->runsLumbrix());
    EXPECT_EQ(row.runsLumbrix(), expected) << row.number;
  }
  EXPECT_TRUE(RouteRowNumber(5)->runsLumbrix());
  EXPECT_FALSE(RouteRowNumber(10)->runsLumbrix());
}

TEST(RouteTableTest, ProgramNamesAndFiles) {
  EXPECT_STREQ(ProgramName(Program::QUILLON27), "QUILLON27");
  EXPECT_EQ(ProgramFile(Program::ORVANDEL), "ORVANDEL.EXE");
}

TEST(RouteTableTest, DatumAndFormTexts) {
  EXPECT_STREQ(DatumText(Datum::NAD83), "NAD83CSRS");
  EXPECT_STREQ(DatumText(Datum::NAD83_1989), "NAD83_1989");
  EXPECT_STREQ(DatumText(Datum::None), "");
  EXPECT_STREQ(FormText(CoordForm::XY), "XY");
  EXPECT_STREQ(FormText(CoordForm::None), "");
}

}  // namespace
}  // namespace kartovex
