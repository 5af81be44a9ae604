#pragma once
// The first line of the data text file of every route row and province on
// the demo installation's sample files.

#include <map>
#include <string>

namespace e2e {

inline const std::map<std::string, std::string>& GoldenFirstLines() {
  static const std::map<std::string, std::string> lines = {
  };
  return lines;
}

}  // namespace e2e
