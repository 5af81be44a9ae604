#include "transform/polynomial_transformation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <memory>
#include <sstream>
#include <vector>

#include "common/batch_pipeline.h"
#include "common/file_lookup.h"
#include "common/program_stop.h"
#include "common/text_files.h"
#include "common/text_input.h"
#include "dialogue/transformation_table.h"
#include "geodesy/angles.h"
#include "records/field_reader.h"
#include "stations/work_records.h"
#include "transform/coefficient_directory.h"
#include "transform/coefficient_file.h"
#include "transform/datum_shift.h"
#include "transform/model_evaluation.h"
#include "transform/residual_interpolation.h"
#include "transform/station_batch.h"
#include "transform/transformed_record.h"

namespace orvandel {

bool locateStation(const CoefficientModel& model, const GridLimits& limits, double latitude, double longitude,
                   LocatedStation& located) {
    approximateShift(model.header.direction, latitude, longitude);
    return locateShiftedStation(model, limits, latitude, longitude, located);
}

bool locateShiftedStation(const CoefficientModel& model, const GridLimits& limits, double latitude, double longitude,
                          LocatedStation& located) {
    const CoefficientHeader& h = model.header;
    if (!(limits.latMin <= latitude && latitude <= limits.latMax && limits.lonMin <= longitude &&
          longitude <= limits.lonMax))
        return false;
    located.latitude = latitude;
    located.longitude = longitude;
    located.u = (latitude - h.originLat) * h.latScale;
    located.v = (longitude - h.originLon) * h.lonScale;
    const double u = located.u, v = located.v;
    return !(std::sqrt(u * u + v * v) > 1.0 + limits.radiusMargin);
}

bool finishStation(const CoefficientModel& model, const LocatedStation& located, std::complex<double> residual,
                   TransformedStation& result) {
    const CoefficientHeader& h = model.header;
    const std::complex<double> s = evaluatePolynomial(model.coefficients, located.u, located.v);
    Corrections& c = result.corrections;
    c.polyLat = s.real() / h.latDivisor + h.latOffset;
    c.polyLon = s.imag() / h.lonDivisor + h.lonOffset;
    c.residualLat = residual.real() / h.latDivisor;
    c.residualLon = residual.imag() / h.lonDivisor;
    // The corrections are subtracted.
    result.latitude = (located.latitude * 3600.0 - c.polyLat - c.residualLat) / 3600.0;
    result.longitude = (located.longitude * 3600.0 - c.polyLon - c.residualLon) / 3600.0;
    // A degenerate model (a zero divisor) leaves nothing to write.
    return std::isfinite(result.latitude) && std::isfinite(result.longitude);
}

bool transformStation(const CoefficientModel& model, const GridLimits& limits, double latitude, double longitude,
                      TransformedStation& result) {
    LocatedStation located;
    if (!locateStation(model, limits, latitude, longitude, located)) return false;
    std::complex<double> t = 0.0;
    if (model.header.correlation != 0.0) {
        t = interpolateResiduals(model.control, model.header.correlation, located.u, located.v);
    }
    return finishStation(model, located, t, result);
}

namespace {

// Transformed stations listed on one page of the report.
constexpr long long kStationsPerPage = 45;

std::string requiredLine(InputFile& in, const char* what) {
    std::string_view line;
    if (!in.next(line)) failRun(std::string("TEMP2.DAT HAS NO ") + what);
    return std::string(line);
}

// The work files of the stage, opened in this order.
struct StageFiles {
    InputFile temp2, temp1;
    OutputFile report, temp5;

    explicit StageFiles(const RunContext& context) {
        openExisting(temp2, context.file("TEMP2.DAT"), "FILE");
        openExisting(temp1, context.file("TEMP1.DAT"), "FILE");
        report.append(context.file("ORVANDEL.OUT"));
        temp5.create(context.file("TEMP5.DAT"));
    }
};

// TEMP2.DAT's title (written as the report's heading) and parameter record.
struct RunHeader {
    std::string title;
    ParameterRecord parameters;
};

RunHeader readRunHeader(StageFiles& files, const RunContext& context) {
    RunHeader h;
    h.title = records::readText(requiredLine(files.temp2, "TITLE"), 1, 80);
    files.report.stream() << titleLine(kFormFeed, 2, h.title, context.date) << "\n\n\n\n";
    const std::string parameterLine = requiredLine(files.temp2, "PARAMETER RECORD");
    h.parameters = withRecordContext("TEMP2.DAT", 2, [&] { return parseParameterRecord(parameterLine); });
    return h;
}

// Equal limits stop the run; otherwise the limits are put in order (the
// record gives the longitudes west to east).
ParameterRecord orderedLimits(std::ostream& report, const ParameterRecord& parameters) {
    if (parameters.lonLimit1 == parameters.lonLimit2 || parameters.latLimit1 == parameters.latLimit2) {
        writeGridLimits(report, parameters.latLimit1, parameters.latLimit2, parameters.lonLimit1, parameters.lonLimit2);
        report << '\n' << std::string(10, ' ') << "WRONG LIMITS FOR THE GRID\n";
        failRun("WRONG LIMITS FOR THE GRID IN THE PARAMETER RECORD OF TEMP2.DAT");
    }
    ParameterRecord ordered = parameters;
    if (ordered.lonLimit1 < ordered.lonLimit2) std::swap(ordered.lonLimit1, ordered.lonLimit2);
    if (ordered.latLimit1 > ordered.latLimit2) std::swap(ordered.latLimit1, ordered.latLimit2);
    return ordered;
}

GridLimits gridLimits(const ParameterRecord& ordered) {
    GridLimits limits;
    limits.lonMax = ordered.lonLimit1;
    limits.lonMin = ordered.lonLimit2;
    limits.latMin = ordered.latLimit1;
    limits.latMax = ordered.latLimit2;
    limits.radiusMargin = ordered.radiusMargin;
    return limits;
}

// The workspace a model takes: the (degree + 1)^2 coefficient matrix and
// five words for each control station and each degree.
long long workspaceNeeded(const CoefficientHeader& h) {
    return (h.degree + 1LL) * (h.degree + 1LL) + 5LL * (h.stationCount + h.degree + 1LL);
}

// The coefficient values, after the summary and a check that the model fits
// the transformation's workspace.
void readModelValues(std::ostream& report, CoefficientFileReader& coefficients, CoefficientModel& model,
                     const ParameterRecord& ordered, long long capacity, const std::string& coefficientFile) {
    const CoefficientHeader& h = model.header;
    writeModelSummary(report, h, ordered);
    const long long needed = workspaceNeeded(h);
    if (needed > capacity) {
        writeCapacityBlock(report, capacity, needed);
        failRun("COEFFICIENT FILE '" + coefficientFile + "': MODEL TOO LARGE (JMAX=" + std::to_string(needed) +
                ", IMAX=" + std::to_string(capacity) + ")");
    }
    writeScales(report, h);
    coefficients.readValues(model);
    for (int k = 0; k <= h.degree; ++k) writeCoefficientLine(report, k, model.coefficients[k]);
}

// A TEMP1.DAT station and what becomes of it.
struct PendingRecord {
    std::string name;
    long long recordNumber = 0;
    double latitude = 0.0, longitude = 0.0;
    LocatedStation located;
    bool isLocated = false;
    bool transformed = false;
    std::size_t reportEnd = 0;  // the end of its report line in its piece's text
};

// The text of one piece of a batch: report lines and TEMP5.DAT records.
struct alignas(kPieceAlignment) TransformedText {
    records::LineText report, temp5;
};

struct TransformBatch {
    static constexpr std::size_t kStations = 4096;
    // A multiple of the residual loop's lanes, so that no piece pads them.
    static constexpr std::size_t kPieceStations = 256;
    static constexpr std::size_t kPieces = kStations / kPieceStations;

    std::vector<PendingRecord> stations;
    std::size_t count = 0;
    TransformedText text[kPieces];
    std::exception_ptr failure;
};

// Stations are read, shifted, corrected by the polynomial and their
// residuals, and formatted in batches on two threads; they are written in
// input order all the same, to the report (45 to a page) and to TEMP5.DAT.
class TransformSteps : public BatchSteps {
public:
    TransformSteps(StageFiles& files, const CoefficientModel& model, const GridLimits& limits, const std::string& title,
                   const std::string& date)
        : files_(files), model_(model), limits_(limits) {
        for (TransformBatch& b : batches_) b.stations.resize(TransformBatch::kStations);
        std::ostringstream out;
        writeTransformationPageHeader(out, title, date);
        header_ = out.str();
    }

    long long count() const { return transformed_; }

    bool read(int slot) override {
        TransformBatch& b = batches_[slot];
        b.count = 0;
        b.failure = nullptr;
        try {
            std::string_view line;
            while (b.count < TransformBatch::kStations) {
                if (!files_.temp1.next(line)) return false;
                ++recordNumber_;
                const GeographicRecord g =
                    withRecordContext("TEMP1.DAT", recordNumber_, [&] { return parseGeographicRecord(line); });
                PendingRecord& s = b.stations[b.count++];
                s.name = g.name;
                s.recordNumber = recordNumber_;
                s.latitude = g.latDegrees + g.latMinutes / 60.0 + g.latSeconds / 3600.0;
                s.longitude = g.lonDegrees + g.lonMinutes / 60.0 + g.lonSeconds / 3600.0;
            }
            return true;
        } catch (...) {
            // The stations before a malformed record are still reported.
            b.failure = std::current_exception();
            return false;
        }
    }

    std::size_t pieces(int slot) const override {
        return pieceCount(batches_[slot].count, TransformBatch::kPieceStations);
    }

    void compute(int slot, std::size_t piece) override {
        TransformBatch& b = batches_[slot];
        const auto [first, last] = pieceRange(piece, b.count, TransformBatch::kPieceStations);
        double u[TransformBatch::kPieceStations], v[TransformBatch::kPieceStations];
        std::complex<double> residual[TransformBatch::kPieceStations];
        // The piece's stations shifted together, then located one by one.
        double latitude[TransformBatch::kPieceStations], longitude[TransformBatch::kPieceStations];
        for (std::size_t i = first; i < last; ++i) {
            latitude[i - first] = b.stations[i].latitude;
            longitude[i - first] = b.stations[i].longitude;
        }
        approximateShift(model_.header.direction, latitude, longitude, last - first);
        std::size_t located = 0;
        for (std::size_t i = first; i < last; ++i) {
            PendingRecord& s = b.stations[i];
            s.isLocated = locateShiftedStation(model_, limits_, latitude[i - first], longitude[i - first], s.located);
            if (!s.isLocated) continue;
            u[located] = s.located.u;
            v[located] = s.located.v;
            residual[located] = 0.0;
            ++located;
        }
        if (model_.header.correlation != 0.0 && located > 0) {
            interpolateResiduals(model_.control, model_.header.correlation, u, v, located, residual);
        }
        TransformedText& text = b.text[piece];
        text.report.clear();
        text.temp5.clear();
        records::LineBuilder record;
        std::size_t k = 0;
        for (std::size_t i = first; i < last; ++i) {
            PendingRecord& s = b.stations[i];
            s.transformed = false;
            if (!s.isLocated) continue;
            TransformedStation result;
            s.transformed = finishStation(model_, s.located, residual[k++], result);
            if (!s.transformed) continue;
            const geodesy::Dms lat = geodesy::DEGDMS(result.latitude);
            const geodesy::Dms lon = geodesy::DEGDMS(result.longitude);
            text.report.add(record, [&](records::LineBuilder& line) {
                transformationLine(line, s.name, lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes,
                                   lon.seconds, result.corrections);
            });
            s.reportEnd = text.report.size();
            TransformedRecord t;
            t.name = s.name;
            t.latDegrees = lat.degrees;
            t.latMinutes = lat.minutes;
            t.latSeconds = lat.seconds;
            t.lonDegrees = lon.degrees;
            t.lonMinutes = lon.minutes;
            t.lonSeconds = lon.seconds;
            t.sourceRecord = s.recordNumber;
            text.temp5.add(record, [&](records::LineBuilder& line) { formatTransformedRecord(line, t); });
        }
    }

    std::size_t writeParts() const override { return 2; }

    void write(int slot, std::size_t part) override {
        const TransformBatch& b = batches_[slot];
        const std::size_t used = pieces(slot);
        if (part == 1) {
            writePieces(files_.temp5, b.text, used, &TransformedText::temp5);
            return;
        }
        // The report's lines in runs between page headers.
        reportParts_.clear();
        for (std::size_t p = 0; p < used; ++p) {
            const std::string_view text = b.text[p].report;
            const auto [first, last] = pieceRange(p, b.count, TransformBatch::kPieceStations);
            std::size_t runStart = 0, runEnd = 0;
            for (std::size_t i = first; i < last; ++i) {
                const PendingRecord& s = b.stations[i];
                if (!s.transformed) continue;
                ++transformed_;
                if (transformed_ % kStationsPerPage == 1) {
                    reportParts_.push_back(text.substr(runStart, runEnd - runStart));
                    reportParts_.push_back(header_);
                    runStart = runEnd;
                }
                runEnd = s.reportEnd;
            }
            reportParts_.push_back(text.substr(runStart, runEnd - runStart));
        }
        files_.report.blocks(reportParts_);
    }

    void finish(int slot) override {
        if (batches_[slot].failure) std::rethrow_exception(batches_[slot].failure);
    }

private:
    StageFiles& files_;
    const CoefficientModel& model_;
    const GridLimits& limits_;
    std::string header_;
    std::vector<std::string_view> reportParts_;  // a batch's report, reused
    TransformBatch batches_[kSlots];
    long long recordNumber_ = 0;
    long long transformed_ = 0;
};

}  // namespace

long long runPolynomialTransformation(const RunContext& context) {
    const std::string directory = coefficientDirectory(std::getenv("DATAFILE"));
    StageFiles files(context);
    std::ostream& report = files.report.stream();
    const RunHeader header = readRunHeader(files, context);

    const long long capacity = workspaceCapacity(header.parameters.transformation);
    const std::string coefficientFile = coefficientPath(directory, header.parameters.transformation);
    CoefficientFileReader coefficients(coefficientFile);
    CoefficientModel model;
    model.header = coefficients.readHeader();

    const ParameterRecord ordered = orderedLimits(report, header.parameters);
    readModelValues(report, coefficients, model, ordered, capacity, coefficientFile);

    const GridLimits limits = gridLimits(ordered);
    auto steps = std::make_unique<TransformSteps>(files, model, limits, header.title, context.date);
    PieceRunner runner;
    runBatches(runner, *steps);
    files.temp5.close();
    files.report.close();
    return steps->count();
}

}  // namespace orvandel
