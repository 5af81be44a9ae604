#include "quillon27/nad27_conversions.h"

#include <cmath>
#include <functional>

#include "common/companion_error.h"
#include "common/zones.h"
#include "geodesy/grids.h"
#include "geodesy/stereo27.h"
#include "geodesy/tm27.h"

namespace quillon27 {

using companion::CompanionError;

namespace {

constexpr double kUtmScale = geodesy::kUtmScale;
constexpr double kMtmScale = geodesy::kNovaScotia27Scale;

using Forward = std::function<Plane(const Geographic&)>;

void requireNear(const Geographic& point) {
  if (!nearMaritimes(point)) {
    throw CompanionError("the point lies outside the Maritime provinces");
  }
}

// The inverse routines are series (NB27IN and PE27IN empirical polynomials
// good to a few centimetres); a few Newton steps against the forward routine
// make the inverse close the round trip to well under a millimetre.
//
// TM27FW puts every point within 5e-7 rad of the central meridian exactly on
// it, so eastings within about 10 ft of the false easting have no exact
// inverse: there the series longitude stands and only the latitude is
// refined, against the northing.
constexpr double kStep = 1e-4;  // degrees; wider than TM27FW's flat band

Geographic refineLatitude(const Forward& forward, const Plane& target, Geographic guess) {
  for (int iteration = 0; iteration < 8; ++iteration) {
    const double dn = target.northing - forward(guess).northing;
    if (std::fabs(dn) < 1e-7) break;
    const double slope = (forward({guess.latitude + kStep, guess.longitudeWest}).northing -
                          forward({guess.latitude - kStep, guess.longitudeWest}).northing) /
                         (2 * kStep);
    if (!std::isfinite(slope) || slope == 0.0) break;
    guess.latitude += dn / slope;
    requireNear(guess);
  }
  return guess;
}

Geographic refine(const Forward& forward, const Plane& target, const Geographic& start,
                  double centralMeridian = -1.0) {
  requireNear(start);
  Geographic guess = start;
  for (int iteration = 0; iteration < 8; ++iteration) {
    const Plane at = forward(guess);
    const double de = target.easting - at.easting;
    const double dn = target.northing - at.northing;
    if (!std::isfinite(de) || !std::isfinite(dn)) break;
    if (std::fabs(de) < 1e-7 && std::fabs(dn) < 1e-7) return guess;
    const Plane latUp = forward({guess.latitude + kStep, guess.longitudeWest});
    const Plane latDown = forward({guess.latitude - kStep, guess.longitudeWest});
    const Plane lonUp = forward({guess.latitude, guess.longitudeWest + kStep});
    const Plane lonDown = forward({guess.latitude, guess.longitudeWest - kStep});
    const double a = (latUp.easting - latDown.easting) / (2 * kStep);
    const double b = (lonUp.easting - lonDown.easting) / (2 * kStep);
    const double c = (latUp.northing - latDown.northing) / (2 * kStep);
    const double d = (lonUp.northing - lonDown.northing) / (2 * kStep);
    const double det = a * d - b * c;
    if (!std::isfinite(det) || det == 0.0) break;
    guess.latitude += (d * de - b * dn) / det;
    guess.longitudeWest += (a * dn - c * de) / det;
    if (!nearMaritimes(guess)) break;
  }
  if (nearMaritimes(guess)) {
    const Plane at = forward(guess);
    if (std::fabs(target.easting - at.easting) < 1e-4 &&
        std::fabs(target.northing - at.northing) < 1e-4) {
      return guess;
    }
  }
  if (centralMeridian > 0.0 && std::fabs(start.longitudeWest - centralMeridian) < kStep) {
    return refineLatitude(forward, target, start);
  }
  throw CompanionError("the point cannot be converted (the inverse does not converge)");
}

Plane stereographic(Province province, const Geographic& point) {
  const geodesy::St27Grid grid = geodesy::ST27FW(point.latitude, point.longitudeWest,
                                                 province == Province::PrinceEdwardIsland ? 3 : 1);
  return {grid.easting, grid.northing};
}

Plane mtm(int mtmZone, const Geographic& point) {
  const geodesy::Tm27Grid grid =
      geodesy::TM27FW(point.latitude, point.longitudeWest, kMtmScale,
                      companion::mtmCentralMeridian(mtmZone), geodesy::Tm27Unit::Feet);
  return {grid.easting, grid.northing};
}

void requireUtmZone(int zone) {
  if (zone < 19 || zone > 21) {
    throw CompanionError("UTM zone " + std::to_string(zone) + " is not one of 19, 20, 21");
  }
}

}  // namespace

bool nearMaritimes(const Geographic& point) {
  return point.latitude >= 40.0 && point.latitude <= 52.0 && point.longitudeWest >= 52.0 &&
         point.longitudeWest <= 72.0;
}

Plane gridFromGeographic(Province province, int mtmZone, const Geographic& point) {
  requireNear(point);
  return province == Province::NovaScotia ? mtm(mtmZone, point) : stereographic(province, point);
}

Geographic geographicFromGrid(Province province, int mtmZone, const Plane& grid) {
  if (!std::isfinite(grid.easting) || !std::isfinite(grid.northing)) {
    throw CompanionError("the point lies outside the Maritime provinces");
  }
  Geographic guess;
  switch (province) {
    case Province::NewBrunswick: {
      const geodesy::St27Geo geo = geodesy::NB27IN(grid.easting, grid.northing);
      guess = {geo.phi, geo.lam};
      break;
    }
    case Province::PrinceEdwardIsland: {
      const geodesy::St27Geo geo = geodesy::PE27IN(grid.easting, grid.northing);
      guess = {geo.phi, geo.lam};
      break;
    }
    case Province::NovaScotia: {
      const geodesy::Tm27Geo geo =
          geodesy::TM27MI(grid.easting, grid.northing, companion::mtmCentralMeridian(mtmZone));
      guess = {geo.phi, geo.lam};
      break;
    }
  }
  const double meridian =
      province == Province::NovaScotia ? companion::mtmCentralMeridian(mtmZone) : -1.0;
  return refine([&](const Geographic& p) { return gridFromGeographic(province, mtmZone, p); }, grid,
                guess, meridian);
}

Plane utmFromGeographic(int zone, const Geographic& point) {
  requireUtmZone(zone);
  requireNear(point);
  const geodesy::Tm27Grid grid =
      geodesy::TM27FW(point.latitude, point.longitudeWest, kUtmScale,
                      companion::utmCentralMeridian(zone), geodesy::Tm27Unit::Metres);
  return {grid.easting, grid.northing};
}

Geographic geographicFromUtm(int zone, const Plane& utm) {
  requireUtmZone(zone);
  if (!std::isfinite(utm.easting) || !std::isfinite(utm.northing) ||
      std::fabs(utm.easting - 500000.0) > 1000000.0 || utm.northing < 0.0 ||
      utm.northing > 10000000.0) {
    throw CompanionError("the point lies outside the Maritime provinces");
  }
  const geodesy::Tm27Geo geo =
      geodesy::TM27UI(utm.northing, utm.easting, kUtmScale, companion::utmCentralMeridian(zone));
  return refine([&](const Geographic& p) { return utmFromGeographic(zone, p); }, utm,
                {geo.phi, geo.lam}, companion::utmCentralMeridian(zone));
}

}  // namespace quillon27
