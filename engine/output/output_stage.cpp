#include "output/output_stage.h"

#include "common/file_lookup.h"
#include "common/program_stop.h"
#include "common/text_files.h"
#include "common/text_input.h"
#include "output/output_tables.h"
#include "output/station_results.h"
#include "records/field_reader.h"

namespace orvandel {

namespace {

// TEMP5.DAT read ahead by one record, so that a record that does not
// belong to the current station waits for the next one.
class TransformedReader {
public:
    explicit TransformedReader(InputFile& in) : in_(in) {}

    const TransformedRecord* peek() {
        if (!held_ && !exhausted_) {
            std::string_view line;
            if (in_.next(line)) {
                ++count_;
                record_ = withRecordContext("TEMP5.DAT", count_, [&] { return parseTransformedRecord(line); });
                held_ = true;
            } else {
                exhausted_ = true;
            }
        }
        return held_ ? &record_ : nullptr;
    }
    void consume() { held_ = false; }

private:
    InputFile& in_;
    TransformedRecord record_;
    bool held_ = false;
    bool exhausted_ = false;
    long long count_ = 0;
};

// The TEMP5.DAT record belongs to station `number` of TEMP2.DAT: by the
// record number it carries, or by name when that field is blank.
bool belongsTo(const TransformedRecord& t, long long number, const GridRecord& station) {
    if (t.sourceRecord != 0) return t.sourceRecord == number;
    return t.name == station.name;
}

}  // namespace

long long runOutputStage(const RunContext& context) {
    InputFile temp2, temp5;
    OutputFile report;
    openExisting(temp2, context.file("TEMP2.DAT"), "FILE");
    openExisting(temp5, context.file("TEMP5.DAT"), "FILE");
    report.append(context.file("ORVANDEL.OUT"));
    // The front end takes TRN_CORD.DAT as the sign of a finished run: the
    // two files take their names only once they are whole.
    ResultFile coordinateFile(context.file("TRN_CORD.DAT"));
    ResultFile ghostFile(context.file("TRN_GHST.DAT"));
    OutputFile& coordinates = coordinateFile.out();
    OutputFile& ghost = ghostFile.out();

    std::string_view line;
    if (!temp2.next(line)) failRun("TEMP2.DAT HAS NO TITLE");
    const std::string title = records::readText(line, 1, 80);
    // The parameter record's contents are not used here.
    if (!temp2.next(line)) failRun("TEMP2.DAT HAS NO PARAMETER RECORD");

    TransformedReader transformed(temp5);
    ScreenText screen(context.screen);
    records::LineBuilder text;
    double meridian = 0.0;
    long long k = 0;
    long long number = 0;
    while (temp2.next(line)) {
        ++number;
        const GridRecord station = withRecordContext("TEMP2.DAT", number + 2, [&] { return parseGridRecord(line); });
        const bool toNad27 = station.unit == 'R';
        const bool pageDue = k % 45 == 0;
        if (pageDue) {
            writeResultPageHeader(screen.stream(), false, toNad27, title, context.date);
            writeResultPageHeader(report.stream(), true, toNad27, title, context.date);
        }
        ++k;
        const TransformedRecord* t = transformed.peek();
        // A record for an earlier station can only come from a damaged file.
        while (t != nullptr && t->sourceRecord != 0 && t->sourceRecord < number) {
            transformed.consume();
            t = transformed.peek();
        }
        if (t == nullptr || !belongsTo(*t, number, station)) {
            notTransformedLine(text, station);
            screen.line(text.view());
            report.line(text.view());
            continue;
        }
        const StationResult result =
            toNad27 ? resultsToNad27(station, *t) : resultsToAts77(station, *t, meridian, context.zones);
        if (toNad27) {
            toNad27Line(text, station, result);
        } else {
            toAts77Line(text, station, result);
        }
        screen.line(text.view());
        report.line(text.view());
        coordinates.line(coordinateRecord(text, station, result, toNad27));
        ghost.line(ghostRecord(text, station, *t));
        transformed.consume();
    }
    screen.flush();
    report.close();
    coordinateFile.finish();
    ghostFile.finish();
    ghostFile.commit();
    coordinateFile.commit();
    return k;
}

}  // namespace orvandel
