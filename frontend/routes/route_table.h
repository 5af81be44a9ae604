#pragma once
// The route table: one declarative row per supported combination of the
// main window's four choices, run by the one chain executor.

#include <cstddef>
#include <span>
#include <string>

#include "input/run_context.h"
#include "input/run_state.h"

namespace kartovex {

enum class Program { VESPERAN, LUMBRIX, QUILLON27, ORVANDEL };

// What a program writes in its current directory binDir (names from
// runner/work_files.h). Before it starts, all of these are removed so that
// no earlier run's file can pass for its result; after it ends, a missing
// output is the failure of its step.
struct ProgramFiles {
  std::span<const char* const> outputs;  // fixed names that must be there afterwards
  std::span<const char* const> scratch;  // its own intermediate files
  // LUMBRIX: base + each of these must be there afterwards (base from its
  // answer file), and base + optionalExtension may be.
  std::span<const char* const> baseOutputs;
  const char* optionalExtension = nullptr;
};
const ProgramFiles& FilesOf(Program program);

// "VESPERAN", ...
const char* ProgramName(Program program);
// "VESPERAN.EXE", ...
std::string ProgramFile(Program program);

// The input data file an answer file names.
enum class Source {
  None,
  WorkInput,    // workDir + "INPUT.DAT", or the input-file override when the row accepts one
  WorkInput1,   // workDir + "INPUT1.DAT"
  BinLlGhost,   // binDir + "LL_GHOST.DAT"
  PreviousNew,  // the .NEW file of the LUMBRIX run before
  BinInput2     // binDir + "input2.dat"
};

enum class Template { V, L, Q, O27Ini, O27Fixed, O77 };

// The grid-shift file of an L answer file.
enum class GridShift { None, Csrs, Nad27To83_89 };

// The central meridian lines of a Q answer file.
enum class Meridian { None, EnLl, Quillon27Xy, Quillon27Ne };

// A converter between two programs of a chain.
enum class Converter {
  None,
  Quillon27ToLumbrix,     // binDir QUILLON27.OUT -> workDir INPUT1.DAT
  Orvandel2Lumbrix,       // binDir Trn_ghst.dat -> binDir input2.dat
  Vesperan2TransformErr,  // binDir XY_MAP.DAT -> binDir INPUT2.DAT
  NewFileToInput2         // LUMBRIX's .NEW file -> binDir INPUT2.DAT
};

enum class StepKind {
  Run,              // one program run with its answer file
  Convert,          // a converter
  OrvandelOutcome,  // transformNad27Nad83Csrs: results label from trn_cord.dat, progress 15
  SubRoute  // route 1, 2 or 3 (to form EN, LL, XY) with the override binDir + "trn_cord.dat"
};

// What VESPERAN is asked: the datum of its coordinates, the form of its
// input and, for geographic and UTM input, the layout of the records.
enum class VesperanDatum { Ats77, Nad83Csrs };
enum class VesperanInput { Geographic, Grid, Utm };
enum class VesperanLayout {
  None,        // grid input: not asked
  Vesperan,    // geographic records in VESPERAN's own layout
  LumbrixNew,  // geographic records of LUMBRIX's .NEW file
  Utm          // UTM records
};

// The form of QUILLON27's input.
enum class Quillon27Input { Geographic, Grid, Utm };

struct ChainStep {
  StepKind kind = StepKind::Run;
  int position = 0;  // RUNn
  Program program = Program::VESPERAN;
  Template answers = Template::V;
  Source source = Source::None;
  // Template V.
  VesperanDatum vesperanDatum = VesperanDatum::Ats77;
  VesperanInput vesperanInput = VesperanInput::Grid;
  VesperanLayout vesperanLayout = VesperanLayout::None;
  // Template L: the grid-shift file and the flag letters in answer order
  // ("ISD", "IS", "D", "").
  GridShift grid = GridShift::None;
  const char* lumbrixFlags = "";
  // Template Q.
  Quillon27Input quillon27Input = Quillon27Input::Grid;
  Meridian meridian = Meridian::None;
  // Template O77: the form of ORVANDEL's input, its title and data file.
  CoordForm orvandelForm = CoordForm::None;
  const char* title = "";
  const char* data = "";  // workfiles::kProgramInput or kSecondInput
  Converter converter = Converter::None;
};

using ReformRoutine = bool (*)(RunContext&);

// How the last program's output becomes the data text file.
enum class ReaderKind {
  Mode,           // WriteOutText(mode)
  NewFile,        // "NOUVEAU_FICHIER" in French, "NEW_FILE" otherwise
  TransformXyOut  // WriteOutTextTRANSFORM_XY
};

inline constexpr std::size_t kMaxChainSteps = 8;

struct RouteRow {
  int number = 0;  // 1 .. 64
  Datum fromDatum = Datum::None;
  CoordForm fromForm = CoordForm::None;
  Datum toDatum = Datum::None;
  CoordForm toForm = CoordForm::None;
  const char* modules = "";     // text after "*    Modules: "
  const char* route = "";       // the route's procedure name
  const char* reformName = "";  // the input reformatting routine
  ReformRoutine reform = nullptr;
  bool acceptsOverride = false;
  ChainStep steps[kMaxChainSteps] = {};
  std::size_t stepCount = 0;
  ReaderKind reader = ReaderKind::Mode;
  const char* readerMode = "";
  const char* errorName = "";  // the name that begins the route's error message
  ProcedureKind errorKind = ProcedureKind::Processing;

  std::span<const ChainStep> chain() const { return {steps, stepCount}; }
  bool runs(Program program) const;
  // ORVANDEL runs in the chain (rows 39 to 64): its coefficient files must
  // be there before the run, and its files are copied to outputDir after.
  bool runsOrvandel() const { return runs(Program::ORVANDEL); }
  // LUMBRIX runs in the chain or in the sub-route (every sub-route runs
  // it): only those rows leave a .NEW file.
  bool runsLumbrix() const;
  bool copiesOrvandelFiles() const { return runsOrvandel(); }
};

// All 64 rows in table order.
std::span<const RouteRow> RouteTable();
// Row n (1 .. 64), nullptr otherwise.
const RouteRow* RouteRowNumber(int n);

struct RouteRequest {
  Datum fromDatum = Datum::None;
  CoordForm fromForm = CoordForm::None;
  Datum toDatum = Datum::None;
  CoordForm toForm = CoordForm::None;
};

RouteRequest RequestOf(const RunState& run);
// The first row that serves the request, nullptr for an unsupported combination.
const RouteRow* FindRoute(const RouteRequest& request);
// The sub-route a SubRoute step runs (transformNad27Nad83Csrs): route 1, 2
// or 3 by the row's to form.
const RouteRow* SubRouteOf(const RouteRow& row);
bool CombinationSupported(const RouteRequest& request);
// The whole "Modules" line of a row (see ModulesLine of run_state.h).
std::string ModulesLine(const RouteRow& row);

}  // namespace kartovex
