#pragma once
// The options fixed by the console dialogue and handed to the stages.
#include <string>

namespace orvandel {

struct RunOptions {
    int transformation = 0;        // 1 to 6
    int coordinateType = 0;        // 1 geographic, 2 grid feet, 3 grid metres, 4 NAD27 UTM
    int zone = 0;                  // NS MTM zone; 0 when not asked
    double centralMeridian = 0.0;  // UTM, degrees
    std::string title = std::string(80, ' ');
    std::string province = "   ";  // "NB ", "NS " or "PEI"
    char unit = ' ';               // F, M, U or R (grid input only)
    std::string date = std::string(11, ' ');
};

}  // namespace orvandel
