#include "runner/remove_files.h"

#include "platform/remove_matching_files.h"

namespace kartovex {

bool RemoveFiles(MessageService& messages, const std::string& patterns,
                 const std::string& directory, const std::set<std::string>& protectedPaths) {
  int code = RemoveMatchingFiles(patterns, directory, protectedPaths);
  if (code == kRemoveOk) return true;
  std::string text;
  if (messages.french()) {
    text = "EnleverFichier: ";
    if (code == kRemoveAccessDenied) text += "Non accessible " + directory + " répertoire. ";
    if (code == kRemoveDirNotFound) text += directory + " introuvable.";
    text += "Le fichier antérieur ne peut être supprimé.";
  } else {
    text = "RemoveFiles: ";
    if (code == kRemoveAccessDenied) text += "Failed to access " + directory + " directory. ";
    if (code == kRemoveDirNotFound) text += directory + " not found. ";
    text += "Old files not deleted.";
  }
  messages.critical(messages.pick(titles::kError), text);
  return false;
}

}  // namespace kartovex
