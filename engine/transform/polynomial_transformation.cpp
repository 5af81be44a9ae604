#include "transform/polynomial_transformation.h"

#include <cmath>
#include <cstdlib>

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
#include "transform/station_batch.h"
#include "transform/transformed_record.h"

namespace orvandel {

bool locateStation(const CoefficientModel& model, const GridLimits& limits, double latitude, double longitude,
                   LocatedStation& located) {
    const CoefficientHeader& h = model.header;
    approximateShift(h.direction, latitude, longitude);
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

// Stations wait in a batch for their residuals, which are computed many at
// a time; they are written in input order all the same, to the report (45
// to a page) and to TEMP5.DAT.
class TransformedWriter {
public:
    TransformedWriter(StageFiles& files, const CoefficientModel& model, const std::string& title,
                      const std::string& date)
        : files_(files), model_(model), title_(title), date_(date) {}

    void add(std::string name, long long recordNumber, const LocatedStation& located) {
        batch_.add(std::move(name), recordNumber, located);
        if (batch_.full()) flush();
    }

    void flush() {
        batch_.interpolate(model_);
        for (std::size_t i = 0; i < batch_.size(); ++i) {
            const PendingStation& s = batch_.station(i);
            TransformedStation result;
            if (!finishStation(model_, s.located, batch_.residual(i), result)) continue;
            write(s, result);
        }
        batch_.clear();
    }

    long long count() const { return transformed_; }

private:
    void write(const PendingStation& s, const TransformedStation& result) {
        ++transformed_;
        if (transformed_ % kStationsPerPage == 1) {
            writeTransformationPageHeader(files_.report.stream(), title_, date_);
        }
        const geodesy::Dms lat = geodesy::DEGDMS(result.latitude);
        const geodesy::Dms lon = geodesy::DEGDMS(result.longitude);
        files_.report.line(transformationLine(record_, s.name, lat.degrees, lat.minutes, lat.seconds, lon.degrees,
                                              lon.minutes, lon.seconds, result.corrections));
        TransformedRecord t;
        t.name = s.name;
        t.latDegrees = lat.degrees;
        t.latMinutes = lat.minutes;
        t.latSeconds = lat.seconds;
        t.lonDegrees = lon.degrees;
        t.lonMinutes = lon.minutes;
        t.lonSeconds = lon.seconds;
        t.sourceRecord = s.recordNumber;
        files_.temp5.line(formatTransformedRecord(record_, t));
    }

    StageFiles& files_;
    const CoefficientModel& model_;
    const std::string& title_;
    const std::string& date_;
    StationBatch batch_;
    records::LineBuilder record_;
    long long transformed_ = 0;
};

// Every TEMP1.DAT station inside the grid and the radius, to the writer.
void transformStations(InputFile& temp1, const CoefficientModel& model, const GridLimits& limits,
                       TransformedWriter& writer) {
    long long recordNumber = 0;
    std::string_view line;
    while (temp1.next(line)) {
        ++recordNumber;
        GeographicRecord g;
        try {
            g = withRecordContext("TEMP1.DAT", recordNumber, [&] { return parseGeographicRecord(line); });
        } catch (...) {
            // The stations before a malformed record are still reported.
            writer.flush();
            throw;
        }
        const double latitude = g.latDegrees + g.latMinutes / 60.0 + g.latSeconds / 3600.0;
        const double longitude = g.lonDegrees + g.lonMinutes / 60.0 + g.lonSeconds / 3600.0;
        LocatedStation located;
        if (!locateStation(model, limits, latitude, longitude, located)) continue;
        writer.add(std::move(g.name), recordNumber, located);
    }
    writer.flush();
}

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

    TransformedWriter writer(files, model, header.title, context.date);
    transformStations(files.temp1, model, gridLimits(ordered), writer);
    files.temp5.close();
    files.report.close();
    return writer.count();
}

}  // namespace orvandel
