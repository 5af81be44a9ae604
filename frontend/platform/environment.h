#pragma once

#include <string>

namespace kartovex {

// The value of an environment variable, empty when unset.
std::string GetEnvironment(const std::string& name);
// Sets it for this process and the programs it starts.
bool SetEnvironment(const std::string& name, const std::string& value);

}  // namespace kartovex
