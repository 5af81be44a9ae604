#pragma once
// The fit report: counts, RMS figures, the cross-validation table of R, the
// worst stations and a warning for every station over 3 sigma. The file
// form adds every station's misfits, in metres to 0.01 mm.
#include <ostream>
#include <string>

#include "fit/model_fit.h"

namespace orvfit {

struct ReportContext {
    std::string controls;      // control file path
    std::string coefficients;  // coefficient file written
    bool stationTable = false;
};

void writeFitReport(std::ostream& out, const FitResult& result, const ReportContext& context);

// Indices of the stations by leave-one-out misfit, largest first.
std::vector<std::size_t> worstStations(const FitResult& result);

// Stations whose leave-one-out misfit exceeds 3 sigma.
std::vector<std::size_t> outlierStations(const FitResult& result);

}  // namespace orvfit
