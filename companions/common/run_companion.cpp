#include "common/run_companion.h"

#include <exception>
#include <iostream>
#include <new>

namespace companion {

int runCompanion(std::string_view programName, const std::function<void()>& run) {
  try {
    run();
    return 0;
  } catch (const std::bad_alloc&) {
    std::cerr << programName << ": out of memory\n";
  } catch (const std::exception& error) {
    std::cerr << programName << ": " << error.what() << "\n";
  } catch (...) {
    std::cerr << programName << ": unexpected failure\n";
  }
  return 1;
}

}  // namespace companion
