#pragma once
// The directory of the coefficient files, from the value of DATAFILE: the
// whole value with trailing blanks removed and a "/" added unless it
// already ends with a separator ("/", or "\" which becomes "/"). An unset
// or blank value ends the run.
#include <string>

namespace orvandel {

std::string coefficientDirectory(const char* datafileValue);

// The directory, then the file of transformation t (1 to 6; another
// number ends the run).
std::string coefficientPath(const std::string& directory, int transformation);

}  // namespace orvandel
