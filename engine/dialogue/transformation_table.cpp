#include "dialogue/transformation_table.h"

#include <array>

namespace orvandel {

namespace {

bool valid(int t) { return t >= 1 && t <= 6; }

}  // namespace

std::string provinceCode(int transformation) {
    static const std::array<const char*, 6> codes{"NB ", "NS ", "PEI", "NB ", "NS ", "PEI"};
    return valid(transformation) ? codes[transformation - 1] : "   ";
}

std::string transformationLabel(int transformation) {
    static const std::array<const char*, 6> labels{"NB NAD27 TO NB ATS77  ", "NS NAD27 TO NS ATS77  ",
                                                   "PEI NAD27 TO PEI ATS77", "NB ATS77 TO NB NAD27  ",
                                                   "NS ATS77 TO NS NAD27  ", "PEI ATS77 TO PEI NAD27"};
    return valid(transformation) ? labels[transformation - 1] : std::string(22, ' ');
}

std::string coordinateTypeLabel(int coordinateType) {
    static const std::array<const char*, 4> labels{"LATITUDE & LONGITUDE       ", "NORTHING & EASTING (FEET)  ",
                                                   "NORTHING & EASTING (METRES)", "NORTHING & EASTING (UTM)   "};
    return coordinateType >= 1 && coordinateType <= 4 ? labels[coordinateType - 1] : std::string(27, ' ');
}

std::string coefficientFileName(int transformation) {
    static const std::array<const char*, 6> files{"TRNB2777.DAT", "TRNS2777.DAT", "TRPE2777.DAT",
                                                  "TRNB7727.DAT", "TRNS7727.DAT", "TRPE7727.DAT"};
    return valid(transformation) ? files[transformation - 1] : "";
}

long long workspaceCapacity(int transformation) {
    static const std::array<long long, 3> capacity{76086, 86141, 18856};
    return valid(transformation) ? capacity[(transformation - 1) % 3] : 0;
}

}  // namespace orvandel
