#pragma once
// Control stations drawn from a known smooth correction field over New
// Brunswick, with optional Gaussian noise, for the fit tests.
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fit/control_file.h"
#include "fit/model_fit.h"
#include "transform/datum_shift.h"

namespace fittest {

// The corrections (arc-seconds, latitude + i longitude) that take the
// approximately shifted NAD27 position to ATS77, as a function of the
// NAD27 position: an analytic function of the position (the kind of field
// the complex polynomial stands for, though no polynomial) and a few
// centimetres that only the interpolation of residuals can follow.
inline std::complex<double> knownField(double lat, double lon) {
    const double a = lat - 46.4, b = lon - 66.3;
    const std::complex<double> z(a, 0.69 * b);
    const std::complex<double> analytic = std::complex<double>(0.36, -0.47) + 0.04 * std::exp(0.5 * z) +
                                          std::complex<double>(0.0, 0.03) * std::sin(0.8 * z);
    const std::complex<double> local(0.002 * std::sin(1.3 * a + 0.7 * b), 0.002 * std::cos(1.7 * b - 0.5 * a));
    return analytic + local;
}

// ATS77 of a NAD27 position under the known field.
inline void knownAts77(double lat, double lon, double& ats77Lat, double& ats77Lon) {
    const std::complex<double> c = knownField(lat, lon);
    ats77Lat = lat;
    ats77Lon = lon;
    orvandel::approximateShift(1, ats77Lat, ats77Lon);
    ats77Lat -= c.real() / 3600.0;
    ats77Lon -= c.imag() / 3600.0;
}

// Small deterministic generator (the same numbers everywhere).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double uniform() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }
    double normal() {
        const double u = 1.0 - uniform(), v = uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::acos(-1.0) * v);
    }

private:
    std::uint64_t state_;
};

// "DD,MM,SS.SSSSS" of decimal degrees.
inline std::string dms(double degrees) {
    double d = std::floor(degrees);
    double m = std::floor((degrees - d) * 60.0);
    double s = (degrees - d - m / 60.0) * 3600.0;
    s = std::round(s * 1e5) / 1e5;
    if (s >= 60.0) {
        s -= 60.0;
        m += 1.0;
    }
    if (m >= 60.0) {
        m -= 60.0;
        d += 1.0;
    }
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d,%02d,%08.5f", static_cast<int>(d), static_cast<int>(m), s);
    return buf;
}

inline const double kNbLatMin = 45.1, kNbLatMax = 47.9, kNbLonMin = 64.0, kNbLonMax = 68.6;

// count NAD27 positions over New Brunswick, their seconds on multiples of
// 1/32 (exact in the single precision of ORVANDEL's station input).
inline std::vector<std::pair<double, double>> nbPositions(int count, std::uint64_t seed) {
    Random r(seed);
    std::vector<std::pair<double, double>> p;
    for (int i = 0; i < count; ++i) {
        const double lat = kNbLatMin + (kNbLatMax - kNbLatMin) * r.uniform();
        const double lon = kNbLonMin + (kNbLonMax - kNbLonMin) * r.uniform();
        p.emplace_back(std::round(lat * 3600.0 * 32.0) / (3600.0 * 32.0),
                       std::round(lon * 3600.0 * 32.0) / (3600.0 * 32.0));
    }
    return p;
}

// Control file text: the known field plus noise of noiseMetres (one sigma
// per component) on the ATS77 side.
inline std::string controlText(const std::vector<std::pair<double, double>>& positions, double noiseMetres,
                               std::uint64_t seed) {
    Random r(seed);
    const double perSecond = orvfit::kMetresPerDegree / 3600.0;
    std::string text;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const auto [lat, lon] = positions[i];
        double aLat, aLon;
        knownAts77(lat, lon, aLat, aLon);
        aLat += noiseMetres * r.normal() / perSecond / 3600.0;
        aLon += noiseMetres * r.normal() / (perSecond * std::cos(lat * std::acos(-1.0) / 180.0)) / 3600.0;
        text +=
            "C" + std::to_string(i + 1) + "," + dms(lat) + "," + dms(lon) + "," + dms(aLat) + "," + dms(aLon) + "\n";
    }
    return text;
}

}  // namespace fittest
