// Fitting 2,000 control stations over New Brunswick at degree 5, with the
// leave-one-out cross-validation over 10 correlation distances.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "fit/control_file.h"
#include "fit/model_fit.h"
#include "transform/datum_shift.h"

namespace {

std::vector<orvfit::ControlStation> controls(int count) {
  std::uint64_t state = 0x2545F4914F6CDD1Dull;
  auto uniform = [&] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  };
  std::vector<orvfit::ControlStation> out;
  for (int i = 0; i < count; ++i) {
    orvfit::ControlStation s;
    s.name = "C" + std::to_string(i + 1);
    s.nad27Lat = 45.1 + 2.8 * uniform();
    s.nad27Lon = 64.0 + 4.6 * uniform();
    double lat = s.nad27Lat, lon = s.nad27Lon;
    orvandel::approximateShift(1, lat, lon);
    const double a = s.nad27Lat - 46.4, b = s.nad27Lon - 66.3;
    s.ats77Lat = lat - (0.36 + 0.04 * std::sin(a) + 0.01 * (uniform() - 0.5)) / 3600.0;
    s.ats77Lon = lon - (-0.47 + 0.03 * std::cos(b) + 0.01 * (uniform() - 0.5)) / 3600.0;
    out.push_back(s);
  }
  return out;
}

void BM_FitDegree5WithCrossValidation(benchmark::State& state) {
  const auto stations = controls(static_cast<int>(state.range(0)));
  orvfit::FitSettings settings;
  settings.degree = 5;
  settings.correlations = orvfit::correlationRange(0.01, 0.5, 10);
  for (auto _ : state) {
    orvfit::FitResult fit;
    std::string error;
    if (!orvfit::fitModel(stations, settings, fit, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(fit.model.coefficients.data());
  }
}
BENCHMARK(BM_FitDegree5WithCrossValidation)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
