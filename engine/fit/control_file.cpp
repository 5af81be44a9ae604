#include "fit/control_file.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace orvfit {

namespace {

// One line without its line end (LF, CR LF or a lone CR); false at the end.
bool readLine(std::istream& in, std::string& line) {
    line.clear();
    int c = in.get();
    if (c == std::char_traits<char>::eof()) return false;
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
        line += static_cast<char>(c);
        c = in.get();
    }
    if (c == '\r' && in.peek() == '\n') in.get();
    return true;
}

bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

std::string trimmed(const std::string& s) {
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// An unsigned decimal number, digits with at most one point; blanks
// around it are allowed.
std::optional<double> decimal(const std::string& field, bool integerOnly) {
    const std::string t = trimmed(field);
    if (t.empty()) return std::nullopt;
    int points = 0, digits = 0;
    for (char c : t) {
        if (c == '.')
            ++points;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > (integerOnly ? 0 : 1)) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

struct Angle {
    const char* what;
    double maxDegrees;
};

class LineFields {
public:
    LineFields(const std::string& line, const std::string& delimiter) : line_(line), delimiter_(delimiter) {}

    bool take(std::string& field) {
        const std::size_t at = line_.find(delimiter_, pos_);
        if (at == std::string::npos) return false;
        field = line_.substr(pos_, at - pos_);
        pos_ = at + delimiter_.size();
        return true;
    }
    // The rest of the line, and whether anything was left at all.
    std::string rest() const { return line_.substr(pos_); }

private:
    const std::string& line_;
    const std::string& delimiter_;
    std::size_t pos_ = 0;
};

}  // namespace

bool readControls(std::istream& in, const std::string& source, const std::string& delimiter,
                  std::vector<ControlStation>& stations, std::vector<std::string>& errors) {
    const std::size_t errorsBefore = errors.size();
    std::map<std::string, long> seen;
    std::string line;
    long number = 0;
    while (readLine(in, line)) {
        ++number;
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (blank(line)) break;
        const std::string where = source + " line " + std::to_string(number) + ": ";
        auto bad = [&](const std::string& what) { errors.push_back(where + what); };

        LineFields fields(line, delimiter);
        std::string f[13];
        bool complete = true;
        for (int i = 0; i < 12 && complete; ++i) complete = fields.take(f[i]);
        if (!complete) {
            bad("too few fields (13 needed: name, then degrees, minutes and seconds of the NAD27 "
                "latitude and longitude and of the ATS77 latitude and longitude)");
            continue;
        }
        std::string weightText;
        bool hasWeight = false;
        if (fields.take(f[12])) {
            hasWeight = true;
            const std::string rest = fields.rest();
            weightText = rest;
            if (rest.find(delimiter) != std::string::npos) {
                bad("too many fields (at most 14: the 14th is the weight)");
                continue;
            }
        } else {
            f[12] = fields.rest();
        }

        ControlStation s;
        s.line = number;
        s.name = f[0];
        if (blank(s.name) || s.name.size() > kMaxNameLength) {
            bad("station name '" + s.name + "' must have 1 to " + std::to_string(kMaxNameLength) + " characters");
            continue;
        }
        static const Angle angles[4] = {
            {"NAD27 latitude", 89.0}, {"NAD27 longitude", 179.0}, {"ATS77 latitude", 89.0}, {"ATS77 longitude", 179.0}};
        double* const values[4] = {&s.nad27Lat, &s.nad27Lon, &s.ats77Lat, &s.ats77Lon};
        bool ok = true;
        for (int a = 0; a < 4 && ok; ++a) {
            const std::string& dText = f[1 + 3 * a];
            const std::string& mText = f[2 + 3 * a];
            const std::string& sText = f[3 + 3 * a];
            const auto d = decimal(dText, true);
            const auto m = decimal(mText, true);
            const auto sec = decimal(sText, false);
            const std::string what = angles[a].what;
            if (!d || *d > angles[a].maxDegrees) {
                bad(what + " degrees '" + dText + "' must be a whole number from 0 to " +
                    std::to_string(static_cast<int>(angles[a].maxDegrees)));
                ok = false;
            } else if (!m || *m >= 60.0) {
                bad(what + " minutes '" + mText + "' must be a whole number less than 60");
                ok = false;
            } else if (!sec || *sec >= 60.0) {
                bad(what + " seconds '" + sText + "' must be a number less than 60");
                ok = false;
            } else {
                *values[a] = *d + *m / 60.0 + *sec / 3600.0;
            }
        }
        if (!ok) continue;
        if (hasWeight && !blank(weightText)) {
            const auto w = decimal(weightText, false);
            if (!w || *w <= 0.0) {
                bad("weight '" + weightText + "' must be a number greater than 0");
                continue;
            }
            s.weight = *w;
        }
        const auto [it, inserted] = seen.emplace(s.name, number);
        if (!inserted) {
            bad("station name '" + s.name + "' is already used on line " + std::to_string(it->second));
            continue;
        }
        stations.push_back(std::move(s));
    }
    return errors.size() == errorsBefore;
}

}  // namespace orvfit
