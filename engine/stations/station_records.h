#pragma once
// Reading the station input records by columns. Malformed numbers throw
// records::InputConversionError.
#include <string_view>

#include "stations/station.h"

namespace orvandel {

// Geographic keyboard record and "ORVANDEL FORMAT" file record.
GeographicStation parseOrvandelRecord(std::string_view line);

// GHOST geographic file record.
GeographicStation parseGhostRecord(std::string_view line);

GridStation parseGridKeyboardRecord(std::string_view line);
GridStation parseGridFileRecord(std::string_view line);

}  // namespace orvandel
