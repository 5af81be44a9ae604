#pragma once
// Geographic boxes covering each province (degrees, longitude positive east)
// and a regular sampling of them for round trips and reference checks.
#include <vector>

namespace geodesy_test {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// Metres along the ground per radian of latitude and of longitude, close
// enough for expressing small angular differences as distances.
constexpr double kMetresPerRadian = 6378000.0;

struct Box {
    double latFrom, latTo, lonFrom, lonTo;
};

constexpr Box kNewBrunswick{44.0, 48.5, -69.5, -63.0};
constexpr Box kNovaScotiaZone4{43.37, 47.23, -63.0, -59.0};
constexpr Box kNovaScotiaZone5{43.37, 47.23, -67.0, -63.0};
constexpr Box kPrinceEdwardIsland{45.92, 47.08, -64.47, -61.93};

struct LatLon {
    double lat, lon;  // degrees
};

// rows x cols points, corners included.
inline std::vector<LatLon> sample(const Box& box, int rows, int cols) {
    std::vector<LatLon> points;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            points.push_back({box.latFrom + (box.latTo - box.latFrom) * i / (rows - 1),
                              box.lonFrom + (box.lonTo - box.lonFrom) * j / (cols - 1)});
        }
    }
    return points;
}

// UTM zone z spans 6 degrees around its central meridian; the Maritimes
// lie between 43.37 and 48.5 degrees north.
inline Box utmZoneBox(int zone) {
    const double cm = 6.0 * zone - 183.0;
    return {43.37, 48.5, cm - 3.0, cm + 3.0};
}

}  // namespace geodesy_test
