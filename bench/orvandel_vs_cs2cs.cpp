// The built orvandel program against PROJ's cs2cs on the same New Brunswick
// points, in one run: wall time of each child process (median of three),
// the ratio, and the peak resident memory of the orvandel child.
//
//   orvandel_vs_cs2cs [--stations N] [--residual-stations N] [--controls N]
//                     [--repeat N] [--cs2cs PATH] [--orvandel PATH] [--keep]
//
// Run 1: N stations (default 1,000,000) without residuals. Run 2: N stations
// (default 100,000) with a model of M control stations (default 2,000).
// cs2cs projects the run-1 points geographic -> NB double stereographic.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "transform/coefficient_file.h"

namespace {

namespace fs = std::filesystem;

#ifndef ORVANDEL_EXE
#define ORVANDEL_EXE "orvandel"
#endif

struct Options {
  long long stations = 1000000;
  long long residualStations = 100000;
  int controls = 2000;
  int repeat = 3;
  std::string cs2cs = "cs2cs";
  std::string orvandel = ORVANDEL_EXE;
  bool keep = false;
};

struct Measurement {
  double seconds = 0.0;
  long maxRssKb = 0;
  int status = -1;
};

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Starts `argv` in `dir` with standard input from `in`, standard output to
// `out` and standard error to `err` (both new files); waits for it. The
// time is the wall time from fork to the child's end, the memory its peak
// resident set.
Measurement runChild(const std::vector<std::string>& argv, const fs::path& dir, const fs::path& in,
                     const fs::path& out, const fs::path& err) {
  std::vector<char*> args;
  std::vector<std::string> copy = argv;
  for (auto& a : copy) args.push_back(a.data());
  args.push_back(nullptr);
  const std::string dirs = dir.string(), ins = in.string(), outs = out.string(),
                    errs = err.string();

  // The files are set up before the clock starts, and the last run's output
  // goes first: truncating a few hundred megabytes is this program's work,
  // not the measured one's, and would land on whichever child comes next.
  std::error_code ec;
  fs::remove(out, ec);
  fs::remove(err, ec);
  const int fin = open(ins.c_str(), O_RDONLY | O_CLOEXEC);
  const int fout = open(outs.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int ferr = open(errs.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fin < 0 || fout < 0 || ferr < 0) throw std::runtime_error("cannot open the child's files");

  const double start = now();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (chdir(dirs.c_str()) != 0) _exit(126);
    dup2(fin, 0);
    dup2(fout, 1);
    dup2(ferr, 2);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(fin);
  close(fout);
  close(ferr);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) throw std::runtime_error("wait4 failed");
  Measurement m;
  m.seconds = now() - start;
  m.maxRssKb = usage.ru_maxrss;
  m.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return m;
}

// The median of `repeat` runs (by time); a failed run ends the benchmark.
Measurement median(int repeat, const char* what, const std::vector<std::string>& argv,
                   const fs::path& dir, const fs::path& in, const fs::path& out,
                   const fs::path& err) {
  std::vector<Measurement> runs;
  for (int i = 0; i < repeat; ++i) {
    const Measurement m = runChild(argv, dir, in, out, err);
    if (m.status != 0) {
      std::fprintf(stderr, "%s failed with status %d (see %s)\n", what, m.status, err.c_str());
      std::exit(1);
    }
    std::printf("  %-34s run %d: %8.3f s  max RSS %7ld kB\n", what, i + 1, m.seconds, m.maxRssKb);
    std::fflush(stdout);
    runs.push_back(m);
  }
  std::sort(runs.begin(), runs.end(),
            [](const Measurement& a, const Measurement& b) { return a.seconds < b.seconds; });
  return runs[runs.size() / 2];
}

// A New Brunswick NAD27 -> ATS77 model with control stations spread over
// the unit disk (none: residuals off).
orvandel::CoefficientModel model(int controls) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::normal_distribution<double> residual(0.0, 0.3);
  orvandel::CoefficientModel m;
  m.header.degree = 5;
  m.header.direction = 1;
  m.header.correlation = controls > 0 ? 0.1 : 0.0;
  m.header.originLat = 46.5;
  m.header.originLon = 66.4;
  m.header.latScale = 0.45;
  m.header.lonScale = 0.3;
  for (int k = 0; k <= 5; ++k) m.coefficients.emplace_back(0.3 / (k + 1), -0.2 / (k + 1));
  for (int j = 0; j < controls; ++j) {
    const double r = std::sqrt(unit(rng)), a = 2.0 * M_PI * unit(rng);
    m.control.u.push_back(r * std::cos(a));
    m.control.v.push_back(r * std::sin(a));
    m.control.residualLat.push_back(residual(rng));
    m.control.residualLon.push_back(residual(rng));
    m.control.weight.push_back(1.0);
  }
  m.header.stationCount = controls;
  return m;
}

void writeFile(const fs::path& path, const std::string& text) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr || std::fwrite(text.data(), 1, text.size(), f) != text.size() ||
      std::fclose(f) != 0)
    throw std::runtime_error("cannot write " + path.string());
}

// Stations of New Brunswick in the "ORVANDEL FORMAT" layout, and the same
// points as "longitude latitude" in decimal degrees (east positive) for cs2cs.
void writeStations(const fs::path& orvandelInput, const fs::path* cs2csInput, long long count) {
  FILE* a = std::fopen(orvandelInput.c_str(), "wb");
  FILE* b = cs2csInput != nullptr ? std::fopen(cs2csInput->c_str(), "wb") : nullptr;
  if (a == nullptr || (cs2csInput != nullptr && b == nullptr))
    throw std::runtime_error("cannot write stations");
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> lat(45.3, 47.8), lon(64.5, 68.0);
  for (long long i = 0; i < count; ++i) {
    const double la = lat(rng), lo = lon(rng);
    const int ld = static_cast<int>(la), lm = static_cast<int>((la - ld) * 60);
    const int od = static_cast<int>(lo), om = static_cast<int>((lo - od) * 60);
    const double ls = ((la - ld) * 60 - lm) * 60, os = ((lo - od) * 60 - om) * 60;
    std::fprintf(a, "  P%-8lld %2d %2d %8.5f %2d %2d %8.5f %9.3f\n", i % 100000000, ld, lm, ls, od,
                 om, os, 10.0);
    if (b != nullptr) {
      std::fprintf(b, "%.9f %.9f 10.0\n", -(od + om / 60.0 + os / 3600.0),
                   ld + lm / 60.0 + ls / 3600.0);
    }
  }
  if (std::fclose(a) != 0 || (b != nullptr && std::fclose(b) != 0))
    throw std::runtime_error("cannot write stations");
}

// A work directory with its own coefficient directory and answers.
fs::path prepare(const fs::path& root, const char* name, int controls) {
  const fs::path dir = root / name;
  fs::create_directories(dir / "DATAFILE");
  if (!orvandel::writeCoefficientFile((dir / "DATAFILE" / "TRNB2777.DAT").string(),
                                      model(controls)))
    throw std::runtime_error("cannot write the coefficient file");
  // Geographic input, NB NAD27 -> ATS77, from the file in ORVANDEL FORMAT.
  writeFile(dir / "ANSWERS", "1\n1\nBENCHMARK\nY\nF\nINPUT.DAT\n1\n\n");
  return dir;
}

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::runtime_error("missing value after " + a);
      return argv[++i];
    };
    if (a == "--stations")
      o.stations = std::stoll(value());
    else if (a == "--residual-stations")
      o.residualStations = std::stoll(value());
    else if (a == "--controls")
      o.controls = std::stoi(value());
    else if (a == "--repeat")
      o.repeat = std::max(1, std::stoi(value()));
    else if (a == "--cs2cs")
      o.cs2cs = value();
    else if (a == "--orvandel")
      o.orvandel = value();
    else if (a == "--keep")
      o.keep = true;
    else
      throw std::runtime_error("unknown argument " + a);
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options o = parse(argc, argv);
    std::string templ = (fs::temp_directory_path() / "orvandel-vs-cs2cs-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    const fs::path root = templ;
    setenv("ORVANDEL_DATE", "07-DEC-2026", 1);

    const fs::path plain = prepare(root, "plain", 0);
    const fs::path residual = prepare(root, "residual", o.controls);
    const fs::path points = root / "points.txt";
    writeStations(plain / "INPUT.DAT", &points, o.stations);
    writeStations(residual / "INPUT.DAT", nullptr, o.residualStations);

    std::printf("orvandel: %s\ncs2cs:    %s\nwork:     %s\n", o.orvandel.c_str(), o.cs2cs.c_str(),
                root.c_str());
    const std::vector<std::string> cs2cs = {o.cs2cs,        "+proj=longlat", "+ellps=GRS80",
                                            "+to",          "+proj=sterea",  "+lat_0=46.5",
                                            "+lon_0=-66.5", "+k=0.999912",   "+x_0=300000",
                                            "+y_0=800000",  "+ellps=GRS80",  "-f",
                                            "%.3f"};

    auto orvandelIn = [&](const fs::path& dir) {
      setenv("DATAFILE", (dir / "DATAFILE").c_str(), 1);
      return median(o.repeat, "orvandel", {o.orvandel}, dir, dir / "ANSWERS", dir / "SCREEN",
                    dir / "ERRORS");
    };

    std::printf("\n%lld stations, no residuals\n", o.stations);
    const Measurement a = orvandelIn(plain);
    const Measurement c =
        median(o.repeat, "cs2cs", cs2cs, root, points, root / "cs2cs.out", root / "cs2cs.err");
    std::printf("\n%lld stations, %d control stations\n", o.residualStations, o.controls);
    const Measurement b = orvandelIn(residual);

    std::printf("\nmedians of %d runs\n", o.repeat);
    std::printf("  cs2cs, %lld points:                     %8.3f s\n", o.stations, c.seconds);
    std::printf("  orvandel, %lld stations:                %8.3f s  ratio %.3f  max RSS %ld kB\n",
                o.stations, a.seconds, a.seconds / c.seconds, a.maxRssKb);
    std::printf("  orvandel, %lld stations, %d controls: %8.3f s  ratio %.3f  max RSS %ld kB\n",
                o.residualStations, o.controls, b.seconds, b.seconds / c.seconds, b.maxRssKb);
    if (!o.keep) {
      std::error_code ec;
      fs::remove_all(root, ec);
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvandel_vs_cs2cs: %s\n", e.what());
    return 1;
  }
}
