// Whole ORVANDEL runs (dialogue, station input, transformation, output
// files) through large models; prints stations per second and the peak
// resident memory after each run.
//
//   orvandel_run_bench                 all runs
//   orvandel_run_bench --benchmark_filter=Residuals
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>

#include "orvandel/run_orvandel.h"
#include "transform/coefficient_file.h"

namespace {

namespace fs = std::filesystem;

// The screen of a batch run goes nowhere.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A New Brunswick model of the given size with control stations spread
// over the unit disk.
orvandel::CoefficientModel benchModel(int stations, int degree, double correlation) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::normal_distribution<double> residual(0.0, 0.3);
  orvandel::CoefficientModel m;
  m.header.degree = degree;
  m.header.direction = 1;
  m.header.correlation = correlation;
  m.header.originLat = 46.5;
  m.header.originLon = 66.4;
  m.header.latScale = 0.45;
  m.header.lonScale = 0.3;
  m.header.latDivisor = 1.0;
  m.header.lonDivisor = 1.0;
  for (int k = 0; k <= degree; ++k) m.coefficients.emplace_back(0.3 / (k + 1), -0.2 / (k + 1));
  for (int j = 0; j < stations; ++j) {
    const double r = std::sqrt(unit(rng)), a = 2.0 * M_PI * unit(rng);
    m.control.u.push_back(r * std::cos(a));
    m.control.v.push_back(r * std::sin(a));
    m.control.residualLat.push_back(residual(rng));
    m.control.residualLon.push_back(residual(rng));
    m.control.weight.push_back(1.0);
  }
  m.header.stationCount = stations;
  return m;
}

// Stations of New Brunswick in the "ORVANDEL FORMAT" layout.
void writeStations(const std::string& path, long long count) {
  std::ofstream out(path);
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> lat(45.3, 47.8), lon(64.5, 68.0);
  char line[96];
  for (long long i = 0; i < count; ++i) {
    const double la = lat(rng), lo = lon(rng);
    const int ld = static_cast<int>(la), lm = static_cast<int>((la - ld) * 60);
    const int od = static_cast<int>(lo), om = static_cast<int>((lo - od) * 60);
    std::snprintf(line, sizeof line, "  P%-8lld %2d %2d %8.5f %2d %2d %8.5f %9.3f\n", i % 100000000,
                  ld, lm, ((la - ld) * 60 - lm) * 60, od, om, ((lo - od) * 60 - om) * 60, 10.0);
    out << line;
  }
}

struct Setup {
  fs::path dir;
  Setup(long long stations, const orvandel::CoefficientModel& model) {
    std::string templ = (fs::temp_directory_path() / "orvandel-bench-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) throw std::runtime_error("mkdtemp");
    dir = templ;
    fs::create_directories(dir / "DATAFILE");
    orvandel::writeCoefficientFile((dir / "DATAFILE" / "TRNB2777.DAT").string(), model);
    writeStations((dir / "INPUT.DAT").string(), stations);
    setenv("DATAFILE", (dir / "DATAFILE").c_str(), 1);
    setenv("ORVANDEL_DATE", "07-DEC-2026", 1);
  }
  ~Setup() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

void runStations(benchmark::State& state, long long stations,
                 const orvandel::CoefficientModel& model) {
  Setup setup(stations, model);
  NullBuffer null;
  std::ostream screen(&null);
  for (auto _ : state) {
    std::istringstream answers("1\n1\nBENCHMARK\nY\nF\nINPUT.DAT\n1\n\n");
    std::ostringstream errors;
    const int status = orvandel::runOrvandel(answers, screen, errors, setup.dir);
    if (status != 0) state.SkipWithError(errors.str().c_str());
  }
  state.counters["stations_per_s"] =
      benchmark::Counter(static_cast<double>(stations) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["peak_kB"] = static_cast<double>(peakKilobytes());
  std::printf("# %lld stations, %d control stations, degree %d: peak memory %ld kB\n", stations,
              model.header.stationCount, model.header.degree, peakKilobytes());
}

void Residuals100kControl2000Degree5(benchmark::State& state) {
  runStations(state, 100000, benchModel(2000, 5, 0.1));
}

void NoResiduals100k(benchmark::State& state) { runStations(state, 100000, benchModel(0, 5, 0.0)); }

void NoResiduals1M(benchmark::State& state) { runStations(state, 1000000, benchModel(0, 5, 0.0)); }

BENCHMARK(Residuals100kControl2000Degree5)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(NoResiduals100k)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(NoResiduals1M)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
