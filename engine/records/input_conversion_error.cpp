#include "records/input_conversion_error.h"

namespace records {

namespace {

std::string describe(const std::string& text, int first, int last) {
    return "INPUT CONVERSION ERROR IN COLUMNS " + std::to_string(first) + " TO " + std::to_string(last) + ": '" + text +
           "'";
}

}  // namespace

InputConversionError::InputConversionError(std::string fieldText, int firstColumn, int lastColumn)
    : std::runtime_error(describe(fieldText, firstColumn, lastColumn)),
      fieldText_(std::move(fieldText)),
      firstColumn_(firstColumn),
      lastColumn_(lastColumn) {}

}  // namespace records
