#pragma once

#include <string>

namespace kartovex {

// The value of an environment variable, empty when unset.
std::string GetEnvironment(const std::string& name);

}  // namespace kartovex
