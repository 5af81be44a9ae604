#include "geodesy/mpmsg.h"

#include <cstdio>
#include <initializer_list>

namespace geodesy {

namespace {

// First-line text, then the further lines, per code 1 to 11. The ranges are
// fixed texts, not derived from the limit tables.
std::vector<const char*> textOf(int code) {
    switch (code) {
        case 1: return {" -INVALID CODE", "MUST BE EITHER A 0 OR 1", "NO COMPUTATIONS PERFORMED"};
        case 2: return {" -INVALID PROJ", "MUST BE ANY OF 1,2,3,4  11,12,13,14", "NO COMPUTATIONS PERFORMED"};
        case 3:
            return {" -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF NEW BRUNSWICK",
                    "LATITUDE/LONGITUDE RANGE IS 44-00 TO 48-30  AND  63-00 TO 69-30    POSITIVE NORTH AND EAST",
                    "NORTHING/EASTING RANGE IS 526,616 TO 1,028,192  AND  59,317 TO 580,785    METRES",
                    "COMPUTATIONS PERFORMED"};
        case 4:
            return {" -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF NOVA SCOTIA",
                    "LATITUDE/LONGITUDE RANGE IS 43-22 TO 47-14  AND  59-00 TO 67-00    POSITIVE NORTH AND EAST",
                    "NORTHING/EASTING RANGE IS 4,804,066 TO 5,235,695  AND  4,386,426 TO 4,702,619    METRES  (ZONE 4)",
                    "NORTHING/EASTING RANGE IS 4,804,066 TO 5,235,695  AND  5,297,380 TO 5,613,573    METRES  (ZONE 5)",
                    "COMPUTATIONS PERFORMED"};
        case 5:
            return {" -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF PRINCE EDWARD ISLAND",
                    "LATITUDE/LONGITUDE RANGE IS 45-55 TO 47-05  AND  61-56 TO 64-28    POSITIVE NORTH AND EAST",
                    "NORTHING/EASTING RANGE IS 282,781 TO 382,016  AND  587,528 TO 779,860    METRES",
                    "COMPUTATIONS PERFORMED"};
        case 6:
            return {" -LATITUDE/LONGITUDE OR NORTHING/EASTING OUTSIDE OF MARITIMES",
                    "LATITUDE/LONGITUDE RANGE IS 43-22 TO 48-05  AND  59-00 TO 69-15    POSITIVE NORTH AND EAST",
                    "NORTHING/EASTING RANGE IS 4,801,348 TO 5,330,992  AND  216,566 TO 783,434    METRES  (U.T.M.)",
                    "COMPUTATIONS PERFORMED"};
        case 7:
            return {" -MERIDN NOT PRINCIPAL ZONE FOR N.S. M.T.M",
                    "VALUES ARE 61-30 WEST FOR ZONE 4  AND  64-30 WEST FOR ZONE 5", "COMPUTATIONS PERFORMED"};
        case 8: return {" -MERIDN NOT PRINCIPAL ZONE FOR U.T.M", "COMPUTATIONS PERFORMED"};
        case 9:
            return {" -MAIN DIAGONAL ELEMENT OF OUTPUT COVARIANCE MATRIX LESS THAN OR EQUAL TO ZERO",
                    "NO COMPUTATIONS PERFORMED"};
        case 10: return {" -OUTPUT COVARIANCE MATRIX NOT SYMMETRIC", "NO COMPUTATIONS PERFORMED"};
        case 11: return {" -OUTPUT COVARIANCE MATRIX NOT POSITIVE DEFINITE", "NO COMPUTATIONS PERFORMED"};
        default: return {};
    }
}

}  // namespace

std::vector<std::string> mpmsgLines(int code, std::string_view carriageControl) {
    const std::vector<const char*> text = textOf(code);
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    char number[8];
    std::snprintf(number, sizeof number, "%3d", code);
    lines.push_back(std::string(carriageControl.substr(0, 1)) + "     MPCORD RETURNED A MESSAGE CODE" + number +
                    text[0]);
    for (std::size_t i = 1; i < text.size(); ++i) lines.push_back(std::string("     ") + text[i]);
    lines.emplace_back();
    lines.emplace_back();
    return lines;
}

int MPMSG(int code, std::ostream& out, std::string_view carriageControl) {
    const std::vector<std::string> lines = mpmsgLines(code, carriageControl);
    for (const std::string& line : lines) out << line << '\n';
    return static_cast<int>(lines.size());
}

}  // namespace geodesy
