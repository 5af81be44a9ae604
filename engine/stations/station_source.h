#pragma once
// Where the stations come from: the keyboard (standard input) or a data
// file named in the dialogue, and the record layout to read.
#include <string>
#include <string_view>

#include "common/run_context.h"
#include "common/text_files.h"

namespace orvandel {

enum class StationLayout { Orvandel, Ghost, GridKeyboard, GridFile };

class StationSource {
public:
    // Asks for the source (and for geographic files the layout); a file
    // that cannot be found ends the run. `geographic` picks the prompts.
    StationSource(const RunContext& context, bool geographic);

    bool fromFile() const { return fromFile_; }
    StationLayout layout() const { return layout_; }
    // The data file's name, or "KEYBOARD", for messages.
    const std::string& name() const { return name_; }

    // Ends the run when the list held no station: an empty list would
    // leave result files with nothing in them, which read as success.
    void requireStations(long long count) const;

    // The next record; false at the end of the list. In keyboard mode an
    // empty station name ends the list (checked by the caller). The view
    // lasts until the next call.
    bool next(std::string_view& line);

private:
    const RunContext& context_;
    bool fromFile_ = false;
    StationLayout layout_ = StationLayout::Orvandel;
    InputFile file_;
    std::string keyboardLine_;
    std::string name_ = "KEYBOARD";
};

}  // namespace orvandel
