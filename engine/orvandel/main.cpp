// ORVANDEL: datum transformation between NAD27 and ATS77 for one province.
#include <iostream>

#include "orvandel/run_orvandel.h"

int main() {
    std::ios::sync_with_stdio(false);
    return orvandel::runOrvandel(std::cin, std::cout, std::cerr, ".");
}
