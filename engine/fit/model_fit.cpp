#include "fit/model_fit.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "dialogue/transformation_table.h"
#include "transform/datum_shift.h"
#include "transform/model_evaluation.h"
#include "transform/polynomial_transformation.h"
#include "transform/residual_interpolation.h"

namespace orvfit {

namespace {

using Complex = std::complex<double>;

// ORVANDEL skips a mean whose weight sum is this small.
constexpr double kTinyWeightSum = 1e-75;

std::string provinceName(int province) {
    static const char* names[] = {"NB", "NS", "PEI"};
    return province >= 1 && province <= 3 ? names[province - 1] : "?";
}

// Lists at most a few station names.
std::string nameList(const std::vector<std::string>& names) {
    std::string s;
    for (std::size_t i = 0; i < names.size() && i < 10; ++i) s += (i ? ", " : "") + names[i];
    if (names.size() > 10) s += " and " + std::to_string(names.size() - 10) + " more";
    return s;
}

class RmsSum {
public:
    void add(Complex arcsec, double latitude) {
        const Complex m = misfitMetres(arcsec, latitude);
        lat2_ += arcsec.real() * arcsec.real();
        lon2_ += arcsec.imag() * arcsec.imag();
        latM2_ += m.real() * m.real();
        lonM2_ += m.imag() * m.imag();
        ++n_;
    }
    Rms rms() const {
        Rms r;
        if (n_ == 0) return r;
        const double n = static_cast<double>(n_);
        r.latArcsec = std::sqrt(lat2_ / n);
        r.lonArcsec = std::sqrt(lon2_ / n);
        r.latMetres = std::sqrt(latM2_ / n);
        r.lonMetres = std::sqrt(lonM2_ / n);
        r.horizontalMetres = std::sqrt((latM2_ + lonM2_) / n);
        return r;
    }

private:
    double lat2_ = 0, lon2_ = 0, latM2_ = 0, lonM2_ = 0;
    long n_ = 0;
};

}  // namespace

std::vector<double> correlationRange(double min, double max, int count) {
    std::vector<double> values;
    if (!(min >= 0.0) || !(max >= min) || !std::isfinite(max) || count < 1) return values;
    if (count == 1 || min == max) return {min};
    for (int k = 0; k < count; ++k) {
        const double t = static_cast<double>(k) / (count - 1);
        values.push_back(min > 0.0 ? min * std::pow(max / min, t) : min + (max - min) * t);
    }
    values.back() = max;
    return values;
}

std::vector<double> defaultCorrelations() {
    std::vector<double> values{0.0};
    for (double r : correlationRange(0.01, 0.5, 12)) values.push_back(r);
    return values;
}

Complex misfitMetres(Complex misfitArcsec, double latitude) {
    const double perSecond = kMetresPerDegree / 3600.0;
    const double rad = std::acos(-1.0) / 180.0;
    return {misfitArcsec.real() * perSecond, misfitArcsec.imag() * perSecond * std::cos(latitude * rad)};
}

double horizontalMetres(Complex misfitArcsec, double latitude) {
    return std::abs(misfitMetres(misfitArcsec, latitude));
}

bool fitModel(const std::vector<ControlStation>& controls, const FitSettings& settings, FitResult& result,
              std::string& error) {
    result = FitResult{};
    if (settings.province < 1 || settings.province > 3) {
        error = "province must be NB, NS or PEI";
        return false;
    }
    if (settings.direction != 1 && settings.direction != 2) {
        error = "direction must be 1 (NAD27 to ATS77) or 2 (ATS77 to NAD27)";
        return false;
    }
    if (settings.degree < 0 || settings.degree > 5) {
        error = "degree must be 0 to 5";
        return false;
    }
    if (settings.correlations.empty()) {
        error = "no correlation distance to try";
        return false;
    }
    for (double r : settings.correlations) {
        if (!(r >= 0.0) || !std::isfinite(r)) {
            error = "correlation distances must be 0 or positive";
            return false;
        }
    }
    const int n = settings.degree;
    const std::size_t terms = static_cast<std::size_t>(n) + 1;
    const std::size_t count = controls.size();
    result.transformation = settings.province + 3 * (settings.direction - 1);
    result.capacity = orvandel::workspaceCapacity(result.transformation);
    result.needed = (n + 1LL) * (n + 1LL) + 5LL * (static_cast<long long>(count) + n + 1LL);
    if (result.needed > result.capacity) {
        std::ostringstream s;
        s << "a model of degree " << n << " with " << count
          << " control stations needs (n+1)^2 + 5(N + n + 1) = " << result.needed << ", over the "
          << provinceName(settings.province) << " capacity of " << result.capacity;
        error = s.str();
        return false;
    }
    if (count < terms + 1) {
        error = "a polynomial of degree " + std::to_string(n) + " needs at least " + std::to_string(terms + 1) +
                " control stations (" + std::to_string(count) + " given)";
        return false;
    }

    // The corrections ORVANDEL subtracts after its own approximate shift.
    const int dir = settings.direction;
    std::vector<double> shiftedLat(count), shiftedLon(count), targetLat(count), targetLon(count);
    std::vector<std::string> outside;
    const orvandel::GridLimits limits;
    for (std::size_t j = 0; j < count; ++j) {
        const ControlStation& c = controls[j];
        double lat = dir == 1 ? c.nad27Lat : c.ats77Lat;
        double lon = dir == 1 ? c.nad27Lon : c.ats77Lon;
        orvandel::approximateShift(dir, lat, lon);
        shiftedLat[j] = lat;
        shiftedLon[j] = lon;
        targetLat[j] = dir == 1 ? c.ats77Lat : c.nad27Lat;
        targetLon[j] = dir == 1 ? c.ats77Lon : c.nad27Lon;
        if (!(limits.latMin <= lat && lat <= limits.latMax && limits.lonMin <= lon && lon <= limits.lonMax))
            outside.push_back(c.name);
    }
    if (!outside.empty()) {
        error =
            "control stations outside the grid ORVANDEL transforms (latitude 43.0 to 48.5, longitude "
            "59.0 to 69.5 west): " +
            nameList(outside);
        return false;
    }

    // Origin and scale: by default the centre of the controls, and the
    // extent that brings the farthest of them onto the unit circle.
    double originLat, originLon;
    if (settings.origin) {
        originLat = settings.origin->first;
        originLon = settings.origin->second;
    } else {
        const auto [latLo, latHi] = std::minmax_element(shiftedLat.begin(), shiftedLat.end());
        const auto [lonLo, lonHi] = std::minmax_element(shiftedLon.begin(), shiftedLon.end());
        originLat = (*latLo + *latHi) / 2.0;
        originLon = (*lonLo + *lonHi) / 2.0;
    }
    double latScale, lonScale;
    if (settings.scale) {
        latScale = settings.scale->first;
        lonScale = settings.scale->second;
        if (!(latScale > 0.0) || !(lonScale > 0.0)) {
            error = "scale factors must be greater than 0";
            return false;
        }
    } else {
        double latHalf = 0.0, lonHalf = 0.0;
        for (std::size_t j = 0; j < count; ++j) {
            latHalf = std::max(latHalf, std::abs(shiftedLat[j] - originLat));
            lonHalf = std::max(lonHalf, std::abs(shiftedLon[j] - originLon));
        }
        if (latHalf == 0.0 && lonHalf == 0.0) {
            error = "the control stations all lie at one point";
            return false;
        }
        // A province that is a line in one direction keeps equal scales.
        latScale = 1.0 / (latHalf > 0.0 ? latHalf : lonHalf);
        lonScale = 1.0 / (lonHalf > 0.0 ? lonHalf : latHalf);
        double radius = 0.0;
        for (std::size_t j = 0; j < count; ++j) {
            radius = std::max(
                radius, std::hypot((shiftedLat[j] - originLat) * latScale, (shiftedLon[j] - originLon) * lonScale));
        }
        latScale /= radius;
        lonScale /= radius;
    }

    result.stations.resize(count);
    std::vector<std::string> beyond;
    for (std::size_t j = 0; j < count; ++j) {
        StationFit& s = result.stations[j];
        s.name = controls[j].name;
        s.weight = controls[j].weight;
        s.latitude = shiftedLat[j];
        s.u = (shiftedLat[j] - originLat) * latScale;
        s.v = (shiftedLon[j] - originLon) * lonScale;
        s.correction = {(shiftedLat[j] - targetLat[j]) * 3600.0, (shiftedLon[j] - targetLon[j]) * 3600.0};
        if (std::sqrt(s.u * s.u + s.v * s.v) > 1.0 + limits.radiusMargin) beyond.push_back(s.name);
    }
    if (!beyond.empty()) {
        error = "control stations beyond the normalised radius ORVANDEL transforms (1.9): " + nameList(beyond);
        return false;
    }

    // Weighted least squares through a QR factorisation of the weighted
    // design matrix, rows sqrt(w_j) z_j^k.
    Eigen::MatrixXcd design(count, terms);
    Eigen::VectorXcd rhs(count);
    std::vector<double> root(count);
    for (std::size_t j = 0; j < count; ++j) {
        const StationFit& s = result.stations[j];
        root[j] = std::sqrt(s.weight);
        const Complex z(s.u, s.v);
        Complex power(1.0, 0.0);
        for (std::size_t k = 0; k < terms; ++k) {
            design(static_cast<Eigen::Index>(j), static_cast<Eigen::Index>(k)) = root[j] * power;
            power *= z;
        }
        rhs(static_cast<Eigen::Index>(j)) = root[j] * s.correction;
    }
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXcd> qr(design);
    if (qr.rank() < static_cast<Eigen::Index>(terms)) {
        error = "the control stations do not determine a polynomial of degree " + std::to_string(n) +
                "; lower the degree or add stations";
        return false;
    }
    const Eigen::VectorXcd beta = qr.solve(rhs);
    // The first columns of Q span the weighted design: their rows give the
    // leverages and the change of every residual when one station is left out.
    const Eigen::MatrixXcd q = qr.householderQ() * Eigen::MatrixXcd::Identity(count, terms);

    orvandel::CoefficientModel& model = result.model;
    orvandel::CoefficientHeader& h = model.header;
    h.degree = n;
    h.stationCount = static_cast<int>(count);
    h.direction = dir;
    h.originLat = originLat;
    h.originLon = originLon;
    h.latScale = latScale;
    h.lonScale = lonScale;
    model.coefficients.resize(terms);
    for (std::size_t k = 0; k < terms; ++k) model.coefficients[k] = beta(static_cast<Eigen::Index>(k));

    orvandel::ControlStations& cs = model.control;
    std::vector<double> leverage(count);
    std::vector<std::string> alone;
    for (std::size_t j = 0; j < count; ++j) {
        StationFit& s = result.stations[j];
        s.polyResidual = s.correction - orvandel::evaluatePolynomial(model.coefficients, s.u, s.v);
        cs.u.push_back(s.u);
        cs.v.push_back(s.v);
        cs.residualLat.push_back(s.polyResidual.real());
        cs.residualLon.push_back(s.polyResidual.imag());
        cs.weight.push_back(s.weight);
        leverage[j] = q.row(static_cast<Eigen::Index>(j)).squaredNorm();
        if (1.0 - leverage[j] < 1e-9) alone.push_back(s.name);
    }
    if (!alone.empty()) {
        error = "the polynomial rests on single control stations (" + nameList(alone) +
                "); lower the degree or add stations";
        return false;
    }

    // Leave-one-out of the whole model. Without station i the polynomial
    // changes by a rank-one update, so station j's residual becomes
    // e_j + p_j . f_i with p_j = q_j / sqrt(w_j) and
    // f_i = conj(q_i) sqrt(w_i) e_i / (1 - h_i); the interpolation at i then
    // averages those residuals over the other stations.
    const std::size_t rows = settings.correlations.size();
    std::vector<double> inverseR2(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        const double c = settings.correlations[r];
        inverseR2[r] = c > 0.0 ? 1.0 / (c * c) : 0.0;
    }
    std::vector<Complex> p(count * terms);
    for (std::size_t j = 0; j < count; ++j)
        for (std::size_t k = 0; k < terms; ++k)
            p[j * terms + k] = q(static_cast<Eigen::Index>(j), static_cast<Eigen::Index>(k)) / root[j];
    std::vector<RmsSum> looSums(rows);
    std::vector<Complex> looAll(count * rows);
    std::vector<Complex> f(terms);
    std::vector<double> weightSum(rows);
    std::vector<Complex> meanSum(rows);
    for (std::size_t i = 0; i < count; ++i) {
        const StationFit& si = result.stations[i];
        const Complex scaled = root[i] * si.polyResidual / (1.0 - leverage[i]);
        for (std::size_t k = 0; k < terms; ++k)
            f[k] = std::conj(q(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(k))) * scaled;
        std::fill(weightSum.begin(), weightSum.end(), 0.0);
        std::fill(meanSum.begin(), meanSum.end(), Complex(0.0, 0.0));
        for (std::size_t j = 0; j < count; ++j) {
            if (j == i) continue;
            const StationFit& sj = result.stations[j];
            const double du = si.u - sj.u, dv = si.v - sj.v;
            const double d2 = du * du + dv * dv;
            Complex ej = sj.polyResidual;
            const Complex* pj = &p[j * terms];
            for (std::size_t k = 0; k < terms; ++k) ej += pj[k] * f[k];
            for (std::size_t r = 0; r < rows; ++r) {
                if (inverseR2[r] == 0.0) continue;
                const double g = orvandel::residualWeight(d2 * inverseR2[r], sj.weight);
                weightSum[r] += g;
                meanSum[r] += g * ej;
            }
        }
        const Complex looPoly = si.polyResidual / (1.0 - leverage[i]);
        for (std::size_t r = 0; r < rows; ++r) {
            Complex mean(0.0, 0.0);
            if (inverseR2[r] != 0.0 && std::abs(weightSum[r]) >= kTinyWeightSum) mean = meanSum[r] / weightSum[r];
            looAll[i * rows + r] = looPoly - mean;
            looSums[r].add(looAll[i * rows + r], si.latitude);
        }
    }
    result.table.resize(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        result.table[r].correlation = settings.correlations[r];
        result.table[r].loo = looSums[r].rms();
        if (result.table[r].loo.horizontalMetres < result.table[result.chosen].loo.horizontalMetres) result.chosen = r;
    }
    h.correlation = settings.correlations[result.chosen];

    // In-sample misfits through ORVANDEL's own per-station code.
    std::vector<double> us(count), vs(count);
    std::vector<orvandel::LocatedStation> located(count);
    for (std::size_t j = 0; j < count; ++j) {
        const ControlStation& c = controls[j];
        if (!orvandel::locateStation(model, limits, dir == 1 ? c.nad27Lat : c.ats77Lat,
                                     dir == 1 ? c.nad27Lon : c.ats77Lon, located[j])) {
            error = "control station " + c.name + " is not transformed by the fitted model";
            return false;
        }
        us[j] = located[j].u;
        vs[j] = located[j].v;
    }
    std::vector<Complex> interpolated(count, Complex(0.0, 0.0));
    if (h.correlation != 0.0)
        orvandel::interpolateResiduals(cs, h.correlation, us.data(), vs.data(), count, interpolated.data());
    RmsSum polySum, inSum;
    for (std::size_t j = 0; j < count; ++j) {
        StationFit& s = result.stations[j];
        orvandel::TransformedStation t;
        if (!orvandel::finishStation(model, located[j], interpolated[j], t)) {
            error = "control station " + s.name + " gives no finite result";
            return false;
        }
        s.misfit = {(t.latitude - targetLat[j]) * 3600.0, (t.longitude - targetLon[j]) * 3600.0};
        s.looMisfit = looAll[j * rows + result.chosen];
        polySum.add(s.polyResidual, s.latitude);
        inSum.add(s.misfit, s.latitude);
    }
    result.polynomial = polySum.rms();
    result.inSample = inSum.rms();
    result.leaveOneOut = result.table[result.chosen].loo;
    result.sigma = result.leaveOneOut.horizontalMetres;
    return true;
}

}  // namespace orvfit
