#pragma once
// The demo installation's KARTOVEX.INI: every key the front end reads, the
// folder paths of the installation and the extents of each region.
#include <string>
#include <utility>
#include <vector>

namespace demo {

using KeyValue = std::pair<std::string, std::string>;

// The nine grid-shift keys of the FILE section and the demonstration grid
// each names (files in BIN, written by ntv2-write at build time).
const std::vector<KeyValue>& gridShiftFiles();

// Central meridian keys of the SETUP section and their values.
std::vector<KeyValue> centralMeridians();

// root is the installation folder, ending in '/'. False when an extent
// cannot be computed.
bool iniText(const std::string& root, std::string& text, std::string& error);

}  // namespace demo
