#include "messages/help_command.h"

#include "platform/paths.h"

namespace kartovex {

namespace {
constexpr Text kHelpFailed{"Failed to launch Help!", "Incapable de démarrer l'option d'aide!"};
}

std::string HtmlHelpOpener(const FrontEndSettings& settings) {
  if (!settings.pdfReader.empty() && FileExists(settings.pdfReader)) return settings.pdfReader;
  return kDesktopOpener;
}

bool LaunchHelp(const FrontEndSettings& settings, MessageService& messages,
                const ProgramStarter& start) {
  const bool french = MessagesInFrench(settings.language);
  const std::string& file = french ? settings.frenchHelpFile : settings.helpFile;
  std::string program;
  std::string argument = file;
  if (settings.helpFormat == "PDF") {
    program = settings.pdfReader;
  } else {
    if (!PathExists(file)) {
      messages.critical(messages.pick(titles::kFileNotFound),
                        messages.french() ? "La page d'aide " + file + " n'existe pas."
                                          : "The help page " + file + " does not exist.");
      return false;
    }
    program = HtmlHelpOpener(settings);
    argument = ResolveForReading(file);
  }
  StartResult result;
  if (start) result = start(program, argument, WindowStyle::Maximised);
  if (result.started()) return true;
  messages.critical(messages.pick(titles::kError),
                    messages.pick(kHelpFailed) + EarlyExitDetail(result, messages.french()));
  return false;
}

}  // namespace kartovex
