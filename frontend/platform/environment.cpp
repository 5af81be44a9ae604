#include "platform/environment.h"

#include <cstdlib>

namespace kartovex {

std::string GetEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? std::string(value) : std::string();
}

bool SetEnvironment(const std::string& name, const std::string& value) {
  return ::setenv(name.c_str(), value.c_str(), 1) == 0;
}

}  // namespace kartovex
