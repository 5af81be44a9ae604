#pragma once
// The section of ORVANDEL.OUT that the polynomial transformation writes:
// the model summary and one line per transformed station.
#include <complex>
#include <ostream>
#include <string>
#include <string_view>

#include "records/field_writer.h"
#include "stations/work_records.h"
#include "transform/coefficient_model.h"

namespace orvandel {

// The grid limit lines, in the order given.
void writeGridLimits(std::ostream& out, double latFirst, double latSecond, double lonFirst, double lonSecond);

// Degree, coefficient count, directions, origin, grid limits (ordered),
// control station count.
void writeModelSummary(std::ostream& out, const CoefficientHeader& h, const ParameterRecord& p);

// The capacity block before the stop.
void writeCapacityBlock(std::ostream& out, long long capacity, long long needed);

// Scale factors, unit distances and the heading of the coefficient lines.
void writeScales(std::ostream& out, const CoefficientHeader& h);

void writeCoefficientLine(std::ostream& out, int k, std::complex<double> c);

void writeTransformationPageHeader(std::ostream& out, const std::string& title, const std::string& date);

struct Corrections {
    double polyLat = 0.0, residualLat = 0.0, polyLon = 0.0, residualLon = 0.0;
};

std::string transformationLine(const std::string& name, int latD, int latM, double latS, int lonD, int lonM,
                               double lonS, const Corrections& c);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view transformationLine(records::LineBuilder& line, const std::string& name, int latD, int latM,
                                    double latS, int lonD, int lonM, double lonS, const Corrections& c);

}  // namespace orvandel
