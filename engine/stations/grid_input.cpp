
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

// The single-precision value of 0.3048 that the metric grids are divided by.
constexpr double kFootSingle = 0.30480000376701355;

[[noreturn]] void invalidProvince(std::ostream& screen, const std::string& province, const std::string& name) {
    screen << " INVALID PROVINCE CODE (" << records::formatText(province, 4) << " ) AT STATION NUMBER" << name << '\n';
    screen.flush();
    throw ProgramStop(16, "STOP 16: INVALID PROVINCE CODE '" + province + "' AT STATION " + name);
}

// NAD27 grid (F, M) or UTM (U) to geographic, in decimal degrees.
void nad27ToGeographic(const RunContext& context, const RunOptions& options, const GridStation& s, double& meridian,
                       double& lat, double& lon) {
    if (options.unit == 'U') {
        const geodesy::Tm27Geo g = geodesy::TM27UI(s.northing, s.easting, geodesy::kUtmScale, options.centralMeridian);
        lat = g.phi;
        lon = g.lam;
        return;
    }
    const bool metres = options.unit == 'M';
    double easting = s.easting;
    double northing = s.northing;
    if (options.province == "NB ") {
        if (metres) {
            easting /= kFootSingle;
            northing /= kFootSingle;
        }
        const geodesy::St27Geo g = geodesy::NB27IN(easting, northing);
        lat = g.phi;
        lon = g.lam;
    } else if (options.province == "NS ") {
        if (metres) {
            easting /= kFootSingle;
            northing /= kFootSingle;
        }
        if (options.zone == 4) {
            meridian = 61.5;
        } else if (options.zone == 5) {
            meridian = 64.5;
        } else {
            context.screen << " INVALID ZONE CODE (" << records::formatInt(options.zone, 2) << " ) AT STATION NUMBER"
                           << s.name << '\n';
        }
        const geodesy::Tm27Geo g = geodesy::TM27MI(easting, northing, meridian);
        lat = g.phi;
        lon = g.lam;
    } else if (options.province == "PEI") {
        if (metres) {
            easting = (easting - 300000.0) / kFootSingle + 500000.0;
            northing = (northing - 300000.0) / kFootSingle + 700000.0;
        }
        const geodesy::St27Geo g = geodesy::PE27IN(easting, northing);
        lat = g.phi;
        lon = g.lam;
    } else {
        invalidProvince(context.screen, options.province, s.name);
    }
}

// Integer part of easting / 1000000 (zone 4 or 5 eastings give 4 or 5).
int zoneOfEasting(double easting) {
    const double zone = easting / 1000000.0;
    return zone > -1e9 && zone < 1e9 ? static_cast<int>(zone) : 0;
}

}  // namespace

long long runGridInput(const RunContext& context, RunOptions& options) {
    StationInputFiles files;
    files.create(context, options.title);
    OutputFile& temp1 = files.temp1;
    OutputFile& temp2 = files.temp2;
    OutputFile& report = files.report;
    records::LineBuilder record;

    StationSource source(context, false);
    if (!source.fromFile()) showGridTemplate(context.screen);
    context.screen.flush();

    const bool nad27Input = options.unit != 'R';
    bool parameterWritten = false;
    double meridian = 0.0;
    long long n = 0;
    std::string_view line;
    while (source.next(line)) {
        const GridStation s = withRecordContext(source.name(), n + 1, [&] {
            return source.fromFile() ? parseGridFileRecord(line) : parseGridKeyboardRecord(line);
        });
        if (!source.fromFile() && isBlankName(s.name)) break;
        if (!parameterWritten) {
            temp2.line(formatParameterRecord(options.transformation));
            parameterWritten = true;
        }

        GridRecord grid;
        grid.province = options.province;
        grid.name = s.name;
        grid.northing = s.northing;
        grid.easting = s.easting;
        grid.unit = options.unit;
        grid.elevation = s.elevation;

        GeographicRecord geo;
        geo.name = s.name;
        geo.elevation = s.elevation;
        if (nad27Input) {
            grid.zone = options.zone;
            temp2.line(formatGridRecord(record, grid, 3));
            if (options.unit != 'U') {
                if (pageHeaderDue(n)) writeGridPageHeader(report.stream(), n, options.title, context.date, true);
                report.line(gridListingLine(record, options.province, s, options.unit, options.zone));
            }
            double lat = 0.0, lon = 0.0;
            nad27ToGeographic(context, options, s, meridian, lat, lon);
            const geodesy::Dms phi = geodesy::DEGDMS(lat);
            const geodesy::Dms lam = geodesy::DEGDMS(lon);
            geo.latDegrees = phi.degrees;
            geo.latMinutes = phi.minutes;
            geo.latSeconds = phi.seconds;
            geo.lonDegrees = lam.degrees;
            geo.lonMinutes = lam.minutes;
            geo.lonSeconds = lam.seconds;
        } else {
            int projection = 0;
            if (options.province == "NB ") {
                projection = code(geodesy::MpcordProjection::NewBrunswickToGeographic);
            } else if (options.province == "NS ") {
                projection = code(geodesy::MpcordProjection::NovaScotiaToGeographic);
            } else if (options.province == "PEI") {
                projection = code(geodesy::MpcordProjection::PrinceEdwardIslandToGeographic);
            } else {
                invalidProvince(context.screen, options.province, s.name);
            }
            if (projection == code(geodesy::MpcordProjection::NovaScotiaToGeographic)) {
                // The zone of the first station holds for the whole run.
                if (options.zone == 0) options.zone = zoneOfEasting(s.easting);
                if (options.zone == 4) meridian = -61.5;
                if (options.zone == 5) meridian = -64.5;
            }
            const GeoPoint g = unprojectAts77(context.zones, projection, s.easting, s.northing, meridian);
            const geodesy::DmsSingle phi = geodesy::RADDMS(g.phi);
            const geodesy::DmsSingle lam = geodesy::RADDMS(g.lam);
            grid.zone = options.zone;
            temp2.line(formatGridRecord(record, grid, 3));
            if (pageHeaderDue(n)) writeGridPageHeader(report.stream(), n, options.title, context.date, false);
            report.line(gridListingLine(record, options.province, s, options.unit, options.zone));
            geo.latDegrees = phi.degrees;
            geo.latMinutes = phi.minutes;
            geo.latSeconds = phi.seconds;
            geo.lonDegrees = -lam.degrees;
            geo.lonMinutes = lam.minutes;
            geo.lonSeconds = lam.seconds;
        }
        temp1.line(formatGeographicRecord(record, geo));
        ++n;
    }
    source.requireStations(n);
    files.close();
    return n;
}

}  // namespace orvandel
