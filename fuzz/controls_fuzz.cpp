// orvandel-fit's control file: lines up to the first empty one, split with
// the user's delimiter; whatever is read must then fit or be refused, never
// give a model with values that are not finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "fit/control_file.h"
#include "fit/model_fit.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // One byte picks the delimiter, the direction and the degree; the rest is the file.
  const std::uint8_t o = data[0];
  static const char* const delimiters[] = {",", ";", " ", "\t", "|", ", ", "::", "."};
  std::istringstream in(fuzz::asString(data + 1, size - 1));
  std::vector<orvfit::ControlStation> stations;
  std::vector<std::string> errors;
  const bool clean = orvfit::readControls(in, "FUZZ", delimiters[o & 7], stations, errors);
  if (clean != errors.empty()) std::abort();
  for (const auto& s : stations) {
    if (s.name.empty() || s.name.size() > orvfit::kMaxNameLength) std::abort();
    if (!(s.weight > 0.0) || !std::isfinite(s.weight)) std::abort();
    for (double a : {s.nad27Lat, s.nad27Lon, s.ats77Lat, s.ats77Lon})
      if (!(a >= 0.0 && a < 180.0)) std::abort();
  }
  if (stations.size() > 300) return 0;
  orvfit::FitSettings settings;
  settings.direction = (o & 8) ? 2 : 1;
  settings.degree = (o >> 4) % 6;
  settings.correlations = {0.0, 0.05, 0.5};
  orvfit::FitResult fit;
  std::string error;
  if (!orvfit::fitModel(stations, settings, fit, error)) return 0;
  for (const auto& c : fit.model.coefficients)
    if (!std::isfinite(c.real()) || !std::isfinite(c.imag())) std::abort();
  for (const auto& s : fit.stations)
    if (!std::isfinite(s.misfit.real()) || !std::isfinite(s.misfit.imag())) std::abort();
  return 0;
}
