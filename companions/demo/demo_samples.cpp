#include "demo_samples.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "demo_projection.h"
#include "province_outline.h"

namespace demo {
namespace {

std::string fileStem(Region r) {
  switch (r) {
    case Region::NB: return "NB";
    case Region::NS4: return "NS4";
    case Region::NS5: return "NS5";
    case Region::PEI: break;
  }
  return "PEI";
}

const char* datumTag(Datum d) {
  switch (d) {
    case Datum::NAD83: return "83";
    case Datum::ATS77: return "77";
    case Datum::NAD27: break;
  }
  return "27";
}

// The front end takes coordinates of at most 11 characters: the eight-digit
// Nova Scotia values keep two decimals.
std::string coordinate(double v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.3f", v);
  if (std::string(buf).size() > 11) std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

}  // namespace

int sampleUtmZone(Region r) { return r == Region::NB ? 19 : 20; }

std::string dmsFields(double degrees) {
  const auto units = static_cast<int64_t>(std::llround(std::fabs(degrees) * 3600.0 * 1e5));
  const int64_t perDegree = 3600LL * 100000, perMinute = 60LL * 100000;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02lld,%02lld,%08.5f", static_cast<long long>(units / perDegree),
                static_cast<long long>((units % perDegree) / perMinute),
                static_cast<double>(units % perMinute) / 1e5);
  return buf;
}

bool sampleFiles(std::vector<SampleFile>& files, std::string& error) {
  files.clear();
  for (Region r : allRegions()) {
    SampleFile ll{fileStem(r) + "_LL.TXT", ""};
    for (const auto& p : places(r))
      ll.text += p.id + "," + dmsFields(p.at.lat) + "," + dmsFields(p.at.lonWest) + "\r\n";
    files.push_back(ll);
    for (Datum d : {Datum::ATS77, Datum::NAD83, Datum::NAD27}) {
      Projector grid;
      if (!grid.open(gridDefinition(r, d), error)) return false;
      SampleFile en{fileStem(r) + "_EN" + datumTag(d) + ".TXT", ""};
      SampleFile xy{fileStem(r) + "_XY" + datumTag(d) + ".TXT", ""};
      for (const auto& p : places(r)) {
        double e = 0, n = 0;
        if (!grid.forward(p.at, e, n)) {
          error = "cannot project " + p.id;
          return false;
        }
        en.text += p.id + "," + coordinate(e) + "," + coordinate(n) + "\r\n";
        const int zone = sampleUtmZone(r);
        if (utmZoneOf(p.at.lonWest) != zone) continue;
        Projector utm;
        if (!utm.open(utmDefinition(zone, d), error) || !utm.forward(p.at, e, n)) {
          error = "cannot project " + p.id + " to UTM";
          return false;
        }
        xy.text +=
            p.id + "," + coordinate(e) + "," + coordinate(n) + "," + std::to_string(zone) + "\r\n";
      }
      files.push_back(en);
      files.push_back(xy);
    }
  }
  return true;
}

}  // namespace demo
