// LUMBRIX: grid-shift interpolation between ATS77 or NAD27 and NAD83 on the
// grid-shift file named in its dialogue (standard input).
#include <csignal>
#include <iostream>

#include "lumbrix_run.h"

int main() {
  // Past a file-size limit the write fails with EFBIG and LUMBRIX reports it,
  // instead of being ended by SIGXFSZ without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  return lumbrix::run(std::cin, std::cerr);
}
