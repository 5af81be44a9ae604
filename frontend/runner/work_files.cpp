#include "runner/work_files.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace kartovex::workfiles {

namespace fs = std::filesystem;

namespace {

template <std::size_t N>
void Add(std::vector<std::string>& out, const char* const (&names)[N]) {
  for (const char* name : names) out.emplace_back(name);
}

template <typename NameOf>
void AddRunFiles(std::vector<std::string>& out, NameOf nameOf) {
  for (int n = 1; n <= kRunFileSets; ++n) out.push_back(nameOf(n));
}

bool Kept(const std::set<std::string>& keep, const std::string& path) {
  for (const auto& k : keep) {
    if (k == path) return true;
    if (DirectoryOf(k) == DirectoryOf(path) && EqualsIgnoringCase(FileNameOf(k), FileNameOf(path)))
      return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> BinDirFiles() {
  std::vector<std::string> names;
  AddRunFiles(names, AnswerFileName);
  names.emplace_back(kOrvandelAnswerFile);
  AddRunFiles(names, BatchFileName);
  AddRunFiles(names, ConsoleFileName);
  names.emplace_back(kProgramInput);
  names.emplace_back(kSecondInput);
  std::vector<std::string> outputs;
  Add(outputs, kVesperanOutputs);
  Add(outputs, kQuillon27Outputs);
  Add(outputs, kOrvandelOutputs);
  for (const char* ext : kLumbrixOutputExtensions)
    outputs.push_back(std::string(kLumbrixGhostBase) + ext);
  outputs.push_back(std::string(kLumbrixGhostBase) + kLumbrixMissed);
  for (const std::string& output : outputs) {
    names.push_back(output);
    names.push_back(output + kPartialSuffix);
  }
  Add(names, kOrvandelScratch);
  return names;
}

std::vector<std::string> WorkDirFiles() { return {kProgramInput, kQuillon27ToLumbrix, kMarker}; }

bool RemoveNamedFiles(MessageService& messages, const std::vector<std::string>& names,
                      const std::string& directory, const std::set<std::string>& keep) {
  const std::string dir = WithTrailingSeparator(directory);
  std::set<std::string> wanted;
  for (const auto& name : names) wanted.insert(ToUpper(name));
  std::error_code ec;
  bool notFound = false, denied = false, failed = false;
  fs::directory_iterator it(dir.empty() ? "." : dir, ec);
  if (ec) {
    notFound = ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory;
    denied = !notFound;
  } else {
    // Listed first, deleted after: the listing is not changed under the loop.
    std::vector<std::string> paths;
    for (const auto& entry : it) {
      const std::string name = entry.path().filename().string();
      if (!wanted.count(ToUpper(name))) continue;
      std::error_code typeEc;
      if (entry.is_directory(typeEc)) continue;
      if (!Kept(keep, dir + name)) paths.push_back(dir + name);
    }
    for (const auto& path : paths) {
      std::error_code removeEc;
      if (!fs::remove(path, removeEc) && removeEc) {
        if (removeEc == std::errc::permission_denied ||
            removeEc == std::errc::operation_not_permitted)
          denied = true;
        else
          failed = true;
      }
    }
  }
  if (!notFound && !denied && !failed) return true;
  std::string text;
  if (messages.french()) {
    text = "EnleverFichier: ";
    if (denied) text += "Non accessible " + directory + " répertoire. ";
    if (notFound) text += directory + " introuvable.";
    text += "Le fichier antérieur ne peut être supprimé.";
  } else {
    text = "RemoveFiles: ";
    if (denied) text += "Failed to access " + directory + " directory. ";
    if (notFound) text += directory + " not found. ";
    text += "Old files not deleted.";
  }
  messages.critical(messages.pick(titles::kError), text);
  return false;
}

bool RemoveWorkFiles(const FrontEndSettings& settings, MessageService& messages,
                     const std::set<std::string>& keep,
                     const std::vector<std::string>& extraBinFiles, bool* binFailed) {
  if (binFailed) *binFailed = false;
  std::vector<std::string> bin = BinDirFiles();
  const std::string binDir = WithTrailingSeparator(settings.binDir);
  for (const auto& path : extraBinFiles)
    if (DirectoryOf(path) == binDir) bin.push_back(FileNameOf(path));
  if (!RemoveNamedFiles(messages, bin, settings.binDir, keep)) {
    if (binFailed) *binFailed = true;
    return false;
  }
  return RemoveNamedFiles(messages, WorkDirFiles(), settings.workDir, keep);
}

bool RemoveFileQuietly(const std::string& path) {
  const std::string dir = DirectoryOf(path);
  const std::string name = FileNameOf(path);
  std::error_code ec;
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(dir.empty() ? "." : dir, ec))
    if (EqualsIgnoringCase(entry.path().filename().string(), name)) found.push_back(entry.path());
  bool ok = true;
  for (const auto& p : found) {
    std::error_code removeEc;
    fs::remove(p, removeEc);
    if (removeEc) ok = false;
  }
  return ok;
}

}  // namespace kartovex::workfiles
