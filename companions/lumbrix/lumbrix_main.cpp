// LUMBRIX: grid-shift interpolation between ATS77 or NAD27 and NAD83 on the
// grid-shift file named in its dialogue (standard input).
#include <iostream>

#include "lumbrix_run.h"

int main() { return lumbrix::run(std::cin, std::cerr); }
