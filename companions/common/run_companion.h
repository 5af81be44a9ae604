#pragma once
// The frame of every companion program's main(): a CompanionError (or any
// other failure) becomes one line "NAME: text" on standard error and exit
// status 1. A write past the file-size limit is such a failure, not a signal.
#include <functional>
#include <string_view>

namespace companion {

// Makes a write past the file-size limit fail with EFBIG instead of ending
// the process by SIGXFSZ.
void ignoreFileSizeSignal();

int runCompanion(std::string_view programName, const std::function<void()>& run);

}  // namespace companion
