#include "platform/environment.h"

#include <cstdlib>

namespace kartovex {

std::string GetEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? std::string(value) : std::string();
}

}  // namespace kartovex
