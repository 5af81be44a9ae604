#pragma once
// The three files the station input stage writes, whatever the input:
// TEMP1.DAT, TEMP2.DAT (the run's title first) and the input listing that
// opens ORVANDEL.OUT.
#include <string>

#include "common/run_context.h"
#include "common/text_files.h"

namespace orvandel {

struct StationInputFiles {
    OutputFile temp1, temp2, report;

    // Creates or replaces all three and writes the title line.
    void create(const RunContext& context, const std::string& title);
    void close();
};

}  // namespace orvandel
