#include "transform/transformation_report.h"

#include <cmath>

#include "common/run_context.h"
#include "records/field_writer.h"
#include "records/record_line.h"

namespace orvandel {

namespace {

const std::string kIndent(10, ' ');

}  // namespace

void writeGridLimits(std::ostream& out, double latFirst, double latSecond, double lonFirst, double lonSecond) {
    out << '\n'
        << kIndent << "THE GRID LATITUDE LIMITS ARE  " << records::formatFixed(latFirst, 6, 1) << "  AND  "
        << records::formatFixed(latSecond, 6, 1) << "  (+ NORTH)\n";
    out << '\n'
        << kIndent << "THE GRID LONGITUDE LIMITS ARE " << records::formatFixed(lonFirst, 6, 1) << "  AND  "
        << records::formatFixed(lonSecond, 6, 1) << "  (+ WEST)\n";
}

void writeModelSummary(std::ostream& out, const CoefficientHeader& h, const ParameterRecord& p) {
    out << '\n' << kIndent << "THE DEGREE OF THE EXPANSION IS " << records::formatInt(h.degree, 5) << '\n';
    out << kIndent << "THE NUMBER OF COEFFICIENTS IS " << records::formatInt(2LL * (h.degree + 1), 6) << '\n';
    out << '\n' << kIndent << "TRANSFORMATION FROM NAD27 TO ATS77   " << (h.direction == 1 ? "YES " : "NO  ") << '\n';
    out << '\n' << kIndent << "TRANSFORMATION FROM ATS77 TO NAD27   " << (h.direction == 2 ? "YES " : "NO  ") << '\n';
    out << "\n\n"
        << kIndent << "THE LOCAL ORIGIN IN LATITUDE IS  " << records::formatFixed(h.originLat, 8, 3)
        << "   DEGREES   (+ NORTH\n";
    out << kIndent << "THE LOCAL ORIGIN IN LONGITUDE IS " << records::formatFixed(h.originLon, 8, 3)
        << "   DEGREES   (+ WEST)\n";
    writeGridLimits(out, p.latLimit1, p.latLimit2, p.lonLimit1, p.lonLimit2);
    out << '\n'
        << kIndent << "THE NUMBER OF CONTROL STATIONS USED IS  " << records::formatInt(h.stationCount, 10) << '\n';
}

void writeCapacityBlock(std::ostream& out, long long capacity, long long needed) {
    out << kFormFeed << "\n\n\n\n\n";
    out << "     TOO LITTLE SPACE SPECIFIED FOR PROGRAM TO EXECU TE\n\n";
    out << std::string(15, ' ') << "IMAX=" << records::formatInt(capacity, 7) << "\n\n";
    out << std::string(15, ' ') << "JMAX=" << records::formatInt(needed, 7) << "\n\n";
    out << kIndent << "CHANGE IMAX TO AT LEAST  JMAX AND DIMENSION MATRIX A TO AT LEAST NEW IMAX\n";
}

void writeScales(std::ostream& out, const CoefficientHeader& h) {
    out << '\n' << kIndent << "THE SCALE FACTOR IN LATITUDE IS  " << records::formatFixed(h.latScale, 8, 3) << '\n';
    out << kIndent << "THE SCALE FACTOR IN LONGITUDE IS " << records::formatFixed(h.lonScale, 8, 3) << '\n';
    const double pi = std::acos(-1.0);
    const double latUnit = h.correlation * 111319.456 / h.latScale;
    const double lonUnit = h.correlation * 111319.456 * std::cos(h.originLat * pi / 180.0) / h.lonScale;
    out << '\n'
        << kIndent << "THE NORMALIZED UNIT DISTANCE IN LATITUDE IS  " << records::formatFixed(latUnit, 10, 2)
        << "   METRES\n";
    out << kIndent << "THE NORMALIZED UNIT DISTANCE IN LONGITUDE IS " << records::formatFixed(lonUnit, 10, 2)
        << "   METRES\n";
    out << kIndent << "THE COMPUTED COEFFICIENTS ARE \n\n";
}

void writeCoefficientLine(std::ostream& out, int k, std::complex<double> c) {
    out << std::string(20, ' ') << records::formatInt(k, 5) << std::string(5, ' ')
        << records::formatFixed(c.real(), 20, 10) << records::formatFixed(c.imag(), 20, 10) << '\n';
}

void writeTransformationPageHeader(std::ostream& out, const std::string& title, const std::string& date) {
    out << titleLine(kFormFeed, 2, title, date) << "\n\n\n";
    out << std::string(6, ' ') << "GEOGRAPHICS IN THE DATUM TRANSFORMED TO." << std::string(25, ' ')
        << "APPLIED CORRECTIONS IN SECONDS\n\n\n\n";
    out << std::string(5, ' ') << "NUMBER" << std::string(17, ' ') << "LATITUDE" << std::string(13, ' ') << "LONGITUDE"
        << std::string(19, ' ') << "LATITUDE" << std::string(8, ' ') << "LONGITUDE\n\n";
}

std::string_view transformationLine(records::LineBuilder& line, const std::string& name, int latD, int latM,
                                    double latS, int lonD, int lonM, double lonS, const Corrections& c) {
    return line.clear()
        .at(6)
        .text(name)
        .at(20)
        .integer(latD, 5)
        .at(25)
        .integer(latM, 5)
        .at(30)
        .fixed(latS, 10, 5)
        .at(43)
        .integer(lonD, 5)
        .at(48)
        .integer(lonM, 5)
        .at(53)
        .fixed(lonS, 10, 5)
        .at(73)
        .fixed(c.polyLat, 7, 3)
        .at(80)
        .fixed(c.residualLat, 7, 3)
        .at(89)
        .fixed(c.polyLon, 7, 3)
        .at(96)
        .fixed(c.residualLon, 7, 3)
        .at(103)
        .text("  ")
        .view();
}

std::string transformationLine(const std::string& name, int latD, int latM, double latS, int lonD, int lonM,
                               double lonS, const Corrections& c) {
    records::LineBuilder line;
    return std::string(transformationLine(line, name, latD, latM, latS, lonD, lonM, lonS, c));
}

}  // namespace orvandel
