// orvandel-draw-controls: draws synthetic control stations from the field
// of a hand-made model, for the demo's fitted coefficient files.
//
//   orvandel-draw-controls [--polynomial-only] [--smooth AMPLITUDE WAVELENGTH]
//                          [--prefix NAME] MODEL.txt SOUTH NORTH EAST WEST SPACING NOISE SEED
//
// SOUTH..NORTH and EAST..WEST (degrees, longitude positive west) bound the
// stations; SPACING (arc-minutes) is the spacing of the grid they are
// jittered from; NOISE (metres, one sigma per component) is added to the
// coordinates the model gives. The stations sit where the model's
// direction starts (NAD27 for a NAD27 to ATS77 model, ATS77 otherwise), on
// seconds that ORVANDEL reads exactly; the control file goes to standard
// output in the layout orvandel-fit reads.
//
// --polynomial-only leaves out the model's interpolated residuals, which
// jump by metres between its invented stations: the field is then the
// approximate shift and the polynomial, smooth everywhere. --smooth adds a
// known smooth field of AMPLITUDE metres and WAVELENGTH kilometres (a plane
// wave in each component, directions and phases drawn first from SEED) for
// the fitted interpolation to follow; stations then cover the whole area
// instead of the model's unit disk. --prefix names the stations NAME1,
// NAME2, ... (default S).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "transform/coefficient_text.h"
#include "transform/polynomial_transformation.h"

namespace {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    double uniform() {
        // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) / 9007199254740992.0;
    }
    double normal() {
        const double u = 1.0 - uniform(), v = uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::acos(-1.0) * v);
    }

private:
    std::uint64_t state_;
};

// "DD,MM,SS.SSSSS", seconds rounded to 1e-5.
std::string dms(double degrees) {
    long long units = std::llround(degrees * 3600.0 * 1e5);
    const long long perMinute = 60LL * 100000, perDegree = 60 * perMinute;
    const long long d = units / perDegree;
    units -= d * perDegree;
    const long long m = units / perMinute;
    units -= m * perMinute;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02lld,%02lld,%08.5f", d, m, static_cast<double>(units) / 1e5);
    return buf;
}

// Known smooth displacement (metres north and east) added to the drawn
// coordinates: one plane wave per component, over the area's centre.
struct SmoothField {
    double amplitude = 0.0;   // metres
    double wavelength = 1.0;  // kilometres
    double northAngle = 0.0, northPhase = 0.0, eastAngle = 0.0, eastPhase = 0.0;
    double centreLat = 0.0, centreLon = 0.0;

    void at(double lat, double lon, double& north, double& east) const {
        const double pi = std::acos(-1.0);
        const double y = (lat - centreLat) * 111.319456;
        const double x = -(lon - centreLon) * 111.319456 * std::cos(centreLat * pi / 180.0);
        const double k = 2.0 * pi / wavelength;
        north = amplitude * std::sin(k * (x * std::cos(northAngle) + y * std::sin(northAngle)) + northPhase);
        east = amplitude * std::sin(k * (x * std::cos(eastAngle) + y * std::sin(eastAngle)) + eastPhase);
    }
};

double number(const char* text) {
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(v)) {
        std::cerr << "orvandel-draw-controls: '" << text << "' is not a number\n";
        std::exit(2);
    }
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    bool polynomialOnly = false, smooth = false;
    double amplitude = 0.0, wavelength = 0.0;
    std::string prefix = "S";
    int first = 1;
    while (first < argc && std::string(argv[first]).rfind("--", 0) == 0) {
        const std::string option = argv[first];
        if (option == "--polynomial-only") {
            polynomialOnly = true;
            first += 1;
        } else if (option == "--smooth" && first + 2 < argc) {
            smooth = true;
            amplitude = number(argv[first + 1]);
            wavelength = number(argv[first + 2]);
            first += 3;
        } else if (option == "--prefix" && first + 1 < argc) {
            prefix = argv[first + 1];
            first += 2;
        } else {
            break;
        }
    }
    if (argc - first != 8 || (smooth && !(wavelength > 0.0))) {
        std::cerr
            << "usage: orvandel-draw-controls [--polynomial-only] [--smooth AMPLITUDE WAVELENGTH]\n"
               "                              [--prefix NAME] MODEL.txt SOUTH NORTH EAST WEST SPACING NOISE SEED\n";
        return 2;
    }
    argv += first - 1;
    std::ifstream text(argv[1]);
    orvandel::CoefficientModel model;
    std::string error;
    if (!text || !orvandel::parseCoefficientText(text, model, error)) {
        std::cerr << "orvandel-draw-controls: " << argv[1] << ": " << (text ? error : "cannot open") << '\n';
        return 1;
    }
    const double south = number(argv[2]), north = number(argv[3]);
    const double east = number(argv[4]), west = number(argv[5]);
    const double spacing = number(argv[6]) / 60.0;
    const double noise = number(argv[7]);
    Random random(static_cast<std::uint64_t>(number(argv[8])));
    if (!(south < north) || !(east < west) || !(spacing > 0.0)) {
        std::cerr << "orvandel-draw-controls: empty area\n";
        return 2;
    }
    if (polynomialOnly) {
        model.header.correlation = 0.0;
        model.control = orvandel::ControlStations{};
        model.header.stationCount = 0;
    }
    SmoothField field;
    if (smooth) {
        // Drawn before anything else: the field depends on the seed and the
        // area only, whatever the spacing or the noise.
        const double turn = 2.0 * std::acos(-1.0);
        field.amplitude = amplitude;
        field.wavelength = wavelength;
        field.northAngle = turn * random.uniform();
        field.northPhase = turn * random.uniform();
        field.eastAngle = turn * random.uniform();
        field.eastPhase = turn * random.uniform();
        field.centreLat = (south + north) / 2.0;
        field.centreLon = (east + west) / 2.0;
    }
    const double rad = std::acos(-1.0) / 180.0;
    const double perSecond = 111319.456 / 3600.0;
    const orvandel::GridLimits limits;
    // Stations the model takes only near its edge are left out: the
    // fitted model must cover them comfortably.
    const double innerRadius = 1.0;
    int count = 0;
    for (double lat = south + spacing / 2; lat < north; lat += spacing) {
        for (double lon = east + spacing / 2; lon < west; lon += spacing) {
            double from[2] = {lat + (random.uniform() - 0.5) * 0.6 * spacing,
                              lon + (random.uniform() - 0.5) * 0.6 * spacing};
            // On a multiple of 1/32 second: exact in ORVANDEL's single precision.
            for (double& a : from) a = std::round(a * 3600.0 * 32.0) / (3600.0 * 32.0);
            orvandel::LocatedStation located;
            if (!orvandel::locateStation(model, limits, from[0], from[1], located)) continue;
            if (!smooth && std::hypot(located.u, located.v) > innerRadius) continue;
            orvandel::TransformedStation to;
            if (!orvandel::transformStation(model, limits, from[0], from[1], to)) continue;
            double nLat = noise * random.normal(), nLon = noise * random.normal();
            if (smooth) {
                double north = 0.0, eastward = 0.0;
                field.at(from[0], from[1], north, eastward);
                nLat += north;
                nLon -= eastward;  // longitude grows westward
            }
            const double toLat = to.latitude + nLat / perSecond / 3600.0;
            const double toLon = to.longitude + nLon / (perSecond * std::cos(to.latitude * rad)) / 3600.0;
            ++count;
            const std::string a = dms(from[0]) + "," + dms(from[1]);
            const std::string b = dms(toLat) + "," + dms(toLon);
            std::cout << prefix << count << ',' << (model.header.direction == 2 ? b + "," + a : a + "," + b) << '\n';
        }
    }
    return count > 0 ? 0 : 1;
}
