#include "results/report_texts.h"

#include "messages/text.h"

namespace kartovex {

std::string ReportDatumText(Datum datum) {
  switch (datum) {
    case Datum::ATS77: return "ATS77";
    case Datum::NAD27: return "NAD27";
    case Datum::NAD83: return "NAD83 (CSRS)";
    case Datum::NAD83_1989: return "NAD83 (1989)";
    case Datum::None: break;
  }
  return std::string();
}

std::string ReportFormText(CoordForm form, bool fromSide, const FrontEndSettings& s) {
  const bool french = MessagesInFrench(s.language);
  const bool ne = s.fieldOrder == "NE";
  switch (form) {
    case CoordForm::EN: {
      std::string text =
          ne ? (french ? "NORD,EST" : "North,East") : (french ? "EST,NORD" : "East,North");
      if (fromSide && s.province == Province::NS) {
        text += " (" + SettingText(s.province) + " MTM zone " + SettingText(s.mtmZone) + ")";
      }
      return text;
    }
    case CoordForm::LL: return "Lat,Long";
    case CoordForm::XY:
      return std::string(ne ? "UTM Y,X" : "UTM X,Y") + " (" + SettingText(s.province) + ")";
    case CoordForm::None: break;
  }
  return std::string();
}

std::string TransformationLine(const RunState& run, const FrontEndSettings& s) {
  return "*    Transformation: " + ReportDatumText(run.fromDatum) + " " +
         ReportFormText(run.fromForm, true, s) + " -> " + ReportDatumText(run.toDatum) + " -> " +
         ReportFormText(run.toForm, false, s);
}

bool InputInFeet(const RunState& run) { return run.fromDatum == Datum::NAD27; }

bool OutputInFeet(const RunState& run) {
  if (run.fromDatum == Datum::NAD27 && run.toDatum == Datum::ATS77) return false;
  if (run.toDatum == Datum::NAD27) return true;
  if (run.fromDatum == Datum::NAD27 && run.toDatum == Datum::NAD83) return false;
  return run.fromDatum == Datum::NAD27;
}

std::string ColumnHeading(CoordForm form, bool ne, bool feet, bool outputSection, bool french) {
  switch (form) {
    case CoordForm::LL:
      return french ? "POINT      LATITUDE         LONGITUDE (O)"
                    : "POINT      LATITUDE         LONGITUDE (W)";
    case CoordForm::XY:
      return ne ? "POINT      Y (m)            X (m)            ZONE"
                : "POINT      X (m)            Y (m)            ZONE";
    case CoordForm::EN:
    case CoordForm::None: break;
  }
  if (!feet) {
    if (ne)
      return french ? "POINT      NORD (m)         EST (m)"
                    : "POINT      NORTHING (m)     EASTING (m)";
    return french ? "POINT      EST (m)          NORD (m)"
                  : "POINT      EASTING (m)      NORTHING (m)";
  }
  if (ne) {
    if (!french) return "POINT      NORTHING(ft)     EASTING(ft)";
    return outputSection ? "POINT      NORD(pi.)        EST(pi.)"
                         : "POINT      NORD (pi.)       EST (pi.)";
  }
  return french ? "POINT      EST(pi.)         NORD(pi.)"
                : "POINT      EASTING(ft)      NORTHING(ft)";
}

}  // namespace kartovex
