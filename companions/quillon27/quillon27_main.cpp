// QUILLON27: NAD27 conversions between coordinate forms for New Brunswick,
// Nova Scotia and Prince Edward Island.
#include <filesystem>
#include <iostream>

#include "common/run_companion.h"
#include "quillon27/quillon27_run.h"

int main() {
  return companion::runCompanion(
      "QUILLON27", [] { quillon27::runQuillon27(std::cin, std::filesystem::current_path()); });
}
