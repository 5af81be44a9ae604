#pragma once
// Coefficient files on disk: two unformatted sequential records, each a
// 4-byte little-endian length, the bytes, the same length again. Record 1:
// three int32 and nine float64; record 2: the model values as float64.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "transform/coefficient_model.h"

namespace orvandel {

// Reads the two records one at a time, as the transformation needs them.
// Any framing, length or value-range fault ends the run naming the file.
class CoefficientFileReader {
public:
    // A missing file ends the run.
    explicit CoefficientFileReader(const std::string& path);

    CoefficientHeader readHeader();
    // Fills the control stations, coefficients and last value.
    void readValues(CoefficientModel& model);

private:
    std::vector<unsigned char> readRecord(std::uint32_t expectedLength, const char* which);

    std::string path_;
    std::ifstream file_;
};

// Whole model at once (the coefficient tool).
CoefficientModel readCoefficientFile(const std::string& path);

// Writes a model; false when the file cannot be written.
bool writeCoefficientFile(const std::string& path, const CoefficientModel& model);

}  // namespace orvandel
