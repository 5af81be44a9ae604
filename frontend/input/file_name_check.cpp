#include "input/file_name_check.h"

#include "platform/paths.h"

namespace kartovex {

bool CheckFileNameCharacters(const std::vector<std::string>& paths, MessageService& messages) {
  for (const std::string& path : paths) {
    if (!HasControlCharacter(path)) continue;
    std::string shown = path;
    for (char& c : shown) {
      const auto u = static_cast<unsigned char>(c);
      if (u < 0x20 || u == 0x7f) c = '?';
    }
    messages.critical(messages.pick(titles::kInvalidFileName),
                      messages.french()
                          ? "Le nom de fichier " + shown +
                                " contient un caractère de contrôle (saut de ligne, retour, "
                                "tabulation...) et ne peut pas être utilisé!"
                          : "The file name " + shown +
                                " holds a control character (line feed, carriage return, tab...) "
                                "and cannot be used!");
    return false;
  }
  return true;
}

}  // namespace kartovex
