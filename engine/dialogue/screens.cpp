#include "dialogue/screens.h"

#include <string>

#include "dialogue/transformation_table.h"
#include "records/field_writer.h"

namespace orvandel {

namespace {

void blank(std::ostream& screen, int count) {
    for (int i = 0; i < count; ++i) screen << '\n';
}

void line(std::ostream& screen, int indent, const std::string& text) {
    screen << std::string(static_cast<std::size_t>(indent), ' ') << text << '\n';
}

}  // namespace

void showTransformationMenu(std::ostream& screen) {
    blank(screen, 4);
    line(screen, 26, "DATUM TRANSFORMATION PROGRAM");
    blank(screen, 3);
    line(screen, 23, "SELECT THE TRANSFORMATION DESIRED");
    blank(screen, 2);
    static const char* const choices[] = {"1  FOR NB  NAD27 TO NB  ATS77", "2  FOR NS  NAD27 TO NS  ATS77",
                                          "3  FOR PEI NAD27 TO PEI ATS77", "4  FOR NB  ATS77 TO NB  NAD27",
                                          "5  FOR NS  ATS77 TO NS  NAD27", "6  FOR PEI ATS77 TO PEI NAD27"};
    for (int i = 0; i < 6; ++i) {
        if (i > 0) blank(screen, 1);
        line(screen, 25, choices[i]);
    }
    blank(screen, 2);
    line(screen, 24, "ENTER THE NUMBER OF YOUR CHOICE   # 1 TO 6");
}

void showCoordinateTypeMenu(std::ostream& screen) {
    blank(screen, 8);
    line(screen, 19, "INDICATE TYPE OF COORDINATES TO BE ENTERED");
    blank(screen, 2);
    line(screen, 15, "1  FOR LATITUDE & LONGITUDE");
    blank(screen, 1);
    line(screen, 15, "2  FOR PROVINCIAL GRID NORTHING & EASTING IN FEET");
    line(screen, 22, "(NOT VALID FOR ATS77 INPUT)");
    blank(screen, 1);
    line(screen, 15, "3  FOR PROVINCIAL GRID NORTHING & EASTING IN' METRES");
    blank(screen, 1);
    line(screen, 15, "4  FOR NAD27 UTM NORTHING & EASTING IN METRES");
    blank(screen, 2);
    line(screen, 20, "ENTER COORDINATE TYPE   # 1 TO 4");
    blank(screen, 5);
}

void showCentralMeridianPrompt(std::ostream& screen) {
    blank(screen, 2);
    line(screen, 27, "ENTER UTM CMER ( 69.0 OR 63.0 OR 57.0 )");
}

void showZonePrompt(std::ostream& screen) {
    blank(screen, 2);
    line(screen, 27, "ENTER NS MTM ZONE (4 OR 5)");
}

void showTitlePrompt(std::ostream& screen) {
    blank(screen, 2);
    line(screen, 0, "    ENTER TITLE");
    blank(screen, 1);
}

void showSummary(std::ostream& screen, const RunOptions& options) {
    blank(screen, 7);
    line(screen, 31, "SUMMARY OF OPTIONS");
    blank(screen, 1);
    line(screen, 0, options.title);
    blank(screen, 2);
    line(screen, 29, transformationLabel(options.transformation));
    blank(screen, 1);
    blank(screen, 2);
    line(screen, 26, coordinateTypeLabel(options.coordinateType));
    blank(screen, 1);
    if (options.zone >= 1) {
        blank(screen, 2);
        line(screen, 32, "ZONE = " + records::formatInt(options.zone, 2));
    }
    if (options.coordinateType == 4) {
        blank(screen, 2);
        line(screen, 32, "UTM CMER = " + records::formatFixed(options.centralMeridian, 4, 1));
    }
}

void showConfirmation(std::ostream& screen) {
    blank(screen, 4);
    line(screen, 28, "IS EVERYTHING CORRECT ?");
    blank(screen, 1);
    line(screen, 23, "ENTER \"Y\" IF OK OR \"N\" TO RESTART");
    blank(screen, 5);
}

void showClosing(std::ostream& screen) {
    line(screen, 1, "  END OF PROGRAM");
    line(screen, 2, "");
}

}  // namespace orvandel
