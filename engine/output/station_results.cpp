#include "output/station_results.h"

#include <cmath>

#include "common/projection_calls.h"
#include "geodesy/angles.h"
#include "geodesy/grids.h"
#include "geodesy/stereo27.h"
#include "geodesy/tm27.h"
#include "geodesy/tmerc.h"

namespace orvandel {

namespace {

// The single-precision value of 63.01: the NS zone 4 / zone 5 boundary.
constexpr double kNsZoneBoundary = 63.0099983215332;

}  // namespace

StationResult resultsToAts77(const GridRecord& in, const TransformedRecord& t, double& meridian,
                             geodesy::ZoneMemory& zones) {
    const double pi = std::acos(-1.0);
    if (in.zone == 4) meridian = -61.5;
    if (in.zone == 5) meridian = -64.5;
    const double phi = geodesy::DMSRAD(t.latDegrees, t.latMinutes, static_cast<float>(t.latSeconds));
    const double lam = geodesy::DMSRAD(-t.lonDegrees, t.lonMinutes, static_cast<float>(t.lonSeconds));

    StationResult r;
    const GridPoint grid = projectAts77(zones, projectionCode(in.province), phi, lam, meridian);
    r.gridEasting = grid.easting;
    r.gridNorthing = grid.northing;
    const geodesy::UtmZone zone = geodesy::UTMZON(lam);
    const GridPoint utm =
        projectAts77(zones, code(geodesy::MpcordProjection::UtmToGrid), phi, lam, zone.centralMeridian * 180.0 / pi);
    r.utmEasting = utm.easting;
    r.utmNorthing = utm.northing;
    r.utmZone = zone.zone;
    return r;
}

StationResult resultsToNad27(const GridRecord& in, const TransformedRecord& t) {
    const double pi = std::acos(-1.0);
    const double lat = t.latDegrees + t.latMinutes / 60.0 + t.latSeconds / 3600.0;
    const double lon = t.lonDegrees + t.lonMinutes / 60.0 + t.lonSeconds / 3600.0;

    StationResult r;
    const geodesy::UtmZone zone = geodesy::UTMZON(-lon * pi / 180.0);
    const geodesy::Tm27Grid utm =
        geodesy::TM27FW(lat, lon, geodesy::kUtmScale, -zone.centralMeridian * 180.0 / pi, geodesy::Tm27Unit::Metres);
    r.utmEasting = utm.easting;
    r.utmNorthing = utm.northing;
    r.utmZone = zone.zone;

    double feetE = 0.0, feetN = 0.0;
    if (in.province == "NS ") {
        const geodesy::Tm27Grid g = geodesy::TM27FW(lat, lon, geodesy::kNovaScotia27Scale,
                                                    lon > kNsZoneBoundary ? 64.5 : 61.5, geodesy::Tm27Unit::Feet);
        feetE = g.easting;
        feetN = g.northing;
    } else {
        const geodesy::St27Grid g = geodesy::ST27FW(lat, lon, in.province == "PEI" ? 3 : 1);
        feetE = g.easting;
        feetN = g.northing;
    }
    r.gridEasting = feetE;
    r.gridNorthing = feetN;
    if (in.province == "PEI") {
        r.metricEasting = (feetE - 500000.0) * 0.3048 + 300000.0;
        r.metricNorthing = (feetN - 700000.0) * 0.3048 + 300000.0;
    } else {
        r.metricEasting = feetE * 0.3048;
        r.metricNorthing = feetN * 0.3048;
    }
    return r;
}

}  // namespace orvandel
