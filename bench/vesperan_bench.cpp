// 100,000 points through VESPERAN: ATS77 New Brunswick East,North and NAD83
// (CSRS) Nova Scotia Lat,Long, each to all three output files.
#include <cstdio>

#include "quillon27_bench.h"

int main() {
  using namespace companion_bench;
  constexpr int kPoints = 100000;
  const auto dir = makeTempDir();

  std::vector<std::string> grid;
  std::vector<std::string> geographic;
  for (int i = 0; i < kPoints; ++i) {
    char id[16];
    std::snprintf(id, sizeof id, "P%d", i);
    char line[96];
    std::snprintf(line, sizeof line, "%9s%13.3f%13.3f", id, 700000.0 + 3.0 * (i % 97331),
                  250000.0 + 2.0 * (i % 91193));
    grid.push_back(line);
    const double lat = 44.0 + 2.0 * (i % 997) / 997.0;
    const double lon = 60.5 + 5.0 * (i % 991) / 991.0;
    std::snprintf(line, sizeof line, "%9s %s %s", id, dms(lat, true).c_str(),
                  dms(lon, true).c_str());
    geographic.push_back(std::string(line) + " " + (lon > 63.0 ? "64.5" : "61.5"));
  }
  writeLines(dir / "EN.DAT", grid);
  writeLines(dir / "LL.DAT", geographic);
  writeLines(dir / "V_EN.TXT", {"", "1", "N", "Y", "1", "2", "2", (dir / "EN.DAT").string(), "N"});
  writeLines(dir / "V_LL.TXT",
             {"", "2", "N", "Y", "2", "1", "2", (dir / "LL.DAT").string(), "1", "N"});

  int failures = 0;
  failures += report("VESPERAN ATS77 NB East,North", kPoints,
                     runTimed(VESPERAN_EXE, dir, dir / "V_EN.TXT"));
  failures += report("VESPERAN NAD83 (CSRS) NS Lat,Long", kPoints,
                     runTimed(VESPERAN_EXE, dir, dir / "V_LL.TXT"));
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return failures;
}
