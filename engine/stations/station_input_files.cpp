#include "stations/station_input_files.h"

namespace orvandel {

void StationInputFiles::create(const RunContext& context, const std::string& title) {
    temp1.create(context.file("TEMP1.DAT"));
    temp2.create(context.file("TEMP2.DAT"));
    report.create(context.file("ORVANDEL.OUT"));
    temp2.line(title);
}

void StationInputFiles::close() {
    temp1.close();
    temp2.close();
    report.close();
}

}  // namespace orvandel
