#include "output/output_stage.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/batch_pipeline.h"
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

namespace {

// One TEMP2.DAT station and what the read step found for it.
struct OutputStation {
    GridRecord station;
    TransformedRecord transformed;
    bool matched = false;
    bool pageDue = false;
    double meridian = 0.0;  // the run's MTM meridian as this station leaves it
};

// The text of one piece of a batch, for each file.
struct alignas(kPieceAlignment) OutputText {
    records::LineText screen, report, coordinates, ghost;
};

struct OutputBatch {
    static constexpr std::size_t kStations = 4096;
    static constexpr std::size_t kPieceStations = 256;
    static constexpr std::size_t kPieces = kStations / kPieceStations;

    std::vector<OutputStation> stations;
    std::size_t count = 0;
    // A station projected with the Nova Scotia zone memory: the batch is
    // then computed in one piece, in order.
    bool ordered = false;
    OutputText text[kPieces];
    std::exception_ptr failure;
    // The station whose TEMP5.DAT record failed had begun a page.
    bool headerBeforeFailure = false;
    bool failureToNad27 = false;
};

class OutputSteps : public BatchSteps {
public:
    OutputSteps(const RunContext& context, InputFile& temp2, InputFile& temp5, const std::string& title,
                ScreenText& screen, OutputFile& report, OutputFile& coordinates, OutputFile& ghost)
        : context_(context),
          temp2_(temp2),
          transformed_(temp5),
          title_(title),
          screen_(screen),
          report_(report),
          coordinates_(coordinates),
          ghost_(ghost) {
        for (OutputBatch& b : batches_) b.stations.resize(OutputBatch::kStations);
        // A page header depends only on the file and the direction.
        for (int report = 0; report < 2; ++report) {
            for (int toNad27 = 0; toNad27 < 2; ++toNad27) {
                std::ostringstream out;
                writeResultPageHeader(out, report != 0, toNad27 != 0, title, context.date);
                headers_[report][toNad27] = out.str();
            }
        }
    }

    long long count() const { return k_; }

    bool read(int slot) override {
        OutputBatch& b = batches_[slot];
        b.count = 0;
        b.ordered = false;
        b.failure = nullptr;
        b.headerBeforeFailure = false;
        try {
            std::string_view line;
            while (b.count < OutputBatch::kStations) {
                if (!temp2_.next(line)) return false;
                ++number_;
                OutputStation& s = b.stations[b.count];
                s.station = withRecordContext("TEMP2.DAT", number_ + 2, [&] { return parseGridRecord(line); });
                s.pageDue = k_ % 45 == 0;
                ++k_;
                // Its page header is written even when its TEMP5.DAT record fails.
                b.headerBeforeFailure = s.pageDue;
                b.failureToNad27 = s.station.unit == 'R';
                const TransformedRecord* t = transformed_.peek();
                // A record for an earlier station can only come from a damaged file.
                while (t != nullptr && t->sourceRecord != 0 && t->sourceRecord < number_) {
                    transformed_.consume();
                    t = transformed_.peek();
                }
                s.matched = t != nullptr && belongsTo(*t, number_, s.station);
                b.headerBeforeFailure = false;
                ++b.count;
                if (!s.matched) continue;
                s.transformed = *t;
                transformed_.consume();
                if (s.station.unit != 'R') {
                    if (s.station.zone == 4) meridian_ = -61.5;
                    if (s.station.zone == 5) meridian_ = -64.5;
                    s.meridian = meridian_;
                    if (s.station.province == "NS ") b.ordered = true;
                }
            }
            return true;
        } catch (...) {
            b.failure = std::current_exception();
            return false;
        }
    }

    std::size_t pieces(int slot) const override {
        const OutputBatch& b = batches_[slot];
        if (b.ordered) return 1;
        return pieceCount(b.count, OutputBatch::kPieceStations);
    }

    void compute(int slot, std::size_t piece) override {
        OutputBatch& b = batches_[slot];
        if (b.ordered) {
            computeStations(b, 0, b.count, b.text[0], context_.zones);
            return;
        }
        const auto [first, last] = pieceRange(piece, b.count, OutputBatch::kPieceStations);
        // Only the Nova Scotia grid uses the zone memory.
        geodesy::ZoneMemory unused{};
        computeStations(b, first, last, b.text[piece], unused);
    }

    std::size_t writeParts() const override { return 2; }

    void write(int slot, std::size_t part) override {
        OutputBatch& b = batches_[slot];
        const std::size_t used = b.ordered ? 1 : pieces(slot);
        if (part == 0) {
            writePieces(screen_, b.text, used, &OutputText::screen);
            writePieces(report_, b.text, used, &OutputText::report);
        } else {
            writePieces(coordinates_, b.text, used, &OutputText::coordinates);
            writePieces(ghost_, b.text, used, &OutputText::ghost);
        }
    }

    void finish(int slot) override {
        const OutputBatch& b = batches_[slot];
        if (!b.failure) return;
        if (b.headerBeforeFailure) {
            screen_.write(headers_[0][b.failureToNad27]);
            report_.write(headers_[1][b.failureToNad27]);
        }
        std::rethrow_exception(b.failure);
    }

private:
    void computeStations(OutputBatch& b, std::size_t first, std::size_t last, OutputText& text,
                         geodesy::ZoneMemory& zones) const {
        records::LineBuilder line;
        text.screen.clear();
        text.report.clear();
        text.coordinates.clear();
        text.ghost.clear();
        for (std::size_t i = first; i < last; ++i) {
            const OutputStation& s = b.stations[i];
            const bool toNad27 = s.station.unit == 'R';
            if (s.pageDue) {
                text.screen.append(headers_[0][toNad27]);
                text.report.append(headers_[1][toNad27]);
            }
            // The table line goes to the console and the report alike.
            if (!s.matched) {
                text.report.append(
                    text.screen.add(line, [&](records::LineBuilder& l) { notTransformedLine(l, s.station); }));
                continue;
            }
            double meridian = s.meridian;
            const StationResult result = toNad27 ? resultsToNad27(s.station, s.transformed)
                                                 : resultsToAts77(s.station, s.transformed, meridian, zones);
            text.report.append(text.screen.add(line, [&](records::LineBuilder& l) {
                if (toNad27) {
                    toNad27Line(l, s.station, result);
                } else {
                    toAts77Line(l, s.station, result);
                }
            }));
            text.coordinates.add(line,
                                 [&](records::LineBuilder& l) { coordinateRecord(l, s.station, result, toNad27); });
            text.ghost.add(line, [&](records::LineBuilder& l) { ghostRecord(l, s.station, s.transformed); });
        }
    }

    const RunContext& context_;
    InputFile& temp2_;
    TransformedReader transformed_;
    const std::string& title_;
    ScreenText& screen_;
    OutputFile& report_;
    OutputFile& coordinates_;
    OutputFile& ghost_;
    std::string headers_[2][2];
    OutputBatch batches_[kSlots];
    long long number_ = 0;
    long long k_ = 0;
    double meridian_ = 0.0;
};

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

    std::string_view line;
    if (!temp2.next(line)) failRun("TEMP2.DAT HAS NO TITLE");
    const std::string title = records::readText(line, 1, 80);
    // The parameter record's contents are not used here.
    if (!temp2.next(line)) failRun("TEMP2.DAT HAS NO PARAMETER RECORD");

    ScreenText screen(context.screen);
    auto steps = std::make_unique<OutputSteps>(context, temp2, temp5, title, screen, report, coordinateFile.out(),
                                               ghostFile.out());
    PieceRunner runner;
    runBatches(runner, *steps);
    screen.flush();
    report.close();
    coordinateFile.finish();
    ghostFile.finish();
    ghostFile.commit();
    coordinateFile.commit();
    return steps->count();
}

}  // namespace orvandel
