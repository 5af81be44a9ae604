#pragma once
// A provincial transformation model as held in a coefficient file: the
// header of record 1 and the values of record 2.
#include <complex>
#include <vector>

namespace orvandel {

struct CoefficientHeader {
    int degree = 0;          // n, 0 to 5
    int stationCount = 0;    // N control stations
    int direction = 1;       // 1 NAD27 to ATS77, 2 ATS77 to NAD27, other: no shift
    double correlation = 0;  // R, normalised units; 0 switches the residuals off
    double originLat = 0;    // degrees north
    double originLon = 0;    // degrees west
    double latOffset = 0;    // arc-seconds
    double lonOffset = 0;
    double latScale = 1;  // normalised units per degree
    double lonScale = 1;
    double latDivisor = 1;
    double lonDivisor = 1;
};

// Control stations kept as separate arrays: the residual loop runs over
// all of them for every station.
struct ControlStations {
    std::vector<double> u, v;
    std::vector<double> residualLat, residualLon;
    std::vector<double> weight;
    std::size_t size() const { return u.size(); }
};

struct CoefficientModel {
    CoefficientHeader header;
    ControlStations control;
    std::vector<std::complex<double>> coefficients;  // c_0 .. c_n
    double lastValue = 0.0;                          // read, not used

    // Number of reals in record 2: 5N + 2(n+1) + 1.
    static long long valueCount(long long degree, long long stations) { return 5 * stations + 2 * (degree + 1) + 1; }
};

}  // namespace orvandel
