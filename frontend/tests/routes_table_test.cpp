// The route table: every row as the description lists it, the enabling
// rules of the main window giving exactly the supported combinations, and
// the lookup.

#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "routes/route_table.h"

namespace kartovex {
namespace {

std::string SourceText(Source s) {
  switch (s) {
    case Source::WorkInput: return "src";
    case Source::WorkInput1: return "INPUT1";
    case Source::BinLlGhost: return "LLG";
    case Source::PreviousNew: return "NEW";
    case Source::BinInput2: return "input2";
    case Source::None: break;
  }
  return "?";
}

std::string GridText(GridShift g) {
  return g == GridShift::Csrs ? "csrs" : g == GridShift::Nad27To83_89 ? "27-83" : "?";
}

std::string MeridianText(Meridian m) {
  switch (m) {
    case Meridian::EnLl: return "EN/LL";
    case Meridian::Quillon27Xy: return "quillon27 XY";
    case Meridian::Quillon27Ne: return "quillon27 NE";
    case Meridian::None: break;
  }
  return "?";
}

std::string ConverterText(Converter c) {
  switch (c) {
    case Converter::Quillon27ToLumbrix: return "QUILLON27toLUMBRIX";
    case Converter::Orvandel2Lumbrix: return "Orvandel2Lumbrix";
    case Converter::Vesperan2TransformErr: return "Vesperan2TransformErr";
    case Converter::NewFileToInput2: return "NEW->INPUT2";
    case Converter::None: break;
  }
  return "?";
}

// A compact text of a chain, in the description's notation.
std::string ChainText(const RouteRow& row) {
  std::ostringstream out;
  bool first = true;
  for (const auto& s : row.chain()) {
    if (!first) out << "; ";
    first = false;
    switch (s.kind) {
      case StepKind::Convert: out << ConverterText(s.converter); continue;
      case StepKind::OrvandelOutcome: out << "label"; continue;
      case StepKind::SubRoute: out << "sub"; continue;
      case StepKind::Run: break;
    }
    out << "RUN" << s.position << " ";
    switch (s.answers) {
      case Template::V:
        out << "V(" << (s.vesperanDatum == VesperanDatum::Ats77 ? "1" : "2") << ","
            << (s.vesperanInput == VesperanInput::Geographic ? "1"
                : s.vesperanInput == VesperanInput::Grid   ? "2"
                                                           : "3")
            << "," << SourceText(s.source);
        if (s.vesperanLayout != VesperanLayout::None)
          out << "," << (s.vesperanLayout == VesperanLayout::Vesperan ? "1" : "2");
        out << ")";
        break;
      case Template::L:
        out << "L(" << GridText(s.grid) << "," << SourceText(s.source) << "," << s.lumbrixFlags << ")";
        break;
      case Template::Q:
        out << "Q("
            << (s.quillon27Input == Quillon27Input::Geographic ? "1"
                : s.quillon27Input == Quillon27Input::Grid   ? "2"
                                                             : "4")
            << "," << MeridianText(s.meridian) << ")"; break;
      case Template::O27Ini: out << "O27(ini)"; break;
      case Template::O27Fixed: out << "O27(fixed)"; break;
      case Template::O77: out << "O77(" << FormText(s.orvandelForm) << "," << s.title << "," << s.data << ")"; break;
    }
  }
  return out.str();
}

std::string ReaderText(const RouteRow& row) {
  switch (row.reader) {
    case ReaderKind::NewFile: return "new-file";
    case ReaderKind::TransformXyOut: return "WriteOutTextTRANSFORM_XY";
    case ReaderKind::Mode: break;
  }
  return *row.readerMode ? row.readerMode : "sub";
}

std::string Combination(const RouteRow& r) {
  return std::string(DatumText(r.fromDatum)) + " " + FormText(r.fromForm) + " -> " +
         DatumText(r.toDatum) + " " + FormText(r.toForm);
}

struct Expected {
  int number;
  const char* combination;
  const char* modules;
  const char* route;
  const char* reform;
  const char* chain;
  const char* reader;
};

const char* const VLVa = "RUN1 V(1,2,src); RUN2 L(csrs,LLG,); RUN3 V(2,1,NEW,2)";
const char* const VLVx = "RUN1 V(1,3,src,2); RUN2 L(csrs,LLG,); RUN3 V(2,1,NEW,2)";
const char* const VLVe = "RUN1 V(2,2,src); RUN2 L(csrs,LLG,D); RUN3 V(1,1,NEW,2)";
const char* const VLVc = "RUN1 V(2,3,src,2); RUN2 L(csrs,LLG,D); RUN3 V(1,1,NEW,2)";
const char* const LVc = "RUN1 L(csrs,src,ISD); RUN2 V(1,1,NEW,2)";
const char* const OSUB = "RUN1 O27(fixed); label; sub";
const char* const OLV =
    "RUN1 O27(ini); Orvandel2Lumbrix; RUN1 L(csrs,input2,IS); RUN2 V(2,1,NEW,2)";
const char* const VLVO =
    "RUN1 V(2,3,src,2); RUN2 L(csrs,LLG,D); RUN3 V(1,1,NEW,2); Vesperan2TransformErr; "
    "RUN1 O77(EN,Kartovex NAD83 CSRS -> NAD27 ,INPUT2.DAT)";
const char* const LO =
    "RUN1 L(csrs,src,ISD); NEW->INPUT2; RUN1 O77(LL,Kartovex ATS77 -> NAD27 ,INPUT2.DAT)";
const char* const VLO =
    "RUN1 V(2,2,src); RUN2 L(csrs,LLG,D); NEW->INPUT2; "
    "RUN3 O77(LL,Kartovex ATS77 -> NAD27 ,INPUT2.DAT)";
const char* const O77EN = "RUN1 O77(EN,Kartovex ATS77 -> NAD27 ,INPUT.DAT)";
const char* const O77LL = "RUN1 O77(LL,Kartovex ATS77 -> NAD27 ,INPUT.DAT)";

const Expected kExpected[] = {
    {1, "ATS77 EN -> NAD83CSRS EN", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo1", "IntoVesperan_EN", VLVa, "XY_MAP"},
    {2, "ATS77 EN -> NAD83CSRS LL", "VESPERAN -> LUMBRIX", "ProcessCombo2", "IntoVesperan_EN", "RUN1 V(1,2,src); RUN2 L(csrs,LLG,)", "new-file"},
    {3, "ATS77 EN -> NAD83CSRS XY", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo3", "IntoVesperan_EN", VLVa, "UTM_GHOST"},
    {4, "ATS77 LL -> NAD83CSRS EN", "LUMBRIX -> VESPERAN", "ProcessCombo4", "IntoLumbrix_LL", "RUN1 L(csrs,src,IS); RUN2 V(2,1,NEW,2)", "XY_MAP"},
    {5, "ATS77 LL -> NAD83CSRS LL", "LUMBRIX", "ProcessCombo5", "IntoLumbrix_LL", "RUN1 L(csrs,src,IS)", "new-file"},
    {6, "ATS77 LL -> NAD83CSRS XY", "LUMBRIX -> VESPERAN", "ProcessCombo6", "IntoLumbrix_LL", "RUN1 L(csrs,src,IS); RUN2 V(2,1,NEW,2)", "UTM_GHOST"},
    {7, "ATS77 XY -> NAD83CSRS EN", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo7", "IntoVesperan_XY", VLVx, "XY_MAP"},
    {8, "ATS77 XY -> NAD83CSRS LL", "VESPERAN -> LUMBRIX", "ProcessCombo8", "IntoVesperan_XY", "RUN1 V(1,3,src,2); RUN2 L(csrs,LLG,)", "new-file"},
    {9, "ATS77 XY -> NAD83CSRS XY", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo9", "IntoVesperan_XY", VLVx, "UTM_GHOST"},
    {10, "ATS77 EN -> ATS77 LL", "VESPERAN", "ProcessCombo10", "IntoVesperan_EN", "RUN1 V(1,2,src)", "LL_GHOST"},
    {11, "ATS77 EN -> ATS77 XY", "VESPERAN", "ProcessCombo11", "IntoVesperan_EN", "RUN1 V(1,2,src)", "UTM_GHOST"},
    {12, "ATS77 LL -> ATS77 EN", "VESPERAN", "ProcessCombo12", "IntoVesperan_LL", "RUN1 V(1,1,src,1)", "XY_MAP"},
    {13, "ATS77 LL -> ATS77 XY", "VESPERAN", "ProcessCombo13", "IntoVesperan_LL", "RUN1 V(1,1,src,1)", "UTM_GHOST"},
    {14, "ATS77 XY -> ATS77 EN", "VESPERAN", "ProcessCombo14", "IntoVesperan_XY", "RUN1 V(1,3,src,2)", "XY_MAP"},
    {15, "ATS77 XY -> ATS77 LL", "VESPERAN", "ProcessCombo15", "IntoVesperan_XY", "RUN1 V(1,3,src,2)", "LL_GHOST"},
    {16, "NAD83CSRS EN -> ATS77 EN", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo16", "IntoVesperan_EN", VLVe, "XY_MAP"},
    {17, "NAD83CSRS EN -> ATS77 LL", "VESPERAN -> LUMBRIX", "ProcessCombo17", "IntoVesperan_EN", "RUN1 V(2,2,src); RUN2 L(csrs,LLG,D)", "new-file"},
    {18, "NAD83CSRS EN -> ATS77 XY", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo18", "IntoVesperan_EN", VLVe, "UTM_GHOST"},
    {19, "NAD83CSRS LL -> ATS77 EN", "LUMBRIX -> VESPERAN", "ProcessCombo19", "IntoLumbrix_LL", LVc, "XY_MAP"},
    {20, "NAD83CSRS LL -> ATS77 LL", "LUMBRIX", "ProcessCombo20", "IntoLumbrix_LL", "RUN1 L(csrs,src,ISD)", "new-file"},
    {21, "NAD83CSRS LL -> ATS77 XY", "LUMBRIX -> VESPERAN", "ProcessCombo21", "IntoLumbrix_LL", LVc, "UTM_GHOST"},
    {22, "NAD83CSRS XY -> ATS77 EN", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo22", "IntoVesperan_XY", VLVc, "XY_MAP"},
    {23, "NAD83CSRS XY -> ATS77 LL", "VESPERAN -> LUMBRIX", "ProcessCombo23", "IntoVesperan_XY", "RUN1 V(2,3,src,2); RUN2 L(csrs,LLG,D)", "new-file"},
    {24, "NAD83CSRS XY -> ATS77 XY", "VESPERAN -> LUMBRIX -> VESPERAN", "ProcessCombo24", "IntoVesperan_XY", VLVc, "UTM_GHOST"},
    {25, "NAD83CSRS EN -> NAD83CSRS LL", "VESPERAN", "ProcessCombo25", "IntoVesperan_EN", "RUN1 V(2,2,src)", "LL_GHOST"},
    {26, "NAD83CSRS EN -> NAD83CSRS XY", "VESPERAN", "ProcessCombo26", "IntoVesperan_EN", "RUN1 V(2,2,src)", "UTM_GHOST"},
    {27, "NAD83CSRS LL -> NAD83CSRS EN", "VESPERAN", "ProcessCombo27", "IntoVesperan_LL", "RUN1 V(2,1,src,1)", "XY_MAP"},
    {28, "NAD83CSRS LL -> NAD83CSRS XY", "VESPERAN", "ProcessCombo28", "IntoVesperan_LL", "RUN1 V(2,1,src,1)", "UTM_GHOST"},
    {29, "NAD83CSRS XY -> NAD83CSRS EN", "VESPERAN", "ProcessCombo29", "IntoVesperan_XY", "RUN1 V(2,3,src,2)", "XY_MAP"},
    {30, "NAD83CSRS XY -> NAD83CSRS LL", "VESPERAN", "ProcessCombo30", "IntoVesperan_XY", "RUN1 V(2,3,src,2)", "LL_GHOST"},
    {31, "NAD27 EN -> NAD83_1989 LL", "QUILLON27 -> LUMBRIX", "ProcessCombo31", "IntoQuillon27_EN", "RUN1 Q(2,EN/LL); QUILLON27toLUMBRIX; RUN2 L(27-83,INPUT1,IS)", "new-file"},
    {32, "NAD27 LL -> NAD83_1989 LL", "LUMBRIX", "ProcessCombo32", "IntoLumbrix_LL", "RUN1 L(27-83,src,IS)", "new-file"},
    {33, "NAD27 EN -> NAD27 LL", "QUILLON27", "ProcessCombo33", "IntoQuillon27_EN", "RUN1 Q(2,EN/LL)", "QUILLON27_LL"},
    {34, "NAD27 LL -> NAD27 EN", "QUILLON27", "ProcessCombo34", "IntoQuillon27_LL", "RUN1 Q(1,EN/LL)", "QUILLON27_EN"},
    {35, "NAD27 XY -> NAD27 EN", "QUILLON27", "Nad27XYtoNad27EN", "IntoQuillon27_XY", "RUN1 Q(4,quillon27 XY)", "QUILLON27_EN"},
    {36, "NAD27 XY -> NAD27 LL", "QUILLON27", "Nad27XYtoNad27LL", "IntoQuillon27_XY", "RUN1 Q(4,quillon27 XY)", "QUILLON27_LL"},
    {37, "NAD27 LL -> NAD27 XY", "QUILLON27", "Nad27LLtoNad27XY", "IntoQuillon27_LL", "RUN1 Q(1,quillon27 XY)", "QUILLON27_XY"},
    {38, "NAD27 EN -> NAD27 XY", "QUILLON27", "Nad27ENtoNad27XY", "IntoQuillon27_EN", "RUN1 Q(2,quillon27 NE)", "QUILLON27_XY"},
    {39, "NAD27 EN -> ATS77 EN", "ORVANDEL", "TransformNad27ToAts77", "IntoTransform_EN", "RUN1 O27(ini)", "TRANSFORM_EN"},
    {40, "NAD27 EN -> ATS77 LL", "ORVANDEL", "TransformNad27ToAts77", "IntoTransform_EN", "RUN1 O27(ini)", "TRANSFORM_LL"},
    {41, "NAD27 LL -> ATS77 EN", "ORVANDEL", "TransformNad27ToAts77", "intoTransform_LL", "RUN1 O27(ini)", "TRANSFORM_EN"},
    {42, "NAD27 LL -> ATS77 LL", "ORVANDEL", "TransformNad27ToAts77", "intoTransform_LL", "RUN1 O27(ini)", "TRANSFORM_LL"},
    {43, "NAD27 XY -> ATS77 EN", "ORVANDEL", "TransformNad27ToAts77", "IntoTransform_XY", "RUN1 O27(ini)", "TRANSFORM_EN"},
    {44, "NAD27 XY -> ATS77 LL", "ORVANDEL", "TransformNad27ToAts77", "IntoTransform_XY", "RUN1 O27(ini)", "TRANSFORM_LL"},
    {45, "ATS77 EN -> NAD27 EN", "ORVANDEL", "TransformAts77ToNad27", "IntoTransform_EN", O77EN, "TRANSFORM_EN"},
    {46, "ATS77 EN -> NAD27 LL", "ORVANDEL", "TransformAts77ToNad27", "IntoTransform_EN", O77EN, "TRANSFORM_LL"},
    {47, "ATS77 LL -> NAD27 EN", "ORVANDEL", "TransformAts77ToNad27", "intoTransform_LL", O77LL, "TRANSFORM_EN"},
    {48, "ATS77 LL -> NAD27 LL", "ORVANDEL", "TransformAts77ToNad27", "intoTransform_LL", O77LL, "TRANSFORM_LL"},
    {49, "NAD27 EN -> NAD83CSRS EN", "ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN", "transformNad27Nad83Csrs", "IntoTransform_EN", OSUB, "sub"},
    {50, "NAD27 EN -> NAD83CSRS LL", "ORVANDEL -> VESPERAN -> LUMBRIX", "transformNad27Nad83Csrs", "IntoTransform_EN", OSUB, "sub"},
    {51, "NAD27 EN -> NAD83CSRS XY", "ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN", "transformNad27Nad83Csrs", "IntoTransform_EN", OSUB, "sub"},
    {52, "NAD27 LL -> NAD83CSRS EN", "ORVANDEL -> LUMBRIX -> VESPERAN", "Nad27LLtoNad83CsrsEN", "intoTransform_LL", OLV, "XY_MAP"},
    {53, "NAD27 LL -> NAD83CSRS LL", "ORVANDEL -> LUMBRIX", "Nad27LLtoNad83CsrsLL", "intoTransform_LL", "RUN1 O27(ini); Orvandel2Lumbrix; RUN1 L(csrs,input2,IS)", "NEW_FILE"},
    {54, "NAD27 LL -> NAD83CSRS XY", "ORVANDEL -> LUMBRIX -> VESPERAN", "Nad27LLtoNad83CsrsXY", "intoTransform_LL", OLV, "UTM_GHOST"},
    {55, "NAD27 XY -> NAD83CSRS LL", "ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN", "transformNad27Nad83Csrs", "IntoTransform_XY", OSUB, "sub"},
    {56, "NAD83CSRS XY -> NAD27 EN", "VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL", "Nad83CSRSXY_Nad27", "IntoVesperan_XY", VLVO, "TRANSFORM_EN"},
    {57, "NAD83CSRS XY -> NAD27 LL", "VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL", "Nad83CSRSXY_Nad27", "IntoVesperan_XY", VLVO, "TRANSFORM_LL"},
    {58, "NAD83CSRS XY -> NAD27 XY", "VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL", "Nad83CSRSXY_Nad27", "IntoVesperan_XY", VLVO, "WriteOutTextTRANSFORM_XY"},
    {59, "NAD83CSRS LL -> NAD27 LL", "LUMBRIX -> ORVANDEL", "Nad83csrsLL2Nad27", "IntoLumbrix_LL", LO, "TRANSFORM_LL"},
    {60, "NAD83CSRS LL -> NAD27 EN", "LUMBRIX -> ORVANDEL", "Nad83csrsLL2Nad27", "IntoLumbrix_LL", LO, "TRANSFORM_EN"},
    {61, "NAD83CSRS EN -> NAD27 LL", "VESPERAN -> LUMBRIX -> ORVANDEL", "Nad83csrsEN2Nad27", "IntoVesperan_EN", VLO, "TRANSFORM_LL"},
    {62, "NAD83CSRS EN -> NAD27 EN", "VESPERAN -> LUMBRIX -> ORVANDEL", "Nad83csrsEN2Nad27", "IntoVesperan_EN", VLO, "TRANSFORM_EN"},
    {63, "NAD27 XY -> NAD83CSRS EN", "ORVANDEL -> LUMBRIX -> VESPERAN", "transformNad27Nad83Csrs", "IntoTransform_XY", OSUB, "sub"},
    {64, "NAD83CSRS EN -> NAD27 XY", "VESPERAN -> LUMBRIX -> ORVANDEL", "Nad83csrsEN2Nad27", "IntoVesperan_EN", VLO, "TRANSFORM_XY"},
};

// --- The rows as listed -----------------------------------------------

TEST(RouteTableTest, HasTheSixtyFourRowsInOrder) {
  auto table = RouteTable();
  ASSERT_EQ(table.size(), 64u);
  for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].number, static_cast<int>(i) + 1);
  EXPECT_EQ(RouteRowNumber(0), nullptr);
  EXPECT_EQ(RouteRowNumber(65), nullptr);
  EXPECT_EQ(RouteRowNumber(17)->number, 17);
}

TEST(RouteTableTest, EveryRowIsTheDescribedRoute) {
  for (const auto& e : kExpected) {
    const RouteRow* row = RouteRowNumber(e.number);
    ASSERT_NE(row, nullptr);
    SCOPED_TRACE("row " + std::to_string(e.number));
    EXPECT_EQ(Combination(*row), e.combination);
    EXPECT_STREQ(row->modules, e.modules);
    EXPECT_STREQ(row->route, e.route);
    EXPECT_STREQ(row->reformName, e.reform);
    EXPECT_EQ(ChainText(*row), e.chain);
    EXPECT_EQ(ReaderText(*row), e.reader);
  }
}

TEST(RouteTableTest, EveryRowIsWellFormed) {
  for (const auto& row : RouteTable()) {
    SCOPED_TRACE("row " + std::to_string(row.number));
    EXPECT_NE(row.reform, nullptr);
    EXPECT_GT(row.stepCount, 0u);
    EXPECT_LE(row.stepCount, kMaxChainSteps);
    int runs = 0;
    for (std::size_t i = 0; i < row.chain().size(); ++i) {
      const ChainStep& s = row.chain()[i];
      if (s.kind == StepKind::Run) {
        ++runs;
        EXPECT_GE(s.position, 1);
        EXPECT_LE(s.position, 3);
      }
      if (s.kind == StepKind::SubRoute) {
        EXPECT_EQ(i + 1, row.chain().size()) << "sub-route ends";
      }
      if (s.kind == StepKind::Convert) {
        EXPECT_NE(s.converter, Converter::None);
      }
    }
    EXPECT_GT(runs, 0);
    // The first program's input is the reformatted file (or the override).
    const ChainStep& first = row.chain()[0];
    if (first.program != Program::ORVANDEL) {
      EXPECT_EQ(first.source, Source::WorkInput);
    }
    // A .NEW input needs a LUMBRIX run before it.
    bool lumbrixRan = false;
    for (const auto& s : row.chain()) {
      if (s.kind == StepKind::Run && s.source == Source::PreviousNew) {
        EXPECT_TRUE(lumbrixRan);
      }
      if (s.kind == StepKind::Convert && s.converter == Converter::NewFileToInput2) {
        EXPECT_TRUE(lumbrixRan);
      }
      if (s.kind == StepKind::Run && s.program == Program::LUMBRIX) lumbrixRan = true;
    }
  }
}

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
  }
}

TEST(RouteTableTest, ModulesLineIsTheWholeReportLine) {
  EXPECT_EQ(ModulesLine(*RouteRowNumber(5)), "*    Modules: LUMBRIX");
  EXPECT_EQ(ModulesLine(*RouteRowNumber(56)),
            "*    Modules: VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL");
}

TEST(RouteTableTest, OnlyRowsOneToFourAcceptTheOverride) {
  for (const auto& row : RouteTable()) EXPECT_EQ(row.acceptsOverride, row.number <= 4) << row.number;
}

TEST(RouteTableTest, RowsFromThirtyNineOnCopyOrvandelsFiles) {
  for (const auto& row : RouteTable()) {
    EXPECT_EQ(row.copiesOrvandelFiles(), row.number >= 39) << row.number;
    EXPECT_EQ(row.runs(Program::ORVANDEL), row.number >= 39) << row.number;
  }
  EXPECT_TRUE(RouteRowNumber(5)->runs(Program::LUMBRIX));
  EXPECT_FALSE(RouteRowNumber(10)->runs(Program::LUMBRIX));
}

TEST(RouteTableTest, ErrorNamesOfTheRoutes) {
  std::map<int, std::pair<std::string, ProcedureKind>> expected;
  for (int n = 1; n <= 38; ++n) expected[n] = {RouteRowNumber(n)->route, ProcedureKind::Processing};
  for (int n = 39; n <= 48; ++n) expected[n] = {"IntoTransform_EN", ProcedureKind::Reformatting};
  for (int n : {49, 50, 51, 55, 63}) expected[n] = {"transformNad27Nad83Csrs", ProcedureKind::Processing};
  for (int n = 52; n <= 54; ++n) expected[n] = {RouteRowNumber(n)->route, ProcedureKind::Processing};
  for (int n = 56; n <= 58; ++n) expected[n] = {"Nad83CSRSXY_Nad27", ProcedureKind::Processing};
  for (int n : {59, 60}) expected[n] = {"Nad83csrsLL2Nad27", ProcedureKind::Processing};
  for (int n : {61, 62, 64}) expected[n] = {"Nad83csrsEN2Nad27", ProcedureKind::Processing};
  ASSERT_EQ(expected.size(), 64u);
  for (const auto& [n, e] : expected) {
    EXPECT_EQ(RouteRowNumber(n)->errorName, e.first) << n;
    EXPECT_EQ(RouteRowNumber(n)->errorKind, e.second) << n;
  }
}

// --- The main window's enabling rules give exactly the table --------------

const std::vector<Datum> kFromDatums{Datum::ATS77, Datum::NAD27, Datum::NAD83};
const std::vector<Datum> kToDatums{Datum::ATS77, Datum::NAD27, Datum::NAD83, Datum::NAD83_1989};
const std::vector<CoordForm> kForms{CoordForm::EN, CoordForm::LL, CoordForm::XY};

bool ToDatumEnabled(Datum from, CoordForm form, Datum to) {
  if (form != CoordForm::XY) return to != Datum::NAD83_1989 || from == Datum::NAD27;
  if (to == Datum::NAD27) return from != Datum::ATS77;
  return to == Datum::ATS77 || to == Datum::NAD83;
}

bool ToFormEnabled(Datum from, CoordForm form, Datum to, CoordForm toForm) {
  const bool enll = toForm != CoordForm::XY;
  switch (to) {
    case Datum::ATS77:
      if (from == Datum::ATS77) return toForm != form;
      if (from == Datum::NAD27) return enll;
      return true;
    case Datum::NAD27:
      if (from == Datum::NAD27) return toForm != form;
      if (from == Datum::ATS77) return enll;
      return enll || form != CoordForm::LL;
    case Datum::NAD83:
      if (from == Datum::NAD83) return toForm != form;
      if (from == Datum::NAD27) return form != CoordForm::XY || enll;
      return true;
    case Datum::NAD83_1989: return toForm == CoordForm::LL;
    case Datum::None: break;
  }
  return false;
}

TEST(RouteTableTest, EnabledCombinationsAreExactlyTheRows) {
  int enabled = 0;
  std::set<int> rowsUsed;
  for (Datum fd : kFromDatums)
    for (CoordForm ff : kForms)
      for (Datum td : kToDatums)
        for (CoordForm tf : kForms) {
          RouteRequest r{fd, ff, td, tf};
          const RouteRow* row = FindRoute(r);
          bool allowed = ToDatumEnabled(fd, ff, td) && ToFormEnabled(fd, ff, td, tf);
          EXPECT_EQ(row != nullptr, allowed)
              << DatumText(fd) << " " << FormText(ff) << " -> " << DatumText(td) << " " << FormText(tf);
          EXPECT_EQ(CombinationSupported(r), allowed);
          if (allowed) ++enabled;
          if (row) {
            EXPECT_TRUE(rowsUsed.insert(row->number).second) << "row used twice";
          }
        }
  EXPECT_EQ(enabled, 64);
  EXPECT_EQ(rowsUsed.size(), 64u);
}

TEST(RouteTableTest, Nad27UtmToNad83UtmIsNotSupported) {
  EXPECT_EQ(FindRoute({Datum::NAD27, CoordForm::XY, Datum::NAD83, CoordForm::XY}), nullptr);
  EXPECT_EQ(FindRoute({}), nullptr);
  EXPECT_EQ(FindRoute({Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::EN}), nullptr);
}

TEST(RouteTableTest, RequestComesFromTheRunsChoices) {
  FrontEndSettings settings;
  RunState run(settings);
  run.fromDatum = Datum::NAD27;
  run.fromForm = CoordForm::LL;
  run.toDatum = Datum::ATS77;
  run.toForm = CoordForm::EN;
  EXPECT_EQ(FindRoute(RequestOf(run))->number, 41);
}

TEST(RouteTableTest, ProgramNamesAndFiles) {
  EXPECT_STREQ(ProgramName(Program::QUILLON27), "QUILLON27");
  EXPECT_EQ(ProgramFile(Program::ORVANDEL), "ORVANDEL.EXE");
  EXPECT_STREQ(DatumText(Datum::NAD83), "NAD83CSRS");
  EXPECT_STREQ(FormText(CoordForm::XY), "XY");
}

}  // namespace
}  // namespace kartovex
