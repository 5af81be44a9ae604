#pragma once
// Reading and writing NTv2 files. Both report failure through their result
// and an error text; neither throws.
#include <string>

#include "ntv2_file.h"

namespace ntv2 {

// Reads and checks a whole file (header keys, counts, extents, length).
bool readFile(const std::string& path, File& file, std::string& error);

// Encodes a file to bytes; false when the contents cannot be encoded
// (inconsistent node count, over-long names).
bool encode(const File& file, std::string& bytes, std::string& error);

// Writes through a temporary file renamed into place, so a failed write
// never leaves a short grid under the final name.
bool writeFile(const std::string& path, const File& file, std::string& error);

}  // namespace ntv2
