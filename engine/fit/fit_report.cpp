#include "fit/fit_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "dialogue/transformation_table.h"

namespace orvfit {

namespace {

std::string format(const char* pattern, auto... values) {
    char buf[256];
    std::snprintf(buf, sizeof buf, pattern, values...);
    return buf;
}

std::string rmsLine(const char* label, const Rms& r) {
    return format("  %-31s %9.5f\" %9.5f\"   %8.4f m %8.4f m %8.4f m\n", label, r.latArcsec, r.lonArcsec, r.latMetres,
                  r.lonMetres, r.horizontalMetres);
}

std::string trimmedRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace

std::vector<std::size_t> worstStations(const FitResult& result) {
    std::vector<std::size_t> order(result.stations.size());
    std::iota(order.begin(), order.end(), 0);
    auto size = [&](std::size_t i) {
        return horizontalMetres(result.stations[i].looMisfit, result.stations[i].latitude);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return size(a) > size(b); });
    return order;
}

std::vector<std::size_t> outlierStations(const FitResult& result) {
    std::vector<std::size_t> out;
    for (std::size_t i : worstStations(result)) {
        const StationFit& s = result.stations[i];
        if (horizontalMetres(s.looMisfit, s.latitude) > 3.0 * result.sigma) out.push_back(i);
    }
    return out;
}

void writeFitReport(std::ostream& out, const FitResult& result, const ReportContext& context) {
    const orvandel::CoefficientHeader& h = result.model.header;
    const int t = result.transformation;
    out << "ORVANDEL-FIT REPORT  " << trimmedRight(orvandel::provinceCode(t))
        << (h.direction == 1 ? "  NAD27 TO ATS77" : "  ATS77 TO NAD27") << "  (transformation " << t << ", "
        << orvandel::coefficientFileName(t) << ")\n\n";
    if (!context.controls.empty()) out << "  Control file                    " << context.controls << '\n';
    if (!context.coefficients.empty()) out << "  Coefficient file written        " << context.coefficients << '\n';
    out << format("  Control stations                %d\n", h.stationCount);
    out << format("  Degree of the polynomial        %d (%d complex coefficients)\n", h.degree, h.degree + 1);
    out << format("  Workspace                       %lld of %lld\n", result.needed, result.capacity);
    out << format("  Origin                          %.6f N  %.6f W (degrees)\n", h.originLat, h.originLon);
    out << format("  Scale factors                   %.6f  %.6f (normalised units per degree)\n", h.latScale,
                  h.lonScale);
    out << format("  Correlation distance R          %.4f (normalised units)%s\n", h.correlation,
                  h.correlation == 0.0 ? ", interpolation off" : "");
    if (h.correlation != 0.0) {
        const double rad = std::acos(-1.0) / 180.0;
        out << format("                                  %.1f m in latitude, %.1f m in longitude\n",
                      h.correlation * kMetresPerDegree / h.latScale,
                      h.correlation * kMetresPerDegree * std::cos(h.originLat * rad) / h.lonScale);
    }

    out << "\nRMS misfits (model minus control)     latitude  longitude     latitude longitude horizontal\n";
    out << rmsLine("Polynomial fit", result.polynomial);
    out << rmsLine("Whole model, in sample", result.inSample);
    out << rmsLine("Whole model, leave-one-out", result.leaveOneOut);
    out << "  (metres: " << format("%.3f", kMetresPerDegree)
        << " m per degree of latitude, times cos(latitude) per degree of longitude)\n";

    out << "\nCross-validation of R (leave-one-out RMS of the whole model)\n";
    out << "         R    latitude  longitude     latitude longitude horizontal\n";
    for (std::size_t r = 0; r < result.table.size(); ++r) {
        const CrossValidationRow& row = result.table[r];
        out << format("  %8.4f %10.5f\" %9.5f\"   %8.4f m %8.4f m %8.4f m%s\n", row.correlation, row.loo.latArcsec,
                      row.loo.lonArcsec, row.loo.latMetres, row.loo.lonMetres, row.loo.horizontalMetres,
                      r == result.chosen ? "  <- chosen" : "");
    }

    out << "\nCoefficients (arc-seconds)\n";
    for (std::size_t k = 0; k < result.model.coefficients.size(); ++k) {
        out << format("  c%zu  %20.10f %20.10f\n", k, result.model.coefficients[k].real(),
                      result.model.coefficients[k].imag());
    }

    const std::vector<std::size_t> worst = worstStations(result);
    out << "\nTen worst stations (leave-one-out, metres)\n";
    out << "  STATION    latitude longitude horizontal   in sample: latitude longitude\n";
    for (std::size_t k = 0; k < worst.size() && k < 10; ++k) {
        const StationFit& s = result.stations[worst[k]];
        const auto loo = misfitMetres(s.looMisfit, s.latitude);
        const auto in = misfitMetres(s.misfit, s.latitude);
        out << format("  %-8s %10.4f %9.4f %10.4f %20.4f %9.4f\n", s.name.c_str(), loo.real(), loo.imag(),
                      std::abs(loo), in.real(), in.imag());
    }

    const std::vector<std::size_t> outliers = outlierStations(result);
    out << format("\n%zu station(s) over 3 sigma (sigma = %.4f m, the leave-one-out horizontal RMS)\n", outliers.size(),
                  result.sigma);
    for (std::size_t i : outliers) {
        const StationFit& s = result.stations[i];
        const double m = horizontalMetres(s.looMisfit, s.latitude);
        out << format("  WARNING: station %s: leave-one-out misfit %.4f m is %.1f sigma\n", s.name.c_str(), m,
                      m / result.sigma);
    }

    if (context.stationTable) {
        out << "\nStation misfits (ORVANDEL's result minus the control, metres)\n";
        out << "  STATION  in sample: latitude   longitude   leave-one-out: latitude   longitude   weight\n";
        for (const StationFit& s : result.stations) {
            const auto in = misfitMetres(s.misfit, s.latitude);
            const auto loo = misfitMetres(s.looMisfit, s.latitude);
            out << format("  %-8s %20.5f %11.5f %24.5f %11.5f %8.3f\n", s.name.c_str(), in.real(), in.imag(),
                          loo.real(), loo.imag(), s.weight);
        }
    }
}

}  // namespace orvfit
