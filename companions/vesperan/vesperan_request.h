#pragma once
// VESPERAN's dialogue: what to convert, and from which file.
#include <string>

#include "common/answers.h"

namespace vesperan {

enum class Datum { Ats77, Nad83Csrs };
enum class Province { NewBrunswick, NovaScotia, PrinceEdwardIsland };
enum class InputForm { Geographic, Grid, Utm };

// Layout of a geographic input file (the answer after the file name).
enum class GeographicLayout { None, Vesperan, LumbrixNew };

struct VesperanRequest {
  Datum datum = Datum::Ats77;
  Province province = Province::NewBrunswick;
  InputForm form = InputForm::Grid;
  std::string inputPath;
  GeographicLayout layout = GeographicLayout::None;
};

// The answers in order: an empty line (go on past the title), the datum ("1"
// ATS77, "2" NAD83 (CSRS)), "N" (keep the default options), "Y" (write the
// GHOST files), the province ("1" NB, "2" NS, "3" PEI), the input form ("1"
// Lat,Long, "2" East,North, "3" UTM X,Y), "2" (input from a file), the file's
// full path, the record layout ("1" VESPERAN's own, "2" LUMBRIX's .NEW;
// asked for Lat,Long input, and "2" for UTM input) and "N" (no further run).
// Throws CompanionError naming the answer that does not fit.
VesperanRequest readVesperanRequest(companion::AnswerReader& answers);

}  // namespace vesperan
