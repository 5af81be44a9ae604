#pragma once
// The front end's one in-memory settings record: filled at start-up from
// KARTOVEX.INI, changed by the setup and options windows, written back at EXIT.

#include <string>

#include "core/settings_types.h"

namespace kartovex {

// Geographic limits of a province, decimal degrees (longitude west positive).
struct GeographicExtent {
  double NE_LAT = 0.0;
  double NE_LON = 0.0;
  double SW_LAT = 0.0;
  double SW_LON = 0.0;
};

// Grid limits of a province on one datum.
struct GridExtent {
  double NE_EAST = 0.0;
  double NE_NORTH = 0.0;
  double SW_EAST = 0.0;
  double SW_NORTH = 0.0;
};

struct Extents {
  GeographicExtent latLong;
  GridExtent nad83;
  GridExtent ats77;
  GridExtent nad27;
};

// One grid-shift key of [FILE] as read for each province, without binDir.
struct PerProvinceFiles {
  std::string nb;
  std::string ns;
  std::string pei;
};

struct FrontEndSettings {
  std::string iniPath;
  std::string lineBreak = "\r\n";

  LanguageSetting language = Language::English;
  ProvinceSetting province = Province::NB;
  MtmZoneSetting mtmZone = MtmZone::Zone4;

  // The UTM zone the current run works with. A UTM text-file run empties it
  // (None) and the writers fill it from the points; see config/utm_zone.h.
  UtmZoneSetting utmZone = UtmZone::Zone19;
  // The UTM zone the user chose (INI or setup window): the value SaveSettings
  // keeps, untouched by what a run does to utmZone.
  UtmZoneSetting utmZoneSetting = UtmZone::Zone19;

  std::string binDir;   // ROOT + BIN, ends with '/'
  std::string workDir;  // ends with '/'
  std::string inputDir;
  std::string outputDir;
  std::string rootDir;  // [PATH] ROOT as read; fallback of the other directories

  std::string editor;          // [PATH] EDITOR + [FILE] EDITOR
  std::string helpFile;        // binDir + [FILE] HELP
  std::string frenchHelpFile;  // binDir + [FILE] French HELP (or the English file)
  std::string helpFormat;      // "PDF" selects the PDF reader
  std::string pdfReader;

  std::string titleEnglish;
  std::string titleFrench;

  std::string fieldOrder = "EN";  // "EN" or "NE"
  std::string delimiter = ",";    // one character; a blank for "' '"
  bool extraText = false;
  bool displayExtraText = false;
  bool extentLogging = true;

  // Files of the current province, each prefixed with binDir.
  std::string gridShift77to83_89;
  std::string gridShift77toCsrs;
  std::string gridShift27to83_89;
  // The raw [FILE] values of all three provinces.
  PerProvinceFiles gridShift77to83_89Files;
  PerProvinceFiles gridShift77toCsrsFiles;
  PerProvinceFiles gridShift27to83_89Files;

  std::string decimalSeparator = ".";
  Extents extents;

  std::string runningMarker;  // workDir + "RUNNING.TXT"
};

}  // namespace kartovex
