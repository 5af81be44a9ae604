#pragma once
// Malformed numeric input in a fixed-column record. The program catches it
// at the top, prints what() on one line and ends with a non-zero status.
#include <stdexcept>
#include <string>

namespace records {

class InputConversionError : public std::runtime_error {
public:
    InputConversionError(std::string fieldText, int firstColumn, int lastColumn);

    const std::string& fieldText() const { return fieldText_; }
    int firstColumn() const { return firstColumn_; }
    int lastColumn() const { return lastColumn_; }

private:
    std::string fieldText_;
    int firstColumn_;
    int lastColumn_;
};

}  // namespace records
