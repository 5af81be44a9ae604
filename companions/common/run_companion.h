#pragma once
// The frame of every companion program's main(): a CompanionError (or any
// other failure) becomes one line "NAME: text" on standard error and exit
// status 1.
#include <functional>
#include <string_view>

namespace companion {

int runCompanion(std::string_view programName, const std::function<void()>& run);

}  // namespace companion
