#include "input/parse_utm_coord.h"

#include "input/format_coordinate.h"
#include "input/line_fields.h"
#include "input/line_problem.h"

namespace kartovex {

namespace {
constexpr Text kParseError{"parseUTMcoord: An error occurred while reformatting your data!",
                           "parseUTMcoord: Une erreur s'est produite durant le traitement!"};
}

bool parseUTMcoord(const std::string& line, std::string& pointId, std::string& x, std::string& y,
                   std::string& zone, std::string& extraText, const FrontEndSettings& settings,
                   MessageService& messages, long lineNumber) {
  auto showError = [&] {
    std::string detail;
    if (lineNumber > 0)
      detail = DescribeLine(lineNumber, line, LineLayout::Utm, settings, messages.french());
    messages.critical(messages.pick(titles::kError), messages.pick(kParseError) + detail);
  };
  try {
    auto fields = SplitUtmLine(line, settings);
    if (!fields) return false;
    auto formattedX = FormatCoordinate(fields->x, settings.decimalSeparator);
    auto formattedY = FormatCoordinate(fields->y, settings.decimalSeparator);
    if (!formattedX || !formattedY) {
      showError();
      return false;
    }
    pointId = fields->id;
    x = *formattedX;
    y = *formattedY;
    zone = fields->zone;
    extraText = fields->extra;
    return true;
  } catch (...) {
    showError();
    return false;
  }
}

}  // namespace kartovex
