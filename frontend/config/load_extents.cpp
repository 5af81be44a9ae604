#include "config/load_extents.h"

#include <cmath>
#include <exception>

#include "config/ini_values.h"
#include "platform/decimal_separator.h"

namespace kartovex {

std::string ExtentSectionPrefix(const ProvinceSetting& province, const MtmZoneSetting& mtmZone) {
  if (province == Province::NS) return "NS " + SettingText(mtmZone) + " ";
  return SettingText(province) + " ";
}

bool LoadExtents(FrontEndSettings& settings, MessageService& messages,
                 const ProvinceSetting& province, const MtmZoneSetting& mtmZone,
                 const std::string& file) {
  try {
    const std::string prefix = ExtentSectionPrefix(province, mtmZone);
    settings.decimalSeparator = DecimalSeparator();
    bool good = true;
    // Reads in the fixed order and stops at the first unusable value.
    auto read = [&](const std::string& section, const char* key, double& target) {
      if (!good) return;
      double value = ReadIniNumber(messages, settings, key, section, file);
      if (std::isnan(value) || value == 0.0 || value == -1.0) {
        good = false;
        return;
      }
      target = value;
    };
    Extents e;
    read(prefix + "LAT_LONG", "NE_LAT", e.latLong.NE_LAT);
    read(prefix + "LAT_LONG", "NE_LON", e.latLong.NE_LON);
    read(prefix + "LAT_LONG", "SW_LAT", e.latLong.SW_LAT);
    read(prefix + "LAT_LONG", "SW_LON", e.latLong.SW_LON);
    struct Grid {
      const char* datum;
      GridExtent* target;
    } grids[] = {{"NAD83", &e.nad83}, {"ATS77", &e.ats77}, {"NAD27", &e.nad27}};
    for (const auto& g : grids) {
      read(prefix + g.datum, "NE_EAST", g.target->NE_EAST);
      read(prefix + g.datum, "NE_NORTH", g.target->NE_NORTH);
      read(prefix + g.datum, "SW_EAST", g.target->SW_EAST);
      read(prefix + g.datum, "SW_NORTH", g.target->SW_NORTH);
    }
    if (!good) {
      messages.ReportProcedureError("LoadExtents", ProcedureKind::ReadingExtents);
      return false;
    }
    settings.extents = e;
    return true;
  } catch (const std::exception&) {
    messages.ReportProcedureError("LoadExtents", ProcedureKind::ReadingExtents);
    return false;
  }
}

}  // namespace kartovex
