#include "common/run_companion.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <string>

namespace companion {

namespace {

// The reason is one console line, whatever text of a record it quotes.
std::string oneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return line;
}

}  // namespace

void ignoreFileSizeSignal() {
  // Past a file-size limit the kernel would end the program without a word;
  // ignored, the write fails with EFBIG and the program says so.
  std::signal(SIGXFSZ, SIG_IGN);
}

int runCompanion(std::string_view programName, const std::function<void()>& run) {
  ignoreFileSizeSignal();
  try {
    run();
    return 0;
  } catch (const std::bad_alloc&) {
    std::cerr << programName << ": out of memory\n";
  } catch (const std::exception& error) {
    std::cerr << programName << ": " << oneLine(error.what()) << "\n";
  } catch (...) {
    std::cerr << programName << ": unexpected failure\n";
  }
  return 1;
}

}  // namespace companion
