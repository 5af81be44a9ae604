
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
    long long n = 0;
    std::string_view line;
    while (source.next(line)) {
        const GeographicStation s = withRecordContext(source.name(), n + 1, [&] {
            return source.layout() == StationLayout::Ghost ? parseGhostRecord(line) : parseOrvandelRecord(line);
        });
        if (!source.fromFile() && isBlankName(s.name)) break;

        if (options.zone == 4) meridian = towardsAts77 ? 61.5 : -61.5;
        if (options.zone == 5) meridian = towardsAts77 ? 64.5 : -64.5;
        if (pageHeaderDue(n)) {
            writeGeographicPageHeader(report.stream(), n, options.title, context.date, towardsAts77);
        }

        GridRecord grid;
        grid.province = options.province;
        grid.name = s.name;
        grid.zone = options.zone;
        grid.elevation = s.elevation;
        if (towardsAts77) {
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
        report.line(geographicListingLine(record, listing));

        GeographicRecord geo;
        geo.name = s.name;
        geo.latDegrees = s.latDegrees;
        geo.latMinutes = s.latMinutes;
        geo.latSeconds = s.latSeconds;
        geo.lonDegrees = s.lonDegrees;
        geo.lonMinutes = s.lonMinutes;
        geo.lonSeconds = s.lonSeconds;
        geo.elevation = s.elevation;
        temp1.line(formatGeographicRecord(record, geo));
        ++n;
    }
    source.requireStations(n);
    files.close();
    return n;
}

}  // namespace orvandel
