
#include <algorithm>
#include <exception>
#include <memory>
#include <sstream>
#include <vector>

#include "common/batch_pipeline.h"
#include "common/file_lookup.h"
#include "common/program_stop.h"
#include "common/projection_calls.h"
#include "common/text_files.h"
#include "dialogue/transformation_table.h"
#include "geodesy/angles.h"
#include "geodesy/grids.h"
#include "geodesy/stereo27.h"
#include "geodesy/tm27.h"
#include "records/field_writer.h"
#include "stations/input_listing.h"
#include "stations/keyboard_template.h"
#include "stations/station_input.h"
#include "stations/station_input_files.h"
#include "stations/station_records.h"
#include "stations/station_source.h"
#include "stations/work_records.h"

namespace orvandel {

namespace {

GeographicStation parseStation(const StationSource& source, std::string_view line, long long n) {
    return withRecordContext(source.name(), n + 1, [&] {
        return source.layout() == StationLayout::Ghost ? parseGhostRecord(line) : parseOrvandelRecord(line);
    });
}

GridRecord gridRecord(const RunOptions& options, const GeographicStation& s) {
    GridRecord grid;
    grid.province = options.province;
    grid.name = s.name;
    grid.zone = options.zone;
    grid.elevation = s.elevation;
    return grid;
}

// The NAD27 grid coordinates of a station on its way to ATS77 (feet).
void nad27Grid(const RunOptions& options, double meridian, const GeographicStation& s, GridRecord& grid) {
    const double lat = s.latDegrees + s.latMinutes / 60.0 + s.latSeconds / 3600.0;
    const double lon = s.lonDegrees + s.lonMinutes / 60.0 + s.lonSeconds / 3600.0;
    if (options.province == "NS ") {
        const geodesy::Tm27Grid g =
            geodesy::TM27FW(lat, lon, geodesy::kNovaScotia27Scale, meridian, geodesy::Tm27Unit::Feet);
        grid.easting = g.easting;
        grid.northing = g.northing;
    } else {
        const geodesy::St27Grid g = geodesy::ST27FW(lat, lon, options.province == "PEI" ? 3 : 1);
        grid.easting = g.easting;
        grid.northing = g.northing;
    }
    grid.unit = 'F';
}

std::string_view listingLine(records::LineBuilder& record, const RunOptions& options, const GeographicStation& s) {
    GeographicListing listing;
    listing.province = options.province;
    listing.name = s.name;
    listing.latDegrees = s.latDegrees;
    listing.latMinutes = s.latMinutes;
    listing.latSeconds = s.latSeconds;
    listing.lonDegrees = s.lonDegrees;
    listing.lonMinutes = s.lonMinutes;
    listing.lonSeconds = s.lonSeconds;
    listing.zone = options.zone;
    return geographicListingLine(record, listing);
}

std::string_view temp1Line(records::LineBuilder& record, const GeographicStation& s) {
    GeographicRecord geo;
    geo.name = s.name;
    geo.latDegrees = s.latDegrees;
    geo.latMinutes = s.latMinutes;
    geo.latSeconds = s.latSeconds;
    geo.lonDegrees = s.lonDegrees;
    geo.lonMinutes = s.lonMinutes;
    geo.lonSeconds = s.lonSeconds;
    geo.elevation = s.elevation;
    return formatGeographicRecord(record, geo);
}

// Stations of a data file towards ATS77: their NAD27 grid coordinates
// depend on nothing but the station, so they are read, computed and
// formatted in batches on two threads, and written in input order.
struct alignas(kPieceAlignment) InputText {
    records::LineText temp1, temp2, report;
};

struct InputBatch {
    static constexpr std::size_t kStations = 4096;
    static constexpr std::size_t kPieceStations = 256;
    static constexpr std::size_t kPieces = kStations / kPieceStations;

    std::vector<GeographicStation> stations;
    long long firstNumber = 0;  // stations read before this batch
    std::size_t count = 0;
    InputText text[kPieces];
    std::exception_ptr failure;
};

class InputSteps : public BatchSteps {
public:
    InputSteps(const RunContext& context, const RunOptions& options, StationSource& source, StationInputFiles& files,
               double meridian)
        : options_(options), source_(source), files_(files), meridian_(meridian) {
        for (InputBatch& b : batches_) b.stations.resize(InputBatch::kStations);
        // A page header differs only between the first page and the others.
        std::ostringstream first, later;
        writeGeographicPageHeader(first, 0, options.title, context.date, true);
        writeGeographicPageHeader(later, 1, options.title, context.date, true);
        firstHeader_ = first.str();
        laterHeader_ = later.str();
    }

    long long count() const { return n_; }

    bool read(int slot) override {
        InputBatch& b = batches_[slot];
        b.count = 0;
        b.failure = nullptr;
        b.firstNumber = n_;
        try {
            std::string_view line;
            while (b.count < InputBatch::kStations) {
                if (!source_.next(line)) return false;
                b.stations[b.count] = parseStation(source_, line, n_);
                ++b.count;
                ++n_;
            }
            return true;
        } catch (...) {
            b.failure = std::current_exception();
            return false;
        }
    }

    std::size_t pieces(int slot) const override { return pieceCount(batches_[slot].count, InputBatch::kPieceStations); }

    void compute(int slot, std::size_t piece) override {
        InputBatch& b = batches_[slot];
        const auto [first, last] = pieceRange(piece, b.count, InputBatch::kPieceStations);
        InputText& text = b.text[piece];
        text.temp1.clear();
        text.temp2.clear();
        text.report.clear();
        records::LineBuilder record;
        for (std::size_t i = first; i < last; ++i) {
            const GeographicStation& s = b.stations[i];
            const long long n = b.firstNumber + static_cast<long long>(i);
            if (pageHeaderDue(n)) text.report.append(n == 0 ? firstHeader_ : laterHeader_);
            GridRecord grid = gridRecord(options_, s);
            nad27Grid(options_, meridian_, s, grid);
            text.temp2.add(record, [&](records::LineBuilder& line) { formatGridRecord(line, grid, 2); });
            text.report.add(record, [&](records::LineBuilder& line) { listingLine(line, options_, s); });
            text.temp1.add(record, [&](records::LineBuilder& line) { temp1Line(line, s); });
        }
    }

    std::size_t writeParts() const override { return 2; }

    void write(int slot, std::size_t part) override {
        const InputBatch& b = batches_[slot];
        const std::size_t used = pieces(slot);
        if (part == 0) {
            writePieces(files_.report, b.text, used, &InputText::report);
        } else {
            writePieces(files_.temp2, b.text, used, &InputText::temp2);
            writePieces(files_.temp1, b.text, used, &InputText::temp1);
        }
    }

    void finish(int slot) override {
        if (batches_[slot].failure) std::rethrow_exception(batches_[slot].failure);
    }

private:
    const RunOptions& options_;
    StationSource& source_;
    StationInputFiles& files_;
    const double meridian_;
    std::string firstHeader_, laterHeader_;
    InputBatch batches_[kSlots];
    long long n_ = 0;
};

}  // namespace

long long runGeographicInput(const RunContext& context, const RunOptions& options) {
    StationInputFiles files;
    files.create(context, options.title);
    OutputFile& temp1 = files.temp1;
    OutputFile& temp2 = files.temp2;
    OutputFile& report = files.report;
    records::LineBuilder record;

    const bool towardsAts77 = isNad27ToAts77(options.transformation);
    StationSource source(context, true);
    if (!source.fromFile() || towardsAts77) showGeographicTemplate(context.screen);
    context.screen.flush();
    temp2.line(formatParameterRecord(options.transformation));

    double meridian = 0.0;
    if (options.zone == 4) meridian = towardsAts77 ? 61.5 : -61.5;
    if (options.zone == 5) meridian = towardsAts77 ? 64.5 : -64.5;
    long long n = 0;
    if (source.fromFile() && towardsAts77) {
        auto steps = std::make_unique<InputSteps>(context, options, source, files, meridian);
        PieceRunner runner;
        runBatches(runner, *steps);
        n = steps->count();
        source.requireStations(n);
        files.close();
        return n;
    }

    std::string_view line;
    while (source.next(line)) {
        const GeographicStation s = parseStation(source, line, n);
        if (!source.fromFile() && isBlankName(s.name)) break;

        if (pageHeaderDue(n)) {
            writeGeographicPageHeader(report.stream(), n, options.title, context.date, towardsAts77);
        }

        GridRecord grid = gridRecord(options, s);
        if (towardsAts77) {
            nad27Grid(options, meridian, s, grid);
            temp2.line(formatGridRecord(record, grid, 2));
        } else {
            const double phi = geodesy::DMSRAD(s.latDegrees, s.latMinutes, s.latSeconds);
            const double lam = -geodesy::DMSRAD(s.lonDegrees, s.lonMinutes, s.lonSeconds);
            const GridPoint g = projectAts77(context.zones, projectionCode(options.province), phi, lam, meridian);
            if (g.message > 0) {
                context.screen.flush();
                printProjectionMessage(g.message, context.screen);
            }
            grid.easting = g.easting;
            grid.northing = g.northing;
            grid.unit = 'R';
            temp2.line(formatGridRecord(record, grid, 3));
        }
        report.line(listingLine(record, options, s));
        temp1.line(temp1Line(record, s));
        ++n;
    }
    source.requireStations(n);
    files.close();
    return n;
}

}  // namespace orvandel
