#include "low/low.h"
#include "high/high.h"  // reaches above low/

int Low() { return High(); }
