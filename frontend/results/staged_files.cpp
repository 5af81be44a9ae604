#include "results/staged_files.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace kartovex {

std::string PathToWrite(RunState& run, const std::string& target) {
  if (!run.stageResults) return target;
  for (const StagedFile& f : run.staged) {
    if (f.target == target) return f.temp;
  }
  run.staged.push_back(StagedFile{target, TempPathBeside(target)});
  return run.staged.back().temp;
}

std::string PathToRead(const RunState& run, const std::string& target) {
  for (const StagedFile& f : run.staged) {
    if (f.target == target) return f.temp;
  }
  return target;
}

void OpenResult(std::ofstream& out, RunState& run, const std::string& target) {
  out.open(PathToWrite(run, target), std::ios::binary | std::ios::trunc);
  if (!out) throw ResultWriteFailure{target, LastSystemError()};
}

void CloseResult(std::ofstream& out, const std::string& target) {
  out.flush();
  const bool flushed = static_cast<bool>(out);
  const std::string reason = flushed ? std::string() : LastSystemError();
  out.close();
  if (!flushed || !out) throw ResultWriteFailure{target, flushed ? LastSystemError() : reason};
}

bool CommitStagedFiles(RunState& run, MessageService& messages) {
  bool ok = true;
  for (const StagedFile& f : run.staged) {
    std::string reason;
    if (ok && ReplaceFile(f.temp, f.target, reason)) continue;
    if (ok) ShowWriteFailure(messages, f.target, reason);
    ok = false;
    std::error_code ec;
    std::filesystem::remove(f.temp, ec);
  }
  run.staged.clear();
  return ok;
}

void DiscardStagedFile(RunState& run, const std::string& target) {
  for (auto it = run.staged.begin(); it != run.staged.end(); ++it) {
    if (it->target != target) continue;
    std::error_code ec;
    std::filesystem::remove(it->temp, ec);
    run.staged.erase(it);
    return;
  }
}

void DiscardStagedFiles(RunState& run) {
  for (const StagedFile& f : run.staged) {
    std::error_code ec;
    std::filesystem::remove(f.temp, ec);
  }
  run.staged.clear();
}

void ShowWriteFailure(MessageService& messages, const std::string& path,
                      const std::string& reason) {
  messages.critical(messages.pick(titles::kFileError),
                    messages.french()
                        ? "Le fichier " + path + " n'a pas pu être écrit (" + reason + ")."
                        : "The file " + path + " could not be written (" + reason + ").");
}

bool CheckResultFolders(const std::vector<std::string>& paths, MessageService& messages) {
  for (const std::string& path : paths) {
    if (path.empty()) continue;
    const std::string dir = DirectoryOf(path);
    if (!DirectoryExists(dir.empty() ? std::string(".") : dir)) {
      messages.critical(messages.pick(titles::kFileError),
                        messages.french() ? "Le dossier du fichier " + path + " n'existe pas."
                                          : "The folder of the file " + path + " does not exist.");
      return false;
    }
    if (!DirectoryWritable(dir)) {
      messages.critical(messages.pick(titles::kFileError),
                        messages.french()
                            ? "Le dossier du fichier " + path + " est protégé en écriture."
                            : "The folder of the file " + path + " cannot be written to.");
      return false;
    }
  }
  return true;
}

}  // namespace kartovex
