#pragma once
// Ends the run early: a stop code, an end of input or a missing file. Only
// the main program catches it; what was written before stays on disk.
#include <stdexcept>
#include <string>

namespace orvandel {

class ProgramStop : public std::runtime_error {
public:
    // status: the process exit status; message: one line for standard
    // error, empty for a silent stop.
    ProgramStop(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

// Exit status of input-conversion errors, end of input and missing files.
inline constexpr int kFailureStatus = 2;

[[noreturn]] inline void failRun(const std::string& message) { throw ProgramStop(kFailureStatus, message); }

}  // namespace orvandel

#include "records/input_conversion_error.h"

namespace orvandel {

// Runs `read` (a record parse); an input-conversion error ends the run with
// a message naming the file or source and the record number.
template <typename Read>
auto withRecordContext(const std::string& source, long long recordNumber, Read&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const records::InputConversionError& e) {
        failRun(source + " RECORD " + std::to_string(recordNumber) + ": " + e.what());
    }
}

}  // namespace orvandel
