#pragma once
// The UTM zone the user chose is kept apart from the zone a run works with:
// a UTM text-file run empties the run's zone and fills it from its points,
// while the chosen zone is what the configuration file keeps.

#include <string>

#include "core/settings.h"

namespace kartovex {

// The user's choice (load, setup window): both values.
void ChooseUtmZone(FrontEndSettings& settings, const UtmZoneSetting& zone);

// Start of a PROCESS: the run works with the chosen zone, or with an empty
// zone (None) when the points come from a UTM text file (each carries its zone).
void BeginRunUtmZone(FrontEndSettings& settings, bool zoneFromInputFile);

// The zone SaveSettings writes: the chosen zone, "21" when None.
std::string UtmZoneToSave(const FrontEndSettings& settings);

}  // namespace kartovex
