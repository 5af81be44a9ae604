#pragma once
// The check of a point against the configured extents. Boundary values
// count as outside.

#include <optional>
#include <string>

#include "core/settings.h"
#include "input/line_fields.h"
#include "input/run_state.h"
#include "messages/text.h"

namespace kartovex {

// Why a point is outside: the message (to be followed by the value) and the
// heading, each in both languages.
struct ExtentRejection {
  Text message;
  Text title;
  std::string value;
};

// The grid limits of a datum (ATS77, NAD27; NAD83 for the others).
const GridExtent& GridExtentOf(const Extents& extents, Datum datum);

std::optional<ExtentRejection> CheckGridExtents(double easting, double northing,
                                                const std::string& eastingText,
                                                const std::string& northingText,
                                                const GridExtent& limits);

std::optional<ExtentRejection> CheckGeoExtents(double latitude, double longitude,
                                               const GeoFields& fields,
                                               const GeographicExtent& limits);

}  // namespace kartovex
