#include "dialogue/dialogue.h"

#include <string>

#include "common/program_stop.h"
#include "common/text_input.h"
#include "dialogue/screens.h"
#include "dialogue/transformation_table.h"
#include "records/field_reader.h"

namespace orvandel {

namespace {

std::string answer(std::istream& in) {
    std::string line;
    if (!readLine(in, line)) failRun("END OF FILE ON STANDARD INPUT DURING THE DIALOGUE");
    return line;
}

// Only column 1 counts: "12" selects 1.
int digitAnswer(std::istream& in) { return records::readInt(answer(in), 1, 1); }

}  // namespace

RunOptions runDialogue(std::istream& in, std::ostream& screen) {
    RunOptions options;
    for (;;) {
        options.zone = 0;
        do {
            showTransformationMenu(screen);
            screen.flush();
            options.transformation = digitAnswer(in);
        } while (options.transformation < 1 || options.transformation > 6);

        // Feet are not accepted for ATS77 input.
        do {
            showCoordinateTypeMenu(screen);
            screen.flush();
            options.coordinateType = digitAnswer(in);
        } while (options.coordinateType < 1 || options.coordinateType > 4 ||
                 (options.transformation >= 4 && options.coordinateType == 2));

        if (options.coordinateType == 4) {
            showCentralMeridianPrompt(screen);
            screen.flush();
            options.centralMeridian = records::readReal(answer(in), 1, 4, 1);
        }
        if (options.transformation == 2 || options.transformation == 5) {
            showZonePrompt(screen);
            screen.flush();
            options.zone = digitAnswer(in);
        }
        showTitlePrompt(screen);
        screen.flush();
        options.title = records::readText(answer(in), 1, 80);
        showSummary(screen, options);
        showConfirmation(screen);
        screen.flush();
        const char confirmation = records::readText(answer(in), 1, 1)[0];
        if (confirmation == 'Y' || confirmation == 'y') break;
    }
    options.province = provinceCode(options.transformation);
    if (options.coordinateType != 1) {
        if (options.transformation >= 4) {
            options.unit = 'R';
        } else {
            options.unit = options.coordinateType == 2 ? 'F' : options.coordinateType == 3 ? 'M' : 'U';
        }
    }
    return options;
}

void closeDialogue(std::istream& in, std::ostream& screen) {
    showClosing(screen);
    screen.flush();
    // The answer file carries one line for this read; a missing one is no
    // fault. Its value is not used, but it is read as an I1 field like the
    // menu answers, so a non-digit is an input-conversion error.
    std::string line;
    if (readLine(in, line)) records::readInt(line, 1, 1);
}

}  // namespace orvandel
