#pragma once
// Building a fixed-column output line: text placed at a 1-based column,
// the gap before it filled with blanks.
#include <string>
#include <string_view>

namespace records {

class RecordLine {
public:
    // Writes text starting at column `first`, overwriting what is there.
    RecordLine& put(int first, std::string_view text);
    // Appends text after the current end of the line.
    RecordLine& append(std::string_view text);
    const std::string& str() const { return line_; }

private:
    std::string line_;
};

}  // namespace records
