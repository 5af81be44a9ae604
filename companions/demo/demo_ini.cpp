#include "demo_ini.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "demo_extents.h"
#include "platform/start_program.h"

namespace demo {
namespace {

std::string number(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

void section(std::string& out, const std::string& name, const std::vector<KeyValue>& keys) {
  out += '[';
  out += name;
  out += "]\n";
  for (const auto& [k, v] : keys) out += k + "=" + v + "\n";
  out += "\n";
}

// The first of the usual viewers that exists, so the HELP button works.
std::string viewer() {
  for (const char* p : {"/usr/bin/xdg-open", "/usr/bin/sensible-browser", "/usr/bin/firefox"})
    if (std::filesystem::exists(p)) return p;
  return "/usr/bin/xdg-open";
}

}  // namespace

const std::vector<KeyValue>& gridShiftFiles() {
  static const std::vector<KeyValue> files = {
      {"NS GRID SHIFT 77 - 83 (89)", "NS7783.GSB"},  {"PEI GRID SHIFT 77 - 83 (89)", "PE7783.GSB"},
      {"NB GRID SHIFT 77 - 83 (89)", "NB7783.GSB"},  {"NS GRID SHIFT 77 - 83 csrs", "NS77CS.GSB"},
      {"PEI GRID SHIFT 77 - 83 csrs", "PE77CS.GSB"}, {"NB GRID SHIFT 77 - 83 csrs", "NB77CS.GSB"},
      {"NB GRID SHIFT 27 - 83 (89)", "NB2783.GSB"},  {"NS GRID SHIFT 27 - 83 (89)", "NS2783.GSB"},
      {"PEI GRID SHIFT 27 - 83 (89)", "PE2783.GSB"}};
  return files;
}

std::vector<KeyValue> centralMeridians() {
  std::vector<KeyValue> keys;
  const char* utm[] = {"69.0", "63.0", "57.0"};
  for (int z = 19; z <= 21; ++z)
    keys.push_back({std::string("NB Central Meridian ") + std::to_string(z), utm[z - 19]});
  for (int z = 19; z <= 21; ++z)
    keys.push_back({std::string("PEI Central Meridian ") + std::to_string(z), utm[z - 19]});
  for (int z = 19; z <= 21; ++z)
    keys.push_back(
        {std::string("NS ") + std::to_string(z) + " Central Meridian transform", utm[z - 19]});
  for (int z = 19; z <= 21; ++z)
    keys.push_back(
        {std::string("NS ") + std::to_string(z) + " Central Meridian quillon27", utm[z - 19]});
  keys.push_back({"NS 4 Central Meridian quillon27 MTM", "61.5"});
  keys.push_back({"NS 5 Central Meridian quillon27 MTM", "64.5"});
  keys.push_back({"NS 21 Central Meridian", "57.0"});
  return keys;
}

bool iniText(const std::string& root, std::string& out, std::string& error) {
  out.clear();
  std::vector<KeyValue> setup = {
      {"LANGUAGE", "ENGLISH"},
      {"Province Code", "NB"},
      {"MTM Zone", "4"},
      {"UTM Zone", "19"},
      {"Title String English", "Kartovex - Maritime Coordinate Conversions (demonstration)"},
      {"Title String French",
       "Kartovex - Conversions de coordonnées des Maritimes (démonstration)"},
      {"Help Format", "HTML"},
      {"EN order", "EN"},
      {"Delimeter", ","},
      {"Extra Text", "FALSE"},
      {"Display Extra Text", "FALSE"},
      {"Extent Logging", "Log File"},
      {"Report file extension", "*.REP"},
      {"Input file extension", "*.TXT"},
  };
  for (auto& kv : centralMeridians()) setup.push_back(kv);
  section(out, "SETUP", setup);

  section(out, "PATH",
          {{"ROOT", root},
           {"BIN", "BIN/"},
           {"WORKING", root + "WORKING/"},
           {"INPUT", root + "INPUT/"},
           {"OUTPUT", root + "OUTPUT/"},
           {"EDITOR", kartovex::FolderOnPath("xdg-open", "/usr/bin/")},
           {"PDF READER", viewer()}});

  std::vector<KeyValue> files = {
      {"EDITOR", "xdg-open"}, {"HELP", "KARTOVEX_EN.HTM"}, {"French HELP", "KARTOVEX_FR.HTM"}};
  for (auto& kv : gridShiftFiles()) files.push_back(kv);
  files.push_back({"Transform NS 27 to 77", "TRNS2777.DAT"});
  files.push_back({"Transform NS 77 to 27", "TRNS7727.DAT"});
  files.push_back({"Transform PEI 27 to 77", "TRPE2777.DAT"});
  files.push_back({"Transform PEI 77 to 27", "TRPE7727.DAT"});
  section(out, "FILE", files);

  for (Region r : allRegions()) {
    const std::string prefix = sectionPrefix(r);
    const GeoExtent g = geographicExtent(r);
    section(out, prefix + " LAT_LONG",
            {{"NE_LAT", number(g.neLat, 2)},
             {"NE_LON", number(g.neLon, 2)},
             {"SW_LAT", number(g.swLat, 2)},
             {"SW_LON", number(g.swLon, 2)}});
    for (Datum d : {Datum::NAD83, Datum::ATS77, Datum::NAD27}) {
      GridExtent e;
      if (!gridExtent(r, d, e, error)) return false;
      section(out, prefix + " " + datumName(d),
              {{"NE_EAST", number(e.neEast, 1)},
               {"NE_NORTH", number(e.neNorth, 1)},
               {"SW_EAST", number(e.swEast, 1)},
               {"SW_NORTH", number(e.swNorth, 1)}});
    }
  }
  return true;
}

}  // namespace demo
