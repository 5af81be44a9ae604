#include "stations/station_source.h"

#include <filesystem>

#include "common/file_lookup.h"
#include "common/program_stop.h"
#include "common/text_input.h"
#include "records/field_reader.h"

namespace orvandel {

namespace {

// A missing line reads as blanks: the stage then picks its defaults.
std::string answer(std::istream& in) {
    std::string line;
    readLine(in, line);
    return line;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

StationSource::StationSource(const RunContext& context, bool geographic) : context_(context) {
    std::ostream& screen = context.screen;
    screen << "\n\n\n DO YOU WANT TO INPUT DATA FROM A FILE OR FROM"
           << (geographic ? " THE KEYBOARD?  (F OR K)" : " THE KEYBOARD  (F OR K)") << '\n';
    screen.flush();
    const char choice = records::readText(answer(context.in), 1, 1)[0];
    fromFile_ = choice == 'F' || choice == 'f';
    layout_ = geographic ? StationLayout::Orvandel : StationLayout::GridKeyboard;
    if (!fromFile_) return;

    screen << "\n\n"
           << (geographic ? " ENTER NAME OF THE INPUT DATA FILE. (MAX 20 CHARS)  EG; INPUT.DAT"
                          : " ENTER NAME OF THE INPUT DATA FILE. (MAX 20 CHRS) EG; INPUT.DAT")
           << '\n';
    screen.flush();
    const std::string name = trimmed(records::readText(answer(context.in), 1, 20));
    std::filesystem::path path(name);
    if (path.is_relative()) path = context.workDir / path;
    openExisting(file_, path.string(), "INPUT DATA FILE");
    name_ = name;

    if (geographic) {
        screen << "\n\n"
               << std::string(15, ' ') << "1.   ORVANDEL FORMAT\n\n"
               << std::string(15, ' ') << "2.   GHOST FORMAT\n\n\n"
               << std::string(17, ' ') << "ENTER YOUR CHOICE\n";
        screen.flush();
        const char format = records::readText(answer(context.in), 1, 1)[0];
        layout_ = format == '2' ? StationLayout::Ghost : StationLayout::Orvandel;
    } else {
        layout_ = StationLayout::GridFile;
    }
    screen << "\n\n\n"
           << std::string(19, ' ') << (geographic ? "WORKING   PLEASE WAIT ..." : "WORKING    PLEASE WAIT ...") << '\n';
}

void StationSource::requireStations(long long count) const {
    if (count > 0) return;
    if (fromFile_) failRun("INPUT DATA FILE '" + name_ + "' HOLDS NO STATIONS");
    failRun("NO STATIONS WERE ENTERED FROM THE KEYBOARD");
}

bool StationSource::next(std::string_view& line) {
    if (fromFile_) return file_.next(line);
    keyboardLine_.clear();
    if (!readLine(context_.in, keyboardLine_)) return false;
    line = keyboardLine_;
    return true;
}

}  // namespace orvandel
