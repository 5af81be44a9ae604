#pragma once
// The checks and normalisation of one point after splitting.

#include <string>

#include "input/line_fields.h"
#include "messages/messages.h"

namespace kartovex {

// Grid and UTM points (after FormatCoordinate): identifier 1 to 8
// characters, each coordinate 3 to 11 characters.
bool GridPointValid(const std::string& id, const std::string& first, const std::string& second);

// Geographic steps 1 to 5: seconds get a separator, "0" degrees become "00",
// the length checks, minutes padded to 2 and seconds to SS.SSSSS. False when
// the line is invalid; the fields are changed in place.
bool NormaliseGeoFields(GeoFields& fields, const std::string& decimalSeparator);

enum class AngleStatus { Ok, LatMinutes, LatSeconds, LonMinutes, LonSeconds, NotANumber };

struct GeoAngles {
  AngleStatus status = AngleStatus::Ok;
  double latitude = 0.0;   // decimal degrees
  double longitude = 0.0;  // decimal degrees, west positive
};

// Geographic steps 6 and 7 on normalised fields: minutes and seconds below
// 60, then the angles in decimal degrees.
GeoAngles CheckGeoAngles(const GeoFields& fields, const std::string& decimalSeparator);

// The critical message of a minutes or seconds value of 60 or more;
// lineDetail (the line and field, LineDetail()) follows the text.
void ShowAngleError(MessageService& messages, AngleStatus status,
                    const std::string& lineDetail = "");

}  // namespace kartovex
