#pragma once
// The answer files of the console programs: templates V, L, Q, O27 and O77.
// Each returns the lines in order (WriteAnswerFile adds the CR LF).

#include <string>
#include <vector>

#include "core/settings.h"
#include "input/run_state.h"
#include "messages/messages.h"
#include "routes/route_table.h"

namespace kartovex {

// "1" NB, "2" NS, "3" PEI; with ats77ToNad27 "4", "5", "6" (ORVANDEL).
std::string ProvinceNumber(const ProvinceSetting& province, bool ats77ToNad27 = false);

// V: the datum, the input form and its file, and the record layout (not
// asked for grid input).
std::vector<std::string> VesperanAnswers(const FrontEndSettings& settings, VesperanDatum datum,
                                         VesperanInput input, const std::string& src,
                                         VesperanLayout layout);

// L(grid, src, flags, base); flags is a string of flag letters ("IS", "ISD",
// "D", ""); base ends with ".".
std::vector<std::string> LumbrixAnswers(const std::string& grid, const std::string& src,
                                        const std::string& flags, const std::string& base);

// Q: the input form and the central meridian lines.
std::vector<std::string> Quillon27Answers(const FrontEndSettings& settings,
                                          MessageService& messages, Quillon27Input input,
                                          Meridian meridian);

// O27 in the "ini" (fixed = false) or "fixed" variant, for the from form.
std::vector<std::string> Orvandel27Answers(const FrontEndSettings& settings,
                                           MessageService& messages, CoordForm from, bool fixed);

// O77(f, title, data); form EN, LL or XY (UTM).
std::vector<std::string> Orvandel77Answers(const FrontEndSettings& settings, CoordForm form,
                                           const std::string& title, const std::string& data);

}  // namespace kartovex
