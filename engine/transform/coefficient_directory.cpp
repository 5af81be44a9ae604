#include "transform/coefficient_directory.h"

#include "common/program_stop.h"
#include "dialogue/transformation_table.h"

namespace orvandel {

std::string coefficientDirectory(const char* datafileValue) {
    std::string dir = datafileValue ? datafileValue : "";
    const auto end = dir.find_last_not_of(" \t");
    if (end == std::string::npos) failRun("ENVIRONMENT VARIABLE DATAFILE IS NOT SET");
    dir.resize(end + 1);
    // A value that already ends in a separator gets none added; the
    // backslash that ends a value written for the platform the data comes
    // from stands for the separator here.
    if (dir.back() == '\\') dir.back() = '/';
    if (dir.back() != '/') dir += '/';
    return dir;
}

std::string coefficientPath(const std::string& directory, int transformation) {
    if (coefficientFileName(transformation).empty()) {
        failRun("INVALID TRANSFORMATION NUMBER " + std::to_string(transformation) + " IN TEMP2.DAT");
    }
    return directory + coefficientFileName(transformation);
}

}  // namespace orvandel
