#pragma once
// Projecting a transformed station into the target datum's provincial grid
// and UTM.
#include "geodesy/mpcord.h"
#include "output/output_tables.h"

namespace orvandel {

// NAD27 in, ATS77 out (unit code F, M or U). `meridian` is the MTM central
// meridian (degrees, negative west); it carries over when the zone is
// neither 4 nor 5.
StationResult resultsToAts77(const GridRecord& in, const TransformedRecord& t, double& meridian,
                             geodesy::ZoneMemory& zones);

// ATS77 in, NAD27 out (unit code R).
StationResult resultsToNad27(const GridRecord& in, const TransformedRecord& t);

}  // namespace orvandel
