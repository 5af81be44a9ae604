#pragma once
// What every stage of a run works with: the console, the directory that
// holds the work files, and the run date of the report headers.
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>

#include "geodesy/mpcord.h"

namespace orvandel {

struct RunContext {
    std::istream& in;
    std::ostream& screen;
    std::filesystem::path workDir;
    std::string date;  // 11 characters
    // The Nova Scotia zone meridian the projections carry from station to
    // station; it changes as the run goes while the rest stays fixed.
    mutable geodesy::ZoneMemory zones{};

    // A work file of the run, e.g. "TEMP1.DAT".
    std::string file(const std::string& name) const { return (workDir / name).string(); }
};

// The report header line shared by the stages: page character (blank or
// form feed), then `gap` blanks, the title, " DATE " and the run date.
inline std::string titleLine(char pageCharacter, int gap, const std::string& title, const std::string& date) {
    std::string line(1, pageCharacter);
    line.append(static_cast<std::size_t>(gap), ' ');
    line.append(title);
    line.append(" DATE ");
    line.append(date);
    return line;
}

inline constexpr char kFormFeed = '\f';

}  // namespace orvandel
