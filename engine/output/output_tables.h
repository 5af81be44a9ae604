#pragma once
// The result table of the output stage (report and screen), and the two
// coordinate files TRN_CORD.DAT and TRN_GHST.DAT.
#include <ostream>
#include <string>
#include <string_view>

#include "records/field_writer.h"
#include "stations/work_records.h"
#include "transform/transformed_record.h"

namespace orvandel {

// Results of one station; which fields are filled depends on the direction.
struct StationResult {
    double gridNorthing = 0.0;  // ATS77 metres, or NAD27 feet
    double gridEasting = 0.0;
    double metricNorthing = 0.0;  // NAD27 grid in metres (to NAD27 only)
    double metricEasting = 0.0;
    double utmNorthing = 0.0;
    double utmEasting = 0.0;
    int utmZone = 0;
};

// Report: form feed line with the title and date; screen: 7 blank lines
// and the title. Then the column headings of the direction.
void writeResultPageHeader(std::ostream& out, bool report, bool toNad27, const std::string& title,
                           const std::string& date);

std::string toAts77Line(const GridRecord& in, const StationResult& r);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view toAts77Line(records::LineBuilder& line, const GridRecord& in, const StationResult& r);
std::string toNad27Line(const GridRecord& in, const StationResult& r);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view toNad27Line(records::LineBuilder& line, const GridRecord& in, const StationResult& r);
std::string notTransformedLine(const GridRecord& in);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view notTransformedLine(records::LineBuilder& line, const GridRecord& in);

std::string coordinateRecord(const GridRecord& in, const StationResult& r, bool toNad27);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view coordinateRecord(records::LineBuilder& line, const GridRecord& in, const StationResult& r,
                                  bool toNad27);
std::string ghostRecord(const GridRecord& in, const TransformedRecord& t);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view ghostRecord(records::LineBuilder& line, const GridRecord& in, const TransformedRecord& t);

}  // namespace orvandel
