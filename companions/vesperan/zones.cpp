#include "vesperan/zones.h"

#include <cmath>

#include "geodesy/grids.h"

namespace vesperan {

int mtmZoneFromEasting(Datum datum, double easting) {
  // ATS77 zones 4 and 5 have false eastings of 4 500 000 and 5 500 000 m;
  // the NAD83 (CSRS) MTM NS 1997 zones 10 000 000 m more.
  const double offset = datum == Datum::Ats77 ? 0.0 : 10000000.0;
  const double zone4 = offset + geodesy::kNovaScotiaZone4.fe;
  const double zone5 = offset + geodesy::kNovaScotiaZone5.fe;
  return std::fabs(easting - zone4) <= std::fabs(easting - zone5) ? 4 : 5;
}

Grid provinceGrid(Province province, int mtmZone) {
  switch (province) {
    case Province::NewBrunswick: return Grid::NewBrunswick;
    case Province::PrinceEdwardIsland: return Grid::PrinceEdwardIsland;
    case Province::NovaScotia: break;
  }
  return mtmZone == 5 ? Grid::NovaScotiaMtm5 : Grid::NovaScotiaMtm4;
}

}  // namespace vesperan
