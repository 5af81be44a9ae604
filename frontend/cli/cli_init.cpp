#include "cli/cli_init.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_run.h"
#include "platform/paths.h"
#include "platform/start_program.h"

namespace kartovex::cli {

namespace fs = std::filesystem;

namespace {

// The programs an installation runs from its BIN folder.
constexpr const char* kPrograms[] = {"orvandel", "quillon27", "vesperan", "lumbrix"};

std::string withSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

bool readText(const fs::path& p, std::string& text) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

// The value of [PATH] ROOT, "" when there is none.
std::string rootOf(const std::string& ini) {
  std::istringstream in(ini);
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      section = line;
    } else if (EqualsIgnoringCase(section, "[PATH]") && line.size() > 5 &&
               EqualsIgnoringCase(line.substr(0, 5), "ROOT=")) {
      return line.substr(5);
    }
  }
  return {};
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// Gives key of section the value, on the lines that set it already.
void setValue(std::string& ini, const std::string& section, const std::string& key,
              const std::string& value) {
  std::string out, current;
  std::size_t start = 0;
  while (start < ini.size()) {
    std::size_t end = ini.find('\n', start);
    end = end == std::string::npos ? ini.size() : end + 1;
    std::string line = ini.substr(start, end - start);
    std::string body = line;
    std::string ending;
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) {
      ending.insert(ending.begin(), body.back());
      body.pop_back();
    }
    if (!body.empty() && body.front() == '[') {
      current = body;
    } else if (EqualsIgnoringCase(current, "[" + section + "]") && body.size() > key.size() &&
               body[key.size()] == '=' && EqualsIgnoringCase(body.substr(0, key.size()), key)) {
      line = body.substr(0, key.size() + 1) + value + ending;
    }
    out += line;
    start = end;
  }
  ini = out;
}

}  // namespace

InstalledData InstalledDataBeside(const std::string& exeDir) {
  fs::path exe(exeDir);
  InstalledData data;
  data.templateDir = (exe / ".." / "share" / "kartovex" / "demo").lexically_normal().string();
  data.programDirs[0] = (exe / ".." / "lib" / "kartovex").lexically_normal().string();
  data.programDirs[1] = exe.lexically_normal().string();
  return data;
}

int InitInstallation(const std::string& dirText, const InstalledData& data, std::ostream& err,
                     std::ostream* out, bool french) {
  std::error_code ec;
  fs::path dir = fs::absolute(fs::path(dirText), ec).lexically_normal();
  if (ec) {
    err << "kartovex-cli: cannot use '" << dirText << "': " << ec.message() << "\n";
    return kExitStartupFailed;
  }
  if (dir.has_filename() == false) dir = dir.parent_path();
  if (fs::exists(dir) && !(fs::is_directory(dir) && fs::is_empty(dir))) {
    if (french)
      err << "kartovex-cli: '" << dir.string()
          << "' existe et n'est pas un répertoire vide; --init en demande un nouveau\n";
    else
      err << "kartovex-cli: '" << dir.string()
          << "' exists and is not an empty folder; --init needs a new one\n";
    return kExitUsage;
  }
  fs::path templateDir(data.templateDir);
  std::string ini;
  if (!readText(templateDir / "KARTOVEX.INI", ini)) {
    err << "kartovex-cli: no installed data in '" << templateDir.string()
        << "' (KARTOVEX.INI missing)\n";
    return kExitStartupFailed;
  }
  std::string templateRoot = rootOf(ini);
  if (templateRoot.empty()) {
    err << "kartovex-cli: '" << (templateDir / "KARTOVEX.INI").string() << "' has no [PATH] ROOT\n";
    return kExitStartupFailed;
  }
  // Each program from the first folder that has it.
  std::vector<fs::path> programs;
  for (const char* name : kPrograms) {
    fs::path found;
    for (const std::string& folder : data.programDirs) {
      if (!folder.empty() && fs::is_regular_file(fs::path(folder) / name, ec)) {
        found = fs::path(folder) / name;
        break;
      }
    }
    if (found.empty()) {
      err << "kartovex-cli: the program '" << name << "' is not installed (looked in '"
          << data.programDirs[0] << "' and '" << data.programDirs[1] << "')\n";
      return kExitStartupFailed;
    }
    programs.push_back(found);
  }

  fs::create_directories(dir, ec);
  if (!ec) fs::copy(templateDir, dir, fs::copy_options::recursive, ec);
  if (ec) {
    err << "kartovex-cli: cannot copy '" << templateDir.string() << "' to '" << dir.string()
        << "': " << ec.message() << "\n";
    return kExitStartupFailed;
  }
  // Work files are written in BIN and WORKING, results in OUTPUT: installed
  // data may be read-only, the copy must not be.
  for (const auto& entry : fs::recursive_directory_iterator(dir, ec))
    fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
  for (const char* sub : {"BIN", "WORKING", "OUTPUT", "INPUT", "DATAFILE"})
    fs::create_directories(dir / sub, ec);
  for (const fs::path& program : programs) {
    fs::path target = dir / "BIN" / program.filename();
    if (!fs::copy_file(program, target, fs::copy_options::overwrite_existing, ec)) {
      err << "kartovex-cli: cannot copy '" << program.string() << "' to '" << target.string()
          << "': " << ec.message() << "\n";
      return kExitStartupFailed;
    }
    fs::permissions(target, fs::perms::owner_all, fs::perm_options::add, ec);
  }

  replaceAll(ini, templateRoot, withSlash(dir.string()));
  // The view buttons open files with this desktop's opener, wherever the
  // installed data was made.
  setValue(ini, "PATH", "EDITOR", FolderOnPath(kDesktopOpener, "/usr/bin/"));
  setValue(ini, "FILE", "EDITOR", kDesktopOpener);
  std::ofstream file(dir / "KARTOVEX.INI", std::ios::binary | std::ios::trunc);
  file << ini;
  file.close();
  if (!file) {
    err << "kartovex-cli: cannot write '" << (dir / "KARTOVEX.INI").string() << "'\n";
    return kExitStartupFailed;
  }
  if (out) *out << "Installation laid out in " << dir.string() << "/\n";
  return kExitCompleted;
}

}  // namespace kartovex::cli
