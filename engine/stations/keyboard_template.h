#pragma once
// The record templates shown before keyboard input.
#include <ostream>

namespace orvandel {

inline void showGeographicTemplate(std::ostream& screen) {
    screen << "   STATION     LATITUDE      LONGITUDE    ELEVATION\n"
           << "  XXXXXXXXX DD MM SS.SSSSS DD MM SS.SSSSS EEEE.EEE  (PRESS RETURN TWICE TO END)\n\n";
}

inline void showGridTemplate(std::ostream& screen) {
    screen << "  STATION    NORTHING        EASTING      ELEVATION\n"
           << " XXXXXXXXX NNNNNNNNNN.NNN EEEEEEEEEE.EEE  HHHHH.HHH' (PRESS RETURN TWICE TO END)\n";
}

}  // namespace orvandel
