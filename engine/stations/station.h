#pragma once
// One station as read from an input record.
#include <string>

namespace orvandel {

struct GeographicStation {
    std::string name = std::string(9, ' ');
    int latDegrees = 0;
    int latMinutes = 0;
    float latSeconds = 0.0F;  // records are read into single precision
    int lonDegrees = 0;       // positive west
    int lonMinutes = 0;
    float lonSeconds = 0.0F;
    double elevation = 0.0;
};

struct GridStation {
    std::string name = std::string(9, ' ');
    double northing = 0.0;
    double easting = 0.0;
    double elevation = 0.0;
};

inline bool isBlankName(const std::string& name) { return name.find_first_not_of(' ') == std::string::npos; }

}  // namespace orvandel
