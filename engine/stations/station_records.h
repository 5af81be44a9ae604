#pragma once
// The station input records, each described once as a field table that
// reading and writing both follow. Malformed numbers throw
// records::InputConversionError.
#include <string>
#include <string_view>

#include "stations/station.h"

namespace orvandel {

// Geographic keyboard record and "ORVANDEL FORMAT" file record.
GeographicStation parseOrvandelRecord(std::string_view line);

// GHOST geographic file record.
GeographicStation parseGhostRecord(std::string_view line);

GridStation parseGridKeyboardRecord(std::string_view line);
GridStation parseGridFileRecord(std::string_view line);

// The same records written, as a keyboard or a file would give them.
std::string formatOrvandelRecord(const GeographicStation& s);
std::string formatGhostRecord(const GeographicStation& s);
std::string formatGridKeyboardRecord(const GridStation& s);
std::string formatGridFileRecord(const GridStation& s);

}  // namespace orvandel
