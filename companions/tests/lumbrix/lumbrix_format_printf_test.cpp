// LUMBRIX's records, built without printf, against the printf formats its
// files have always had, including the values only a damaged grid gives.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "lumbrix_format.h"

namespace {

std::string angleText(double value) {
  const lumbrix::Dms d = lumbrix::toDms(value);
  char deg[16], buf[48];
  std::snprintf(deg, sizeof deg, "%s%d", d.negative ? "-" : "", d.degrees);
  std::snprintf(buf, sizeof buf, "%3s %02d %08.5f", deg, d.minutes, d.seconds);
  return buf;
}

std::string expectedNew(int sequence, const std::string& id, double lat, double lon,
                        std::optional<double> acc) {
  char seq[16];
  std::snprintf(seq, sizeof seq, "%5d ", sequence % 100000);
  std::string line = seq;
  const std::string shown = id.substr(0, 9);
  line += std::string(shown.size() >= 9 ? 0 : 9 - shown.size(), ' ') + shown;
  line.resize(39, ' ');
  line += angleText(lat) + " " + angleText(lon);
  if (acc) {
    char buf[32];
    std::snprintf(buf, sizeof buf, " %9.3f", *acc);
    line += buf;
  }
  return line;
}

std::string expectedListing(int sequence, const lumbrix::Point& p, double lat, double lon,
                            std::optional<double> acc) {
  char buf[256];
  std::snprintf(buf, sizeof buf, "%5d %-9s %16.11f %16.11f %16.11f %16.11f %10.5f %10.5f", sequence,
                p.id.c_str(), p.latDeg, p.lonWestDeg, lat, lon, (lat - p.latDeg) * 3600.0,
                (lon - p.lonWestDeg) * 3600.0);
  std::string line = buf;
  if (acc) {
    std::snprintf(buf, sizeof buf, " %9.3f", *acc);
    line += buf;
  }
  return line;
}

TEST(LumbrixRecordsAsPrintf, OrdinaryAndExtremeValues) {
  const double lats[] = {45.0836, -13.4, 0.0, -0.0000001, 89.99999999, 0.5 / 3600.0};
  const double lons[] = {66.12, -1.5, 179.999999999, 359.0, 0.0};
  const std::optional<double> accuracies[] = {std::nullopt, 0.177, 0.0, 123456.789, 1e30, -2.5};
  const int sequences[] = {1, 99999, 100000, 1234567};
  int n = 0;
  for (double lat : lats) {
    for (double lon : lons) {
      for (const auto& acc : accuracies) {
        const int seq = sequences[n++ % 4];
        const lumbrix::Point p{n % 3 ? "P" + std::to_string(n) : std::string("ABCDEFGHI"),
                               lat - 0.001, lon + 0.002};
        EXPECT_EQ(lumbrix::newRecord(seq, p.id, lat, lon, acc),
                  expectedNew(seq, p.id, lat, lon, acc));
        EXPECT_EQ(lumbrix::listingRecord(seq, p, lat, lon, acc),
                  expectedListing(seq, p, lat, lon, acc));
      }
    }
  }
}

TEST(LumbrixRecordsAsPrintf, ListingStopsAtTheBufferAndAtANul) {
  lumbrix::Point p{std::string("P1\0X", 4), 1e200, -1e200};
  EXPECT_EQ(lumbrix::listingRecord(7, p, 1e250, -1e250, 1e40),
            expectedListing(7, p, 1e250, -1e250, 1e40));
  char buf[160];
  std::snprintf(buf, sizeof buf, "%5d %-9s %16.11f %16.11f  OUTSIDE GRID - NOT SHIFTED", 7,
                p.id.c_str(), p.latDeg, p.lonWestDeg);
  EXPECT_EQ(lumbrix::listingMissedRecord(7, p), buf);
  const lumbrix::Point q{"P2", 45.5, 66.25};
  std::snprintf(buf, sizeof buf, "%5d %-9s %16.11f %16.11f  OUTSIDE GRID - NOT SHIFTED", 8,
                q.id.c_str(), q.latDeg, q.lonWestDeg);
  EXPECT_EQ(lumbrix::listingMissedRecord(8, q), buf);
  EXPECT_EQ(lumbrix::missedRecord(8, q),
            expectedNew(8, q.id, q.latDeg, q.lonWestDeg, std::nullopt) + "  OUTSIDE GRID");
}

}  // namespace
