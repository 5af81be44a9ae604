#include "runner/step_failure.h"

#include <cstring>
#include <deque>
#include <fstream>

namespace kartovex {

std::vector<std::string> LastConsoleLines(const std::string& path, std::size_t maxLines) {
  std::deque<std::string> last;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    // A program may end its lines with CR LF or CR alone.
    std::size_t start = 0;
    while (start <= line.size()) {
      std::size_t cr = line.find('\r', start);
      std::string piece =
          line.substr(start, cr == std::string::npos ? std::string::npos : cr - start);
      while (!piece.empty() && (piece.back() == ' ' || piece.back() == '\t')) piece.pop_back();
      if (!piece.empty()) {
        last.push_back(piece);
        if (last.size() > maxLines) last.pop_front();
      }
      if (cr == std::string::npos) break;
      start = cr + 1;
    }
  }
  return {last.begin(), last.end()};
}

std::string StepFailureText(bool french, const StepFailure& f, const std::string& lineBreak) {
  std::string text = f.procedure.empty() ? std::string() : f.procedure + ": ";
  text += (french ? "étape " : "step ") + std::to_string(f.step) + (french ? " de " : " of ") +
          std::to_string(f.steps) + ": " + f.program;
  if (f.end.signal != 0) {
    const char* name = ::strsignal(f.end.signal);
    text += (french ? " a été arrêté par le signal " : " was killed by signal ") +
            std::to_string(f.end.signal) + (name ? std::string(" (") + name + ")" : std::string()) +
            ".";
  } else if (f.end.exitStatus != 0) {
    text += (french ? " s'est terminé avec le code de sortie " : " ended with exit status ") +
            std::to_string(f.end.exitStatus) + ".";
  } else {
    text += (french ? " n'a pas écrit le fichier " : " did not write its output file ") +
            f.missingFile + ".";
  }
  if (f.end.consoleFile.empty()) return text;
  const auto lines = LastConsoleLines(f.end.consoleFile);
  if (lines.empty()) {
    text +=
        lineBreak + (french ? "Aucun message dans " : "No message in ") + f.end.consoleFile + ".";
    return text;
  }
  text +=
      lineBreak + (french ? "Dernières lignes de " : "Last lines of ") + f.end.consoleFile + ":";
  for (const auto& line : lines) text += lineBreak + "  " + line;
  return text;
}

}  // namespace kartovex
