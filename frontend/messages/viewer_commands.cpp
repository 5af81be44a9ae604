#include "messages/viewer_commands.h"

#include "platform/paths.h"

namespace kartovex {

namespace {

bool openInEditor(MessageService& messages, const std::string& path, const ProgramStarter& start) {
  const std::string& editor = messages.settings().editor;
  StartResult result;
  if (start) result = start(editor, ResolveForReading(path), WindowStyle::Maximised);
  if (result.started()) return true;
  const bool french = messages.french();
  messages.critical(messages.pick(titles::kError),
                    (french ? "Incapable de mettre «" + editor + "» en marche!"
                            : "Failed to launch " + editor + "!") +
                        EarlyExitDetail(result, french));
  return false;
}

bool viewWorkFile(MessageService& messages, const char* name, const ProgramStarter& start) {
  std::string path = messages.settings().workDir + name;
  if (!PathExists(path)) {
    messages.critical(messages.pick(titles::kFileNotFound),
                      messages.french() ? "Le fichier " + path + " n'existe pas."
                                        : "The file " + path + " does not exist.");
    return false;
  }
  return openInEditor(messages, path, start);
}

}  // namespace

ProgramStarter DefaultProgramStarter(std::chrono::milliseconds watch) {
  return [watch](const std::string& program, const std::string& argument, WindowStyle style) {
    return StartProgramWatched(program, {argument}, style, watch);
  };
}

std::string EarlyExitDetail(const StartResult& result, bool french) {
  if (result.outcome != StartOutcome::FailedAtOnce) return {};
  const std::string n = std::to_string(result.exitStatus);
  return french ? " Il s'est arrêté aussitôt (code de sortie " + n + ")."
                : " It stopped at once with exit status " + n + ".";
}

bool ViewReport(MessageService& messages, const std::string& reportPath,
                const ProgramStarter& start) {
  if (!PathExists(reportPath)) {
    messages.critical(messages.pick(titles::kFileNotFound),
                      messages.french() ? "Le fichier rapport " + reportPath + " n'existe pas."
                                        : "The report file " + reportPath + " does not exist.");
    return false;
  }
  return openInEditor(messages, reportPath, start);
}

bool ViewLog(MessageService& messages, const ProgramStarter& start) {
  return viewWorkFile(messages, "kartovex.log", start);
}

bool ViewError(MessageService& messages, const ProgramStarter& start) {
  return viewWorkFile(messages, "kartovex.err", start);
}

}  // namespace kartovex
