// 100,000 points through QUILLON27: New Brunswick Lat,Long to East,North
// (forward routines only) and East,North to Lat,Long (inverse refined
// against the forward routines).
#include <cstdio>

#include "quillon27_bench.h"

int main() {
  using namespace companion_bench;
  constexpr int kPoints = 100000;
  const auto dir = makeTempDir();

  std::vector<std::string> geographic;
  std::vector<std::string> grid;
  for (int i = 0; i < kPoints; ++i) {
    const double lat = 45.2 + 2.6 * (i % 997) / 997.0;
    const double lon = 64.2 + 3.6 * (i % 991) / 991.0;
    char id[16];
    std::snprintf(id, sizeof id, "P%d", i);
    geographic.push_back(dms(lat, false) + dms(lon, false) + id);
    char line[64];
    std::snprintf(line, sizeof line, "%-8s%-12.3f%.3f", id, 700000.0 + 7.0 * (i % 97331),
                  650000.0 + 8.0 * (i % 91193));
    grid.push_back(line);
  }
  writeLines(dir / "LL.DAT", geographic);
  writeLines(dir / "EN.DAT", grid);
  writeLines(dir / "Q_LL.TXT", {"1", "1", "69.0", "N", "Y", (dir / "LL.DAT").string(), "Y"});
  writeLines(dir / "Q_EN.TXT", {"1", "2", "69.0", "N", "Y", (dir / "EN.DAT").string(), "Y"});

  int failures = 0;
  failures += report("QUILLON27 NB Lat,Long -> East,North", kPoints,
                     runTimed(QUILLON27_EXE, dir, dir / "Q_LL.TXT"));
  failures += report("QUILLON27 NB East,North -> Lat,Long", kPoints,
                     runTimed(QUILLON27_EXE, dir, dir / "Q_EN.TXT"));
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return failures;
}
