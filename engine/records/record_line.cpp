#include "records/record_line.h"

namespace records {

RecordLine& RecordLine::put(int first, std::string_view text) {
    const auto start = static_cast<std::size_t>(first < 1 ? 0 : first - 1);
    if (line_.size() < start + text.size()) line_.resize(start + text.size(), ' ');
    line_.replace(start, text.size(), text);
    return *this;
}

RecordLine& RecordLine::append(std::string_view text) {
    line_.append(text);
    return *this;
}

}  // namespace records
