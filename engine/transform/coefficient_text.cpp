#include "transform/coefficient_text.h"

#include <cstdio>
#include <sstream>

#include "common/text_input.h"

namespace orvandel {

namespace {

std::string g17(double d) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", d);
    return buf;
}

// Reads exactly `count` numbers and nothing else from the rest of the line.
template <typename... T>
bool values(std::istringstream& in, T&... out) {
    ((in >> out), ...);
    if (in.fail()) return false;
    std::string extra;
    return !(in >> extra);
}

}  // namespace

bool parseCoefficientText(std::istream& in, CoefficientModel& model, std::string& error) {
    model = CoefficientModel();
    CoefficientHeader& h = model.header;
    ControlStations& c = model.control;
    bool haveDegree = false;
    std::string line;
    int lineNumber = 0;
    while (readLine(in, line)) {
        ++lineNumber;
        std::istringstream fields(line);
        std::string key;
        if (!(fields >> key) || key[0] == '#') continue;
        bool ok = true;
        if (key == "DEGREE") {
            ok = values(fields, h.degree) && h.degree >= 0 && h.degree <= 5;
            haveDegree = ok;
        } else if (key == "DIRECTION") {
            ok = values(fields, h.direction);
        } else if (key == "CORRELATION") {
            ok = values(fields, h.correlation);
        } else if (key == "ORIGIN") {
            ok = values(fields, h.originLat, h.originLon);
        } else if (key == "OFFSET") {
            ok = values(fields, h.latOffset, h.lonOffset);
        } else if (key == "SCALE") {
            ok = values(fields, h.latScale, h.lonScale);
        } else if (key == "DIVISOR") {
            ok = values(fields, h.latDivisor, h.lonDivisor);
        } else if (key == "COEFFICIENT") {
            int k = 0;
            double re = 0, im = 0;
            ok = values(fields, k, re, im) && k == static_cast<int>(model.coefficients.size());
            if (ok) model.coefficients.emplace_back(re, im);
        } else if (key == "STATION") {
            double u = 0, v = 0, rl = 0, rn = 0, w = 0;
            ok = values(fields, u, v, rl, rn, w);
            if (ok) {
                c.u.push_back(u);
                c.v.push_back(v);
                c.residualLat.push_back(rl);
                c.residualLon.push_back(rn);
                c.weight.push_back(w);
            }
        } else if (key == "LAST") {
            ok = values(fields, model.lastValue);
        } else {
            ok = false;
        }
        if (!ok) {
            error = "line " + std::to_string(lineNumber) + ": cannot read '" + line + "'";
            return false;
        }
    }
    if (!haveDegree) {
        error = "no DEGREE line";
        return false;
    }
    if (static_cast<int>(model.coefficients.size()) != h.degree + 1) {
        error = "DEGREE " + std::to_string(h.degree) + " needs " + std::to_string(h.degree + 1) +
                " COEFFICIENT lines, found " + std::to_string(model.coefficients.size());
        return false;
    }
    h.stationCount = static_cast<int>(c.size());
    return true;
}

void printCoefficientText(std::ostream& out, const CoefficientModel& model) {
    const CoefficientHeader& h = model.header;
    out << "DEGREE " << h.degree << '\n';
    out << "DIRECTION " << h.direction << '\n';
    out << "CORRELATION " << g17(h.correlation) << '\n';
    out << "ORIGIN " << g17(h.originLat) << ' ' << g17(h.originLon) << '\n';
    out << "OFFSET " << g17(h.latOffset) << ' ' << g17(h.lonOffset) << '\n';
    out << "SCALE " << g17(h.latScale) << ' ' << g17(h.lonScale) << '\n';
    out << "DIVISOR " << g17(h.latDivisor) << ' ' << g17(h.lonDivisor) << '\n';
    for (std::size_t k = 0; k < model.coefficients.size(); ++k) {
        out << "COEFFICIENT " << k << ' ' << g17(model.coefficients[k].real()) << ' '
            << g17(model.coefficients[k].imag()) << '\n';
    }
    const ControlStations& c = model.control;
    for (std::size_t j = 0; j < c.size(); ++j) {
        out << "STATION " << g17(c.u[j]) << ' ' << g17(c.v[j]) << ' ' << g17(c.residualLat[j]) << ' '
            << g17(c.residualLon[j]) << ' ' << g17(c.weight[j]) << '\n';
    }
    out << "LAST " << g17(model.lastValue) << '\n';
}

}  // namespace orvandel
