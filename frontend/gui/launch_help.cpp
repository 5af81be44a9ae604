#include "gui/launch_help.h"

namespace kartovex::gui {

namespace {
constexpr Text kHelpFailed{"Failed to launch Help!", "Incapable de démarrer l'option d'aide!"};
}

bool LaunchHelp(const FrontEndSettings& settings, MessageService& messages, const ProgramStarter& start) {
  const std::string& file = settings.language == "FRENCH" ? settings.frenchHelpFile : settings.helpFile;
  std::string program = settings.helpFormat == "PDF" ? settings.pdfReader : std::string(kHelpViewer);
  long id = start ? start(program, file, WindowStyle::Maximised) : 0;
  if (id == 0) {
    messages.critical(titles::kError, kHelpFailed);
    return false;
  }
  return true;
}

}  // namespace kartovex::gui
