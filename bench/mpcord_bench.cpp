// MPCORD forward and inverse per projection code, against the same
// conversions through the reference library. One point per iteration, so
// the reported time is the time per point. After the usual output a table
// gives, per projection code, the CPU time per point of both and their
// ratio (the medians when run with --benchmark_repetitions).
#include <benchmark/benchmark.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "geodesy/mpcord.h"
#include "geodesy/tmerc.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kPoints = 1024;

struct Point {
  double phi, lam, meridn, east, north;
  int zoneIndex;  // which reference projection applies
};

struct Setup {
  std::vector<Point> points;
  std::vector<PJ*> refs;
};

struct Context {
  PJ_CONTEXT* ctx = proj_context_create();
  ~Context() { proj_context_destroy(ctx); }
};

Context& context() {
  static Context c;
  return c;
}

PJ* create(const std::string& def) {
  return proj_create(context().ctx, (def + " +a=6378135 +b=6356750.306 +units=m +no_defs").c_str());
}

std::string stereo(double phi0, double lam0, double fe, double fn) {
  char buf[200];
  std::snprintf(buf, sizeof buf,
                "+proj=sterea +lat_0=%.17g +lon_0=%.17g +k=0.999912 +x_0=%.1f +y_0=%.1f",
                phi0 * 180.0 / kPi, lam0 * 180.0 / kPi, fe, fn);
  return buf;
}

// The province's points for forward code `code`, with their grid values.
const Setup& setupFor(int code) {
  static Setup setups[5];
  Setup& s = setups[code];
  if (!s.points.empty()) return s;
  double lat0 = 44.6, lat1 = 48.0, lon0 = -69.0, lon1 = -64.0;  // New Brunswick
  if (code == 2) {
    lat0 = 43.5, lat1 = 47.0, lon0 = -66.2, lon1 = -60.0;
  } else if (code == 3) {
    lat0 = 45.95, lat1 = 47.05, lon0 = -64.4, lon1 = -62.0;
  } else if (code == 4) {
    lat0 = 43.5, lat1 = 48.0, lon0 = -69.0, lon1 = -59.5;
  }
  switch (code) {
    case 1:
      s.refs = {create(stereo(0.8115781021785567, -1.160643952577936, 300000, 800000))};
      break;
    case 2:
      s.refs = {create("+proj=tmerc +lon_0=-61.5 +k=0.9999 +x_0=4500000"),
                create("+proj=tmerc +lon_0=-64.5 +k=0.9999 +x_0=5500000")};
      break;
    case 3:
      s.refs = {create(stereo(0.8246680715685335, -1.0995574287580447, 700000, 400000))};
      break;
    default:
      s.refs = {create("+proj=utm +zone=19"), create("+proj=utm +zone=20"),
                create("+proj=utm +zone=21")};
      break;
  }
  std::mt19937 gen(1234U + static_cast<unsigned>(code));
  std::uniform_real_distribution<double> lat(lat0, lat1), lon(lon0, lon1);
  for (int i = 0; i < kPoints; ++i) {
    Point p{};
    p.phi = lat(gen) * kPi / 180.0;
    p.lam = lon(gen) * kPi / 180.0;
    if (code == 2) {
      p.zoneIndex = p.lam * 180.0 / kPi > -63.0 ? 0 : 1;
      p.meridn = p.zoneIndex == 0 ? -61.5 : -64.5;
    } else if (code == 4) {
      p.meridn = geodesy::UTMZON(p.lam).centralMeridian * 180.0 / kPi;
      p.zoneIndex = p.meridn < -66.0 ? 0 : (p.meridn < -60.0 ? 1 : 2);
    }
    const PJ_COORD c = proj_trans(s.refs[static_cast<std::size_t>(p.zoneIndex)], PJ_FWD,
                                  proj_coord(p.lam, p.phi, 0, 0));
    p.east = c.xy.x;
    p.north = c.xy.y;
    s.points.push_back(p);
  }
  return s;
}

int forwardCode(int code) { return code > 10 ? code - 10 : code; }

void BM_MPCORD(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  const Setup& s = setupFor(forwardCode(code));
  const bool inverse = code > 10;
  geodesy::ZoneMemory zones;
  std::size_t i = 0;
  for (auto _ : state) {
    const Point& p = s.points[i];
    i = (i + 1) % s.points.size();
    geodesy::MpcordArgs a;
    a.IPROJ = code;
    a.MERIDN = p.meridn;
    if (inverse) {
      a.EAST = p.east;
      a.NORTH = p.north;
    } else {
      a.PHI = p.phi;
      a.LAM = p.lam;
    }
    geodesy::MPCORD(a, zones);
    benchmark::DoNotOptimize(a);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Reference(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  const Setup& s = setupFor(forwardCode(code));
  const bool inverse = code > 10;
  geodesy::ZoneMemory zones;
  std::size_t i = 0;
  for (auto _ : state) {
    const Point& p = s.points[i];
    i = (i + 1) % s.points.size();
    PJ* pj = s.refs[static_cast<std::size_t>(p.zoneIndex)];
    PJ_COORD c = inverse ? proj_trans(pj, PJ_INV, proj_coord(p.east, p.north, 0, 0))
                         : proj_trans(pj, PJ_FWD, proj_coord(p.lam, p.phi, 0, 0));
    benchmark::DoNotOptimize(c);
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_MPCORD)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(11)->Arg(12)->Arg(13)->Arg(14);
BENCHMARK(BM_Reference)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(11)->Arg(12)->Arg(13)->Arg(14);

// The console output, then the per-code comparison of the two.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      const bool ours = run.run_name.function_name == "BM_MPCORD";
      if (!ours && run.run_name.function_name != "BM_Reference") continue;
      const double ns =
          run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      Times& t = times_[run.run_name.args];
      (ours ? (median ? t.oursMedian : t.ours) : (median ? t.refMedian : t.ref)) = ns;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-6s %16s %16s %12s\n", "code", "MPCORD ns/pt", "PROJ ns/pt", "MPCORD/PROJ");
    for (const int code : {1, 2, 3, 4, 11, 12, 13, 14}) {
      const auto it = times_.find(std::to_string(code));
      if (it == times_.end()) continue;
      const Times& t = it->second;
      const double ours = t.oursMedian > 0.0 ? t.oursMedian : t.ours;
      const double ref = t.refMedian > 0.0 ? t.refMedian : t.ref;
      if (ours > 0.0 && ref > 0.0) {
        std::printf("%-6d %16.1f %16.1f %12.2f\n", code, ours, ref, ours / ref);
      } else {
        std::printf("%-6d %16.1f %16.1f %12s\n", code, ours, ref, "-");
      }
    }
    std::fflush(stdout);
  }

 private:
  struct Times {
    double ours = 0.0, ref = 0.0, oursMedian = 0.0, refMedian = 0.0;
  };
  std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
