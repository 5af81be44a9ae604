// Writing ORVANDEL's input from a grid text file of 1,000,000 points and
// reading its coordinate file back into the data text file, extra text on.

#include <sys/resource.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/settings.h"
#include "input/extra_text_table.h"
#include "input/run_context.h"
#include "input/run_state.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"
#include "results/write_out_text.h"
#include "writers/grid_writers.h"

namespace {

constexpr long kPoints = 1000000;

double PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// One directory with the input text file and ORVANDEL's coordinate file.
struct Fixture {
  Fixture() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kartovex_bench_XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    const char* made = ::mkdtemp(buf.data());
    root = made ? std::string(made) + "/" : std::string("/tmp/");
    settings.binDir = root;
    settings.workDir = root;
    settings.extentLogging = false;
    settings.extraText = true;
    settings.delimiter = std::string(",");
    settings.extents.ats77 = kartovex::GridExtent{3000000.0, 8000000.0, 1000000.0, 6000000.0};
    run.inputFile = root + "POINTS.TXT";
    run.dataFile = root + "OUTPUT.TXT";
    run.fromDatum = kartovex::Datum::ATS77;
    run.fromForm = kartovex::CoordForm::EN;

    std::ofstream in(run.inputFile, std::ios::binary);
    std::ofstream cord(root + "TRN_CORD.DAT", std::ios::binary);
    char line[128];
    for (long i = 0; i < kPoints; ++i) {
      std::snprintf(line, sizeof line, "P%07ld,%ld.1234,%ld.5,monument %ld\r\n", i,
                    2000000 + i % 900000, 7000000 + i % 500000, i);
      in << line;
      std::snprintf(line, sizeof line, "P%07ld  %11ld.123  %11ld.456     10.000\r\n", i,
                    7000000 + i % 500000, 2000000 + i % 900000);
      cord << line;
    }
  }
  ~Fixture() {
    std::error_code ec;
    std::filesystem::remove(run.inputFile, ec);
    std::filesystem::remove(run.dataFile, ec);
    std::filesystem::remove(root + "TRN_CORD.DAT", ec);
    std::filesystem::remove(root + "INPUT.DAT", ec);
    std::filesystem::remove(root, ec);
  }

  std::string root;
  kartovex::FrontEndSettings settings;
  kartovex::RecordingSink sink;
  kartovex::MessageService messages{settings, sink};
  kartovex::RunState run{settings};
  kartovex::ExtraTextTable extraTexts;
  kartovex::RunContext ctx{settings, messages, run, extraTexts};
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_IntoTransform_EN_1M(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    bool ok = kartovex::IntoTransform_EN(f.ctx);
    if (!ok || !f.sink.messages.empty()) state.SkipWithError("IntoTransform_EN failed");
  }
  state.counters["points"] = static_cast<double>(kPoints);
  state.counters["extra_texts"] = static_cast<double>(f.extraTexts.size());
  state.counters["peak_rss_MB"] = PeakRssMb();
}

void BM_WriteOutText_TRANSFORM_EN_1M(benchmark::State& state) {
  Fixture& f = Shared();
  if (f.extraTexts.size() == 0) kartovex::IntoTransform_EN(f.ctx);
  for (auto _ : state) {
    bool ok = kartovex::WriteOutText(f.ctx, "TRANSFORM_EN");
    if (!ok || !f.sink.messages.empty()) state.SkipWithError("WriteOutText failed");
  }
  state.counters["points"] = static_cast<double>(kPoints);
  state.counters["extra_texts"] = static_cast<double>(f.extraTexts.size());
  state.counters["peak_rss_MB"] = PeakRssMb();
}

BENCHMARK(BM_IntoTransform_EN_1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteOutText_TRANSFORM_EN_1M)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
