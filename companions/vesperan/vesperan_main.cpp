// VESPERAN: coordinate forms on ATS77 and NAD83 (CSRS) for New Brunswick,
// Nova Scotia and Prince Edward Island.
#include <proj.h>

#include <filesystem>
#include <iostream>

#include "common/run_companion.h"
#include "vesperan/vesperan_run.h"

int main() {
  const int status = companion::runCompanion(
      "VESPERAN", [] { vesperan::runVesperan(std::cin, std::filesystem::current_path()); });
  proj_cleanup();
  return status;
}
