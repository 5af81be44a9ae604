#include "routes/route_table.h"

#include <initializer_list>
#include <vector>

#include "runner/work_files.h"
#include "writers/geographic_writers.h"
#include "writers/grid_writers.h"
#include "writers/utm_writers.h"

namespace kartovex {

const ProgramFiles& FilesOf(Program program) {
  using namespace workfiles;
  static const ProgramFiles vesperan{kVesperanOutputs, {}, {}, nullptr};
  static const ProgramFiles quillon27{kQuillon27Outputs, {}, {}, nullptr};
  static const ProgramFiles orvandel{kOrvandelOutputs, kOrvandelScratch, {}, nullptr};
  static const ProgramFiles lumbrix{{}, {}, kLumbrixOutputExtensions, kLumbrixMissed};
  switch (program) {
    case Program::VESPERAN: return vesperan;
    case Program::QUILLON27: return quillon27;
    case Program::ORVANDEL: return orvandel;
    case Program::LUMBRIX: break;
  }
  return lumbrix;
}

const char* ProgramName(Program program) {
  switch (program) {
    case Program::VESPERAN: return "VESPERAN";
    case Program::LUMBRIX: return "LUMBRIX";
    case Program::QUILLON27: return "QUILLON27";
    case Program::ORVANDEL: return "ORVANDEL";
  }
  return "";
}

std::string ProgramFile(Program program) { return std::string(ProgramName(program)) + ".EXE"; }

bool RouteRow::runs(Program program) const {
  for (const auto& step : chain()) {
    if (step.kind == StepKind::Run && step.program == program) return true;
  }
  return false;
}

bool RouteRow::runsLumbrix() const {
  for (const auto& step : chain()) {
    if (step.kind == StepKind::SubRoute) return true;
  }
  return runs(Program::LUMBRIX);
}

namespace {

using D = Datum;
using F = CoordForm;

ChainStep V(int position, VesperanDatum datum, VesperanInput input, Source src,
            VesperanLayout layout = VesperanLayout::None) {
  ChainStep s;
  s.position = position;
  s.program = Program::VESPERAN;
  s.answers = Template::V;
  s.vesperanDatum = datum;
  s.vesperanInput = input;
  s.vesperanLayout = layout;
  s.source = src;
  return s;
}

ChainStep L(int position, GridShift grid, Source src, const char* flags) {
  ChainStep s;
  s.position = position;
  s.program = Program::LUMBRIX;
  s.answers = Template::L;
  s.lumbrixFlags = flags;
  s.source = src;
  s.grid = grid;
  return s;
}

ChainStep Q(Quillon27Input input, Meridian meridian) {
  ChainStep s;
  s.position = 1;
  s.program = Program::QUILLON27;
  s.answers = Template::Q;
  s.quillon27Input = input;
  s.source = Source::WorkInput;
  s.meridian = meridian;
  return s;
}

ChainStep O27(bool fixed) {
  ChainStep s;
  s.position = 1;
  s.program = Program::ORVANDEL;
  s.answers = fixed ? Template::O27Fixed : Template::O27Ini;
  return s;
}

ChainStep O77(int position, CoordForm f, const char* title, const char* data) {
  ChainStep s;
  s.position = position;
  s.program = Program::ORVANDEL;
  s.answers = Template::O77;
  s.orvandelForm = f;
  s.title = title;
  s.data = data;
  return s;
}

ChainStep Convert(Converter converter) {
  ChainStep s;
  s.kind = StepKind::Convert;
  s.converter = converter;
  return s;
}

ChainStep Kind(StepKind kind) {
  ChainStep s;
  s.kind = kind;
  return s;
}

struct Reform {
  const char* name;
  ReformRoutine routine;
};
constexpr Reform kVesperanEN{"IntoVesperan_EN", &IntoVesperan_EN};
constexpr Reform kVesperanLL{"IntoVesperan_LL", &IntoVesperan_LL};
constexpr Reform kVesperanXY{"IntoVesperan_XY", &IntoVesperan_XY};
constexpr Reform kLumbrixLL{"IntoLumbrix_LL", &IntoLumbrix_LL};
constexpr Reform kQuillon27EN{"IntoQuillon27_EN", &IntoQuillon27_EN};
constexpr Reform kQuillon27LL{"IntoQuillon27_LL", &IntoQuillon27_LL};
constexpr Reform kQuillon27XY{"IntoQuillon27_XY", &IntoQuillon27_XY};
constexpr Reform kTransformEN{"IntoTransform_EN", &IntoTransform_EN};
constexpr Reform kTransformLL{"intoTransform_LL", &intoTransform_LL};
constexpr Reform kTransformXY{"IntoTransform_XY", &IntoTransform_XY};

struct Reader {
  ReaderKind kind;
  const char* mode;
};
constexpr Reader kXyMap{ReaderKind::Mode, "XY_MAP"};
constexpr Reader kUtmGhost{ReaderKind::Mode, "UTM_GHOST"};
constexpr Reader kLlGhost{ReaderKind::Mode, "LL_GHOST"};
constexpr Reader kNewFile{ReaderKind::NewFile, ""};
constexpr Reader kNewFileAlways{ReaderKind::Mode, "NEW_FILE"};
constexpr Reader kQuillon27LLr{ReaderKind::Mode, "QUILLON27_LL"};
constexpr Reader kQuillon27ENr{ReaderKind::Mode, "QUILLON27_EN"};
constexpr Reader kQuillon27XYr{ReaderKind::Mode, "QUILLON27_XY"};
constexpr Reader kTransformENr{ReaderKind::Mode, "TRANSFORM_EN"};
constexpr Reader kTransformLLr{ReaderKind::Mode, "TRANSFORM_LL"};
constexpr Reader kTransformXYr{ReaderKind::Mode, "TRANSFORM_XY"};
constexpr Reader kTransformXyOut{ReaderKind::TransformXyOut, ""};
// The reader of the sub-route (rows 49-51, 55, 63).
constexpr Reader kSubRoute{ReaderKind::Mode, ""};

RouteRow Row(int number, D fd, F ff, D td, F tf, const char* modules, const char* route,
             Reform reform, std::initializer_list<ChainStep> steps, Reader reader,
             const char* errorName = nullptr, ProcedureKind errorKind = ProcedureKind::Processing) {
  RouteRow row;
  row.number = number;
  row.fromDatum = fd;
  row.fromForm = ff;
  row.toDatum = td;
  row.toForm = tf;
  row.modules = modules;
  row.route = route;
  row.reformName = reform.name;
  row.reform = reform.routine;
  row.acceptsOverride = number >= 1 && number <= 4;
  for (const auto& step : steps) {
    if (row.stepCount < kMaxChainSteps) row.steps[row.stepCount++] = step;
  }
  row.reader = reader.kind;
  row.readerMode = reader.mode;
  row.errorName = errorName ? errorName : route;
  row.errorKind = errorKind;
  return row;
}

constexpr GridShift csrs = GridShift::Csrs;
constexpr GridShift g2783 = GridShift::Nad27To83_89;
constexpr Source src = Source::WorkInput;
constexpr Source inputDat = Source::WorkInput;
constexpr Source llGhost = Source::BinLlGhost;
constexpr Source newFile = Source::PreviousNew;
constexpr VesperanDatum ats = VesperanDatum::Ats77;
constexpr VesperanDatum csrsDatum = VesperanDatum::Nad83Csrs;
constexpr VesperanInput geo = VesperanInput::Geographic;
constexpr VesperanInput grid = VesperanInput::Grid;
constexpr VesperanInput utm = VesperanInput::Utm;
constexpr VesperanLayout ownRecords = VesperanLayout::Vesperan;
constexpr VesperanLayout newRecords = VesperanLayout::LumbrixNew;
constexpr VesperanLayout utmRecords = VesperanLayout::Utm;

constexpr const char* kVLV = "VESPERAN -> LUMBRIX -> VESPERAN";
constexpr const char* kVL = "VESPERAN -> LUMBRIX";
constexpr const char* kLV = "LUMBRIX -> VESPERAN";
constexpr const char* kVLVO = "VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL";
constexpr const char* kVLO = "VESPERAN -> LUMBRIX -> ORVANDEL";
constexpr const char* kOLV = "ORVANDEL -> LUMBRIX -> VESPERAN";
constexpr const char* kOVLV = "ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN";
constexpr const char* k77to27 = "Kartovex ATS77 -> NAD27 ";
constexpr const char* kCsrsTo27 = "Kartovex NAD83 CSRS -> NAD27 ";

std::vector<RouteRow> BuildTable() {
  using workfiles::kProgramInput;
  using workfiles::kSecondInput;
  const auto vlvAts = {V(1, ats, grid, src), L(2, csrs, llGhost, ""),
                       V(3, csrsDatum, geo, newFile, newRecords)};
  const auto vlAts = {V(1, ats, grid, src), L(2, csrs, llGhost, "")};
  const auto vlvAtsXy = {V(1, ats, utm, inputDat, utmRecords), L(2, csrs, llGhost, ""),
                         V(3, csrsDatum, geo, newFile, newRecords)};
  const auto vlvCsrsEn = {V(1, csrsDatum, grid, inputDat), L(2, csrs, llGhost, "D"),
                          V(3, ats, geo, newFile, newRecords)};
  const auto lvCsrs = {L(1, csrs, inputDat, "ISD"), V(2, ats, geo, newFile, newRecords)};
  const auto vlvCsrsXy = {V(1, csrsDatum, utm, inputDat, utmRecords), L(2, csrs, llGhost, "D"),
                          V(3, ats, geo, newFile, newRecords)};
  const auto orvSub = {O27(true), Kind(StepKind::OrvandelOutcome), Kind(StepKind::SubRoute)};
  const auto orvLumbrixVesperan = {O27(false), Convert(Converter::Orvandel2Lumbrix),
                                   L(1, csrs, Source::BinInput2, "IS"),
                                   V(2, csrsDatum, geo, newFile, newRecords)};
  const auto vlvo = {V(1, csrsDatum, utm, inputDat, utmRecords), L(2, csrs, llGhost, "D"),
                     V(3, ats, geo, newFile, newRecords), Convert(Converter::Vesperan2TransformErr),
                     O77(1, F::EN, kCsrsTo27, kSecondInput)};
  const auto lo = {L(1, csrs, inputDat, "ISD"), Convert(Converter::NewFileToInput2),
                   O77(1, F::LL, k77to27, kSecondInput)};
  const auto vlo = {V(1, csrsDatum, grid, inputDat), L(2, csrs, llGhost, "D"),
                    Convert(Converter::NewFileToInput2), O77(3, F::LL, k77to27, kSecondInput)};
  const char* t27 = "TransformNad27ToAts77";
  const char* t77 = "TransformAts77ToNad27";
  const char* t2783 = "transformNad27Nad83Csrs";
  const char* eTransform = "IntoTransform_EN";
  const auto R = ProcedureKind::Reformatting;

  return {
      Row(1, D::ATS77, F::EN, D::NAD83, F::EN, kVLV, "ProcessCombo1", kVesperanEN, vlvAts, kXyMap),
      Row(2, D::ATS77, F::EN, D::NAD83, F::LL, kVL, "ProcessCombo2", kVesperanEN, vlAts, kNewFile),
      Row(3, D::ATS77, F::EN, D::NAD83, F::XY, kVLV, "ProcessCombo3", kVesperanEN, vlvAts,
          kUtmGhost),
      Row(4, D::ATS77, F::LL, D::NAD83, F::EN, kLV, "ProcessCombo4", kLumbrixLL,
          {L(1, csrs, src, "IS"), V(2, csrsDatum, geo, newFile, newRecords)}, kXyMap),
      Row(5, D::ATS77, F::LL, D::NAD83, F::LL, "LUMBRIX", "ProcessCombo5", kLumbrixLL,
          {L(1, csrs, inputDat, "IS")}, kNewFile),
      Row(6, D::ATS77, F::LL, D::NAD83, F::XY, kLV, "ProcessCombo6", kLumbrixLL,
          {L(1, csrs, inputDat, "IS"), V(2, csrsDatum, geo, newFile, newRecords)}, kUtmGhost),
      Row(7, D::ATS77, F::XY, D::NAD83, F::EN, kVLV, "ProcessCombo7", kVesperanXY, vlvAtsXy,
          kXyMap),
      Row(8, D::ATS77, F::XY, D::NAD83, F::LL, kVL, "ProcessCombo8", kVesperanXY,
          {V(1, ats, utm, inputDat, utmRecords), L(2, csrs, llGhost, "")}, kNewFile),
      Row(9, D::ATS77, F::XY, D::NAD83, F::XY, kVLV, "ProcessCombo9", kVesperanXY, vlvAtsXy,
          kUtmGhost),
      Row(10, D::ATS77, F::EN, D::ATS77, F::LL, "VESPERAN", "ProcessCombo10", kVesperanEN,
          {V(1, ats, grid, inputDat)}, kLlGhost),
      Row(11, D::ATS77, F::EN, D::ATS77, F::XY, "VESPERAN", "ProcessCombo11", kVesperanEN,
          {V(1, ats, grid, inputDat)}, kUtmGhost),
      Row(12, D::ATS77, F::LL, D::ATS77, F::EN, "VESPERAN", "ProcessCombo12", kVesperanLL,
          {V(1, ats, geo, inputDat, ownRecords)}, kXyMap),
      Row(13, D::ATS77, F::LL, D::ATS77, F::XY, "VESPERAN", "ProcessCombo13", kVesperanLL,
          {V(1, ats, geo, inputDat, ownRecords)}, kUtmGhost),
      Row(14, D::ATS77, F::XY, D::ATS77, F::EN, "VESPERAN", "ProcessCombo14", kVesperanXY,
          {V(1, ats, utm, inputDat, utmRecords)}, kXyMap),
      Row(15, D::ATS77, F::XY, D::ATS77, F::LL, "VESPERAN", "ProcessCombo15", kVesperanXY,
          {V(1, ats, utm, inputDat, utmRecords)}, kLlGhost),
      Row(16, D::NAD83, F::EN, D::ATS77, F::EN, kVLV, "ProcessCombo16", kVesperanEN, vlvCsrsEn,
          kXyMap),
      Row(17, D::NAD83, F::EN, D::ATS77, F::LL, kVL, "ProcessCombo17", kVesperanEN,
          {V(1, csrsDatum, grid, inputDat), L(2, csrs, llGhost, "D")}, kNewFile),
      Row(18, D::NAD83, F::EN, D::ATS77, F::XY, kVLV, "ProcessCombo18", kVesperanEN, vlvCsrsEn,
          kUtmGhost),
      Row(19, D::NAD83, F::LL, D::ATS77, F::EN, kLV, "ProcessCombo19", kLumbrixLL, lvCsrs, kXyMap),
      Row(20, D::NAD83, F::LL, D::ATS77, F::LL, "LUMBRIX", "ProcessCombo20", kLumbrixLL,
          {L(1, csrs, inputDat, "ISD")}, kNewFile),
      Row(21, D::NAD83, F::LL, D::ATS77, F::XY, kLV, "ProcessCombo21", kLumbrixLL, lvCsrs,
          kUtmGhost),
      Row(22, D::NAD83, F::XY, D::ATS77, F::EN, kVLV, "ProcessCombo22", kVesperanXY, vlvCsrsXy,
          kXyMap),
      Row(23, D::NAD83, F::XY, D::ATS77, F::LL, kVL, "ProcessCombo23", kVesperanXY,
          {V(1, csrsDatum, utm, inputDat, utmRecords), L(2, csrs, llGhost, "D")}, kNewFile),
      Row(24, D::NAD83, F::XY, D::ATS77, F::XY, kVLV, "ProcessCombo24", kVesperanXY, vlvCsrsXy,
          kUtmGhost),
      Row(25, D::NAD83, F::EN, D::NAD83, F::LL, "VESPERAN", "ProcessCombo25", kVesperanEN,
          {V(1, csrsDatum, grid, inputDat)}, kLlGhost),
      Row(26, D::NAD83, F::EN, D::NAD83, F::XY, "VESPERAN", "ProcessCombo26", kVesperanEN,
          {V(1, csrsDatum, grid, inputDat)}, kUtmGhost),
      Row(27, D::NAD83, F::LL, D::NAD83, F::EN, "VESPERAN", "ProcessCombo27", kVesperanLL,
          {V(1, csrsDatum, geo, inputDat, ownRecords)}, kXyMap),
      Row(28, D::NAD83, F::LL, D::NAD83, F::XY, "VESPERAN", "ProcessCombo28", kVesperanLL,
          {V(1, csrsDatum, geo, inputDat, ownRecords)}, kUtmGhost),
      Row(29, D::NAD83, F::XY, D::NAD83, F::EN, "VESPERAN", "ProcessCombo29", kVesperanXY,
          {V(1, csrsDatum, utm, inputDat, utmRecords)}, kXyMap),
      Row(30, D::NAD83, F::XY, D::NAD83, F::LL, "VESPERAN", "ProcessCombo30", kVesperanXY,
          {V(1, csrsDatum, utm, inputDat, utmRecords)}, kLlGhost),
      Row(31, D::NAD27, F::EN, D::NAD83_1989, F::LL, "QUILLON27 -> LUMBRIX", "ProcessCombo31",
          kQuillon27EN,
          {Q(Quillon27Input::Grid, Meridian::EnLl), Convert(Converter::Quillon27ToLumbrix),
           L(2, g2783, Source::WorkInput1, "IS")},
          kNewFile),
      Row(32, D::NAD27, F::LL, D::NAD83_1989, F::LL, "LUMBRIX", "ProcessCombo32", kLumbrixLL,
          {L(1, g2783, inputDat, "IS")}, kNewFile),
      Row(33, D::NAD27, F::EN, D::NAD27, F::LL, "QUILLON27", "ProcessCombo33", kQuillon27EN,
          {Q(Quillon27Input::Grid, Meridian::EnLl)}, kQuillon27LLr),
      Row(34, D::NAD27, F::LL, D::NAD27, F::EN, "QUILLON27", "ProcessCombo34", kQuillon27LL,
          {Q(Quillon27Input::Geographic, Meridian::EnLl)}, kQuillon27ENr),
      Row(35, D::NAD27, F::XY, D::NAD27, F::EN, "QUILLON27", "Nad27XYtoNad27EN", kQuillon27XY,
          {Q(Quillon27Input::Utm, Meridian::Quillon27Xy)}, kQuillon27ENr),
      Row(36, D::NAD27, F::XY, D::NAD27, F::LL, "QUILLON27", "Nad27XYtoNad27LL", kQuillon27XY,
          {Q(Quillon27Input::Utm, Meridian::Quillon27Xy)}, kQuillon27LLr),
      Row(37, D::NAD27, F::LL, D::NAD27, F::XY, "QUILLON27", "Nad27LLtoNad27XY", kQuillon27LL,
          {Q(Quillon27Input::Geographic, Meridian::Quillon27Xy)}, kQuillon27XYr),
      Row(38, D::NAD27, F::EN, D::NAD27, F::XY, "QUILLON27", "Nad27ENtoNad27XY", kQuillon27EN,
          {Q(Quillon27Input::Grid, Meridian::Quillon27Ne)}, kQuillon27XYr),
      Row(39, D::NAD27, F::EN, D::ATS77, F::EN, "ORVANDEL", t27, kTransformEN, {O27(false)},
          kTransformENr, eTransform, R),
      Row(40, D::NAD27, F::EN, D::ATS77, F::LL, "ORVANDEL", t27, kTransformEN, {O27(false)},
          kTransformLLr, eTransform, R),
      Row(41, D::NAD27, F::LL, D::ATS77, F::EN, "ORVANDEL", t27, kTransformLL, {O27(false)},
          kTransformENr, eTransform, R),
      Row(42, D::NAD27, F::LL, D::ATS77, F::LL, "ORVANDEL", t27, kTransformLL, {O27(false)},
          kTransformLLr, eTransform, R),
      Row(43, D::NAD27, F::XY, D::ATS77, F::EN, "ORVANDEL", t27, kTransformXY, {O27(false)},
          kTransformENr, eTransform, R),
      Row(44, D::NAD27, F::XY, D::ATS77, F::LL, "ORVANDEL", t27, kTransformXY, {O27(false)},
          kTransformLLr, eTransform, R),
      Row(45, D::ATS77, F::EN, D::NAD27, F::EN, "ORVANDEL", t77, kTransformEN,
          {O77(1, F::EN, k77to27, kProgramInput)}, kTransformENr, eTransform, R),
      Row(46, D::ATS77, F::EN, D::NAD27, F::LL, "ORVANDEL", t77, kTransformEN,
          {O77(1, F::EN, k77to27, kProgramInput)}, kTransformLLr, eTransform, R),
      Row(47, D::ATS77, F::LL, D::NAD27, F::EN, "ORVANDEL", t77, kTransformLL,
          {O77(1, F::LL, k77to27, kProgramInput)}, kTransformENr, eTransform, R),
      Row(48, D::ATS77, F::LL, D::NAD27, F::LL, "ORVANDEL", t77, kTransformLL,
          {O77(1, F::LL, k77to27, kProgramInput)}, kTransformLLr, eTransform, R),
      Row(49, D::NAD27, F::EN, D::NAD83, F::EN, kOVLV, t2783, kTransformEN, orvSub, kSubRoute),
      Row(50, D::NAD27, F::EN, D::NAD83, F::LL, "ORVANDEL -> VESPERAN -> LUMBRIX", t2783,
          kTransformEN, orvSub, kSubRoute),
      Row(51, D::NAD27, F::EN, D::NAD83, F::XY, kOVLV, t2783, kTransformEN, orvSub, kSubRoute),
      Row(52, D::NAD27, F::LL, D::NAD83, F::EN, kOLV, "Nad27LLtoNad83CsrsEN", kTransformLL,
          orvLumbrixVesperan, kXyMap),
      Row(53, D::NAD27, F::LL, D::NAD83, F::LL, "ORVANDEL -> LUMBRIX", "Nad27LLtoNad83CsrsLL",
          kTransformLL,
          {O27(false), Convert(Converter::Orvandel2Lumbrix), L(1, csrs, Source::BinInput2, "IS")},
          kNewFileAlways),
      Row(54, D::NAD27, F::LL, D::NAD83, F::XY, kOLV, "Nad27LLtoNad83CsrsXY", kTransformLL,
          orvLumbrixVesperan, kUtmGhost),
      Row(55, D::NAD27, F::XY, D::NAD83, F::LL, kOVLV, t2783, kTransformXY, orvSub, kSubRoute),
      Row(56, D::NAD83, F::XY, D::NAD27, F::EN, kVLVO, "Nad83CSRSXY_Nad27", kVesperanXY, vlvo,
          kTransformENr),
      Row(57, D::NAD83, F::XY, D::NAD27, F::LL, kVLVO, "Nad83CSRSXY_Nad27", kVesperanXY, vlvo,
          kTransformLLr),
      Row(58, D::NAD83, F::XY, D::NAD27, F::XY, kVLVO, "Nad83CSRSXY_Nad27", kVesperanXY, vlvo,
          kTransformXyOut),
      Row(59, D::NAD83, F::LL, D::NAD27, F::LL, "LUMBRIX -> ORVANDEL", "Nad83csrsLL2Nad27",
          kLumbrixLL, lo, kTransformLLr),
      Row(60, D::NAD83, F::LL, D::NAD27, F::EN, "LUMBRIX -> ORVANDEL", "Nad83csrsLL2Nad27",
          kLumbrixLL, lo, kTransformENr),
      Row(61, D::NAD83, F::EN, D::NAD27, F::LL, kVLO, "Nad83csrsEN2Nad27", kVesperanEN, vlo,
          kTransformLLr),
      Row(62, D::NAD83, F::EN, D::NAD27, F::EN, kVLO, "Nad83csrsEN2Nad27", kVesperanEN, vlo,
          kTransformENr),
      Row(63, D::NAD27, F::XY, D::NAD83, F::EN, kOLV, t2783, kTransformXY, orvSub, kSubRoute),
      Row(64, D::NAD83, F::EN, D::NAD27, F::XY, kVLO, "Nad83csrsEN2Nad27", kVesperanEN, vlo,
          kTransformXYr),
  };
}

}  // namespace

std::span<const RouteRow> RouteTable() {
  static const std::vector<RouteRow> table = BuildTable();
  return table;
}

const RouteRow* RouteRowNumber(int n) {
  auto table = RouteTable();
  if (n < 1 || static_cast<std::size_t>(n) > table.size()) return nullptr;
  return &table[static_cast<std::size_t>(n) - 1];
}

RouteRequest RequestOf(const RunState& run) {
  return {run.fromDatum, run.fromForm, run.toDatum, run.toForm};
}

const RouteRow* FindRoute(const RouteRequest& r) {
  for (const auto& row : RouteTable()) {
    if (row.fromDatum == r.fromDatum && row.fromForm == r.fromForm && row.toDatum == r.toDatum &&
        row.toForm == r.toForm)
      return &row;
  }
  return nullptr;
}

const RouteRow* SubRouteOf(const RouteRow& row) {
  switch (row.toForm) {
    case CoordForm::EN: return RouteRowNumber(1);
    case CoordForm::LL: return RouteRowNumber(2);
    default: return RouteRowNumber(3);
  }
}

bool CombinationSupported(const RouteRequest& request) { return FindRoute(request) != nullptr; }

std::string ModulesLine(const RouteRow& row) { return ModulesLine(row.modules); }

}  // namespace kartovex
