// orvandel-fit: fits a province's coefficient file (or both of its files)
// to control stations known in NAD27 and ATS77, and reports the fit.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialogue/transformation_table.h"
#include "fit/control_file.h"
#include "fit/fit_report.h"
#include "fit/model_fit.h"
#include "transform/coefficient_file.h"

namespace {

const char* const kUsage =
    "usage: orvandel-fit --province NB|NS|PEI (--direction 1|2 | --both) --controls FILE\n"
    "                    [--delimiter TEXT] [--degree N] [--origin LAT,LON] [--scale SU,SV]\n"
    "                    [--R DISTANCE | --R-range MIN:MAX:COUNT]\n"
    "                    [--out FILE.DAT] [--report FILE.TXT] [--dir DIRECTORY]\n"
    "\n"
    "  --province      the province of the model\n"
    "  --direction     1 NAD27 to ATS77, 2 ATS77 to NAD27; --both fits and writes both\n"
    "  --controls      control stations: name, NAD27 lat d,m,s, lon d,m,s, ATS77 lat d,m,s,\n"
    "                  lon d,m,s [, weight] (longitudes positive west)\n"
    "  --delimiter     field delimiter of the control file (default \",\")\n"
    "  --degree        degree of the complex polynomial, 0 to 5 (default 3)\n"
    "  --origin        origin in degrees, latitude north, longitude west (default: centre\n"
    "                  of the controls)\n"
    "  --scale         normalised units per degree of latitude and longitude (default: the\n"
    "                  controls' extent, all of them in the unit disk)\n"
    "  --R             correlation distance in normalised units (0: no interpolation)\n"
    "  --R-range       distances tried by leave-one-out cross-validation, logarithmic\n"
    "                  spacing (linear when MIN is 0); default 0 and 0.01:0.5:12\n"
    "  --out           coefficient file (default: its standard name, such as TRNB2777.DAT,\n"
    "                  in --dir)\n"
    "  --report        report file (default: the coefficient file's name with _FIT.TXT)\n"
    "  --dir           directory of the default file names (default: the current one)\n"
    "--out and --report name one direction's files and cannot go with --both.\n";

int usage(const std::string& problem) {
    std::cerr << "orvandel-fit: " << problem << "\n" << kUsage;
    return 2;
}

bool number(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end == text.c_str() + text.size() && std::isfinite(value);
}

bool pair(const std::string& text, std::pair<double, double>& value) {
    const std::size_t comma = text.find(',');
    return comma != std::string::npos && number(text.substr(0, comma), value.first) &&
           number(text.substr(comma + 1), value.second);
}

std::string reportPathFor(const std::string& coefficients) {
    std::string base = coefficients;
    const std::size_t slash = base.find_last_of('/');
    const std::size_t dot = base.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) base.erase(dot);
    return base + "_FIT.TXT";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string province, controlsPath, delimiter = ",", out, report, dir;
    std::optional<int> direction;
    bool both = false;
    orvfit::FitSettings settings;
    bool haveR = false, haveRange = false;
    if (args.empty()) return usage("no arguments");
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--both") {
            both = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (i + 1 >= args.size()) return usage("'" + a + "' needs a value");
        const std::string value = args[++i];
        double d = 0;
        if (a == "--province") {
            province = value;
        } else if (a == "--direction") {
            if (value != "1" && value != "2") return usage("--direction must be 1 or 2");
            direction = value == "1" ? 1 : 2;
        } else if (a == "--controls") {
            controlsPath = value;
        } else if (a == "--delimiter") {
            if (value.empty()) return usage("--delimiter must not be empty");
            delimiter = value == "\\t" ? "\t" : value;
        } else if (a == "--degree") {
            if (!number(value, d) || d != static_cast<int>(d) || d < 0 || d > 5)
                return usage("--degree must be a whole number from 0 to 5");
            settings.degree = static_cast<int>(d);
        } else if (a == "--origin") {
            std::pair<double, double> p;
            if (!pair(value, p)) return usage("--origin must be LAT,LON in degrees");
            settings.origin = p;
        } else if (a == "--scale") {
            std::pair<double, double> p;
            if (!pair(value, p) || p.first <= 0 || p.second <= 0)
                return usage("--scale must be SU,SV, both greater than 0");
            settings.scale = p;
        } else if (a == "--R") {
            if (!number(value, d) || d < 0) return usage("--R must be 0 or a positive distance");
            settings.correlations = {d};
            haveR = true;
        } else if (a == "--R-range") {
            const std::size_t c1 = value.find(':');
            const std::size_t c2 = c1 == std::string::npos ? c1 : value.find(':', c1 + 1);
            double lo = 0, hi = 0, count = 0;
            if (c2 == std::string::npos || !number(value.substr(0, c1), lo) ||
                !number(value.substr(c1 + 1, c2 - c1 - 1), hi) || !number(value.substr(c2 + 1), count) ||
                count != static_cast<int>(count) || count < 1 || count > 1000)
                return usage("--R-range must be MIN:MAX:COUNT");
            settings.correlations = orvfit::correlationRange(lo, hi, static_cast<int>(count));
            if (settings.correlations.empty()) return usage("--R-range needs 0 <= MIN <= MAX");
            haveRange = true;
        } else if (a == "--out") {
            out = value;
        } else if (a == "--report") {
            report = value;
        } else if (a == "--dir") {
            dir = value;
        } else {
            return usage("unknown option '" + a + "'");
        }
    }
    if (province == "NB")
        settings.province = 1;
    else if (province == "NS")
        settings.province = 2;
    else if (province == "PEI")
        settings.province = 3;
    else
        return usage(province.empty() ? "--province is missing" : "--province must be NB, NS or PEI");
    if (both == direction.has_value()) return usage("give either --direction or --both");
    if (controlsPath.empty()) return usage("--controls is missing");
    if (haveR && haveRange) return usage("give --R or --R-range, not both");
    if (both && (!out.empty() || !report.empty())) return usage("--out and --report name one direction's files");
    if (!haveR && !haveRange) settings.correlations = orvfit::defaultCorrelations();

    std::ifstream in(controlsPath, std::ios::binary);
    if (!in) {
        std::cerr << "orvandel-fit: cannot open '" << controlsPath << "'\n";
        return 1;
    }
    std::vector<orvfit::ControlStation> controls;
    std::vector<std::string> errors;
    if (!orvfit::readControls(in, controlsPath, delimiter, controls, errors)) {
        for (const std::string& e : errors) std::cerr << "orvandel-fit: " << e << '\n';
        std::cerr << "orvandel-fit: " << errors.size() << " bad line(s); nothing written\n";
        return 1;
    }

    std::vector<int> directions = both ? std::vector<int>{1, 2} : std::vector<int>{*direction};
    // Fit every direction before writing anything.
    std::vector<orvfit::FitResult> results(directions.size());
    for (std::size_t k = 0; k < directions.size(); ++k) {
        settings.direction = directions[k];
        std::string error;
        if (!orvfit::fitModel(controls, settings, results[k], error)) {
            std::cerr << "orvandel-fit: direction " << directions[k] << ": " << error << '\n';
            return 1;
        }
    }
    for (std::size_t k = 0; k < directions.size(); ++k) {
        const orvfit::FitResult& result = results[k];
        std::string folder = dir.empty() ? "" : (dir.back() == '/' ? dir : dir + "/");
        const std::string coefficients =
            out.empty() ? folder + orvandel::coefficientFileName(result.transformation) : out;
        const std::string reportPath = report.empty() ? reportPathFor(coefficients) : report;
        if (!orvandel::writeCoefficientFile(coefficients, result.model)) {
            std::cerr << "orvandel-fit: cannot write '" << coefficients << "'\n";
            return 1;
        }
        orvfit::ReportContext context{controlsPath, coefficients, true};
        std::ofstream reportFile(reportPath, std::ios::binary | std::ios::trunc);
        if (reportFile) orvfit::writeFitReport(reportFile, result, context);
        if (!reportFile) {
            std::cerr << "orvandel-fit: cannot write '" << reportPath << "'\n";
            return 1;
        }
        context.stationTable = false;
        if (k > 0) std::cout << '\n';
        orvfit::writeFitReport(std::cout, result, context);
        std::cout << "  Report file                     " << reportPath << '\n';
    }
    return 0;
}
