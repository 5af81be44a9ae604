// 100,000 points through one LUMBRIX run on a demonstration grid: reading
// the answers and the grid, shifting, writing the .NEW and .LIS files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "lumbrix_run.h"
#include "ntv2_io.h"
#include "ntv2_synthetic.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPoints = 100000;

struct Setup {
  fs::path dir;
  std::string answers;

  Setup() {
    dir = fs::temp_directory_path() / ("lumbrix_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ntv2::File grid;
    std::string error;
    ntv2::syntheticGrid(ntv2::Field::Nad27ToNad83, {43.0, 48.5, 59.5, 69.5, 300}, "DEMO", "DEMO",
                        grid, error);
    ntv2::writeFile((dir / "GRID.GSB").string(), grid, error);
    std::mt19937 gen(3);
    std::uniform_real_distribution<double> sec(0, 59.99999);
    std::uniform_int_distribution<int> lat(44, 47), lon(60, 68), min(0, 59);
    std::ofstream in(dir / "INPUT.DAT", std::ios::binary);
    char line[96];
    for (int i = 0; i < kPoints; ++i) {
      std::snprintf(line, sizeof line, "'P%d',%02d,%02d,%08.5f,%02d,%02d,%08.5f\r\n", i, lat(gen),
                    min(gen), sec(gen), lon(gen), min(gen), sec(gen));
      in << line;
    }
    const std::string base = (dir / "INPUT.").string();
    answers = "Q\r\nG\r\n" + (dir / "GRID.GSB").string() + "\r\nC\r\n" +
              (dir / "INPUT.DAT").string() + "\r\nI\r\nS\r\nA\r\nB\r\nM\r\nX\r\nX\r\n" + base +
              "LIS\r\n" + base + "NEW\r\n" + base + "MIS\r\n\r\nN\r\n";
  }
  ~Setup() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

void BM_LumbrixRun(benchmark::State& state) {
  Setup setup;
  for (auto _ : state) {
    std::istringstream in(setup.answers);
    std::ostringstream err;
    if (lumbrix::run(in, err) != 0) state.SkipWithError(err.str().c_str());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
  state.counters["points_per_second"] = benchmark::Counter(
      static_cast<double>(kPoints), benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(BM_LumbrixRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
