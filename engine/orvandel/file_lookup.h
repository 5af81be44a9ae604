#pragma once
// Files named in the dialogue and the coefficient files are found ignoring
// case within their directory, as on the platform the data comes from.
#include <fstream>
#include <string>

namespace orvandel {

// The existing path whose last component matches `path`'s ignoring case;
// `path` itself when it exists as written or nothing matches.
std::string findIgnoringCase(const std::string& path);

// Opens an existing file for reading (found ignoring case); a missing or
// unreadable file ends the run naming `what` and the path.
void openExisting(std::ifstream& file, const std::string& path, const std::string& what);

// Creates or replaces a file; failure ends the run.
void createFile(std::ofstream& file, const std::string& path);

// Opens an existing file for appending; a missing file ends the run.
void appendExisting(std::ofstream& file, const std::string& path);

}  // namespace orvandel
