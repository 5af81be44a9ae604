// Routes end to end with 100,000 points on a private copy of the demo
// installation: one route through ORVANDEL (NAD27 Lat,Long -> ATS77
// East,North) and one three-program chain (ATS77 East,North -> NAD83 (CSRS)
// East,North: VESPERAN -> LUMBRIX -> VESPERAN). Reports the wall time, the
// front end's own CPU while it waits for a program (against the programs'
// CPU), and how long Cancel takes to end a run.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "core/settings.h"
#include "mainwindow/main_window_model.h"
#include "messages/messages.h"
#include "startup/startup.h"

namespace {

namespace fs = std::filesystem;
using kartovex::CoordForm;
using kartovex::Datum;
using Clock = std::chrono::steady_clock;

constexpr int kPoints = 100000;

class QuietSink : public kartovex::MessageSink {
 public:
  void critical(const std::string& title, const std::string& text) override {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  }
  bool askYesNo(const std::string&, const std::string&, bool) override { return false; }
  void information(const std::string&, const std::string&) override {}
};

double CpuSeconds(int who) {
  rusage u{};
  getrusage(who, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double Since(Clock::time_point t) {
  return std::chrono::duration<double>(Clock::now() - t).count();
}

// The demo installation copied once into a temporary directory, with its
// KARTOVEX.INI pointing there and the two large input files.
class BenchInstallation {
 public:
  static BenchInstallation& get() {
    static BenchInstallation installation;
    return installation;
  }
  bool ok() const { return ok_; }
  const std::string& root() const { return root_; }
  ~BenchInstallation() {
    std::error_code ec;
    if (!temp_.empty()) fs::remove_all(temp_, ec);
  }

 private:
  BenchInstallation() {
    std::string pattern = (fs::temp_directory_path() / "KartovexBench_XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    temp_ = pattern;
    root_ = temp_ + "/Demo/";
    std::error_code ec;
    fs::copy(KARTOVEX_DEMO_ROOT, root_, fs::copy_options::recursive, ec);
    if (ec) return;
    std::ifstream in(root_ + "KARTOVEX.INI", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string ini = text.str();
    // The installation's own root as its [PATH] ROOT names it.
    const auto key = ini.find("\nROOT=");
    if (key == std::string::npos) return;
    const std::string from = ini.substr(key + 6, ini.find_first_of("\r\n", key + 6) - key - 6);
    if (from.empty()) return;
    for (size_t at = ini.find(from); at != std::string::npos;
         at = ini.find(from, at + root_.size()))
      ini.replace(at, from.size(), root_);
    std::ofstream(root_ + "KARTOVEX.INI", std::ios::binary | std::ios::trunc) << ini;
    ::setenv("DATAFILE", (root_ + "DATAFILE/").c_str(), 1);

    // New Brunswick points well inside its extents and the demo grids.
    std::mt19937 random(27);
    std::uniform_real_distribution<double> lat(45.5, 47.5), lon(64.8, 68.0), east(150000, 450000),
        north(650000, 900000);
    std::ofstream ll(root_ + "INPUT/BIG_LL.TXT", std::ios::binary),
        en(root_ + "INPUT/BIG_EN77.TXT", std::ios::binary);
    char line[128];
    for (int i = 0; i < kPoints; ++i) {
      auto dms = [](double deg, char* out, size_t n) {
        const long units = std::lround(deg * 3600.0 * 1e5);
        std::snprintf(out, n, "%02ld,%02ld,%08.5f", units / 360000000L,
                      (units % 360000000L) / 6000000L, static_cast<double>(units % 6000000L) / 1e5);
      };
      char la[32], lo[32];
      dms(lat(random), la, sizeof la);
      dms(lon(random), lo, sizeof lo);
      std::snprintf(line, sizeof line, "P%06d,%s,%s\r\n", i, la, lo);
      ll << line;
      std::snprintf(line, sizeof line, "P%06d,%.3f,%.3f\r\n", i, east(random), north(random));
      en << line;
    }
    ok_ = static_cast<bool>(ll) && static_cast<bool>(en);
  }

  std::string temp_, root_;
  bool ok_ = false;
};

struct RunFigures {
  bool completed = false;
  double wall = 0;            // PROCESS, seconds
  double selfCpu = 0;         // the front end, whole PROCESS
  double childCpu = 0;        // the console programs
  double waitWall = 0;        // time spent in the wait loop
  double waitCpu = 0;         // the front end's CPU in the wait loop
  double cancelLatency = -1;  // seconds from Cancel to the end of PROCESS
  long lines = 0;             // lines of the data text file written
};

long CountLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  long n = 0;
  std::string line;
  while (std::getline(in, line)) ++n;
  return n;
}

// One PROCESS; cancelAfter > 0 sets the cancel flag from another thread, as
// Ctrl-C does, that many seconds after the start.
RunFigures RunRoute(Datum fd, CoordForm ff, Datum td, CoordForm tf, const std::string& input,
                    double cancelAfter) {
  BenchInstallation& inst = BenchInstallation::get();
  RunFigures f;
  QuietSink sink;
  kartovex::FrontEndSettings settings;
  kartovex::MessageService messages(settings, sink);
  kartovex::StartupOutputs outputs;
  if (!kartovex::StartUp(settings, messages, outputs, inst.root())) return f;
  kartovex::MainWindowModel model(settings, messages);
  model.Loaded(outputs);
  auto& c = model.choices();
  c.chooseFromDatum(fd);
  c.chooseFromForm(ff);
  c.chooseToDatum(td);
  c.chooseToForm(tf);
  c.setInputFromFile(true);
  c.typeInputFile(inst.root() + "INPUT/" + input);

  // Consecutive pump calls belong to one wait: the CPU between them is the
  // front end's cost of waiting.
  Clock::time_point lastPump{};
  double lastCpu = 0;
  model.setEventPump([&] {
    const auto now = Clock::now();
    const double cpu = CpuSeconds(RUSAGE_SELF);
    if (lastPump != Clock::time_point{} && now - lastPump < std::chrono::milliseconds(200)) {
      f.waitWall += std::chrono::duration<double>(now - lastPump).count();
      f.waitCpu += cpu - lastCpu;
    }
    lastPump = now;
    lastCpu = cpu;
  });

  std::atomic<bool> done{false};
  std::atomic<long long> cancelledAt{0};
  std::thread canceller;
  const auto start = Clock::now();
  if (cancelAfter > 0) {
    canceller = std::thread([&] {
      while (!done.load() && Since(start) < cancelAfter)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      if (done.load()) return;
      cancelledAt.store(Clock::now().time_since_epoch().count());
      model.runControl().Cancel();
    });
  }
  const double self0 = CpuSeconds(RUSAGE_SELF), child0 = CpuSeconds(RUSAGE_CHILDREN);
  f.completed = model.Process() == kartovex::ProcessResult::Completed;
  const auto end = Clock::now();
  done.store(true);
  if (canceller.joinable()) canceller.join();
  f.wall = std::chrono::duration<double>(end - start).count();
  if (f.completed) f.lines = CountLines(settings.workDir + "OUTPUT.TXT");
  f.selfCpu = CpuSeconds(RUSAGE_SELF) - self0;
  f.childCpu = CpuSeconds(RUSAGE_CHILDREN) - child0;
  if (const long long at = cancelledAt.load())
    f.cancelLatency =
        std::chrono::duration<double>(end.time_since_epoch() - Clock::duration(at)).count();
  return f;
}

void Report(benchmark::State& state, const char* name, const RunFigures& f) {
  state.SetIterationTime(f.wall);
  state.counters["points"] = kPoints;
  state.counters["completed"] = f.completed ? 1 : 0;
  state.counters["lines_out"] = static_cast<double>(f.lines);
  state.counters["wall_s"] = f.wall;
  state.counters["fe_cpu_s"] = f.selfCpu;
  state.counters["programs_cpu_s"] = f.childCpu;
  state.counters["fe_wait_cpu_pct"] = f.waitWall > 0 ? 100.0 * f.waitCpu / f.waitWall : 0;
  if (f.cancelLatency >= 0) state.counters["cancel_ms"] = f.cancelLatency * 1000.0;
  std::printf(
      "%s: completed=%d lines=%ld wall=%.3f s front-end CPU=%.3f s programs CPU=%.3f s, waiting "
      "%.3f s with %.2f %% "
      "of one core%s\n",
      name, f.completed, f.lines, f.wall, f.selfCpu, f.childCpu, f.waitWall,
      f.waitWall > 0 ? 100.0 * f.waitCpu / f.waitWall : 0.0,
      f.cancelLatency >= 0
          ? (", cancel took " + std::to_string(f.cancelLatency * 1000.0) + " ms").c_str()
          : "");
}

void BM_OrvandelRoute(benchmark::State& state) {
  if (!BenchInstallation::get().ok()) {
    state.SkipWithError("no demo installation");
    return;
  }
  for (auto _ : state)
    Report(state, "ORVANDEL route",
           RunRoute(Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN, "BIG_LL.TXT", 0));
}

void BM_ThreeProgramChain(benchmark::State& state) {
  if (!BenchInstallation::get().ok()) {
    state.SkipWithError("no demo installation");
    return;
  }
  for (auto _ : state)
    Report(state, "three-program chain",
           RunRoute(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN, "BIG_EN77.TXT", 0));
}

// Cancel while the chain's programs run (half a second after PROCESS).
void BM_CancelThreeProgramChain(benchmark::State& state) {
  if (!BenchInstallation::get().ok()) {
    state.SkipWithError("no demo installation");
    return;
  }
  for (auto _ : state)
    Report(state, "cancelled chain",
           RunRoute(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN, "BIG_EN77.TXT", 0.5));
}

BENCHMARK(BM_OrvandelRoute)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeProgramChain)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CancelThreeProgramChain)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
