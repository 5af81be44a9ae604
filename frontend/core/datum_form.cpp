#include "core/datum_form.h"

namespace kartovex {

const char* DatumText(Datum datum) {
  switch (datum) {
    case Datum::ATS77: return "ATS77";
    case Datum::NAD27: return "NAD27";
    case Datum::NAD83: return "NAD83CSRS";
    case Datum::NAD83_1989: return "NAD83_1989";
    case Datum::None: break;
  }
  return "";
}

const char* FormText(CoordForm form) {
  switch (form) {
    case CoordForm::EN: return "EN";
    case CoordForm::LL: return "LL";
    case CoordForm::XY: return "XY";
    case CoordForm::None: break;
  }
  return "";
}

}  // namespace kartovex
