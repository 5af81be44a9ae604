#pragma once
// Whole-program test support: a fresh temporary directory per test, and a
// companion program run in it with standard input from an answer file, the
// way the front end's batch files run it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace companion_test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "companion-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// Answer lines joined with CR LF, as the front end writes answer files.
inline std::string answerFile(const std::vector<std::string>& answers) {
  std::string text;
  for (const auto& answer : answers) text += answer + "\r\n";
  return text;
}

inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Lines without their CR LF.
inline std::vector<std::string> readLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// 1-based inclusive columns, with leading and trailing blanks removed.
inline std::string columns(const std::string& line, std::size_t first, std::size_t last) {
  if (first > line.size()) return {};
  std::string text = line.substr(first - 1, last - first + 1);
  const auto begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

struct RunResult {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string errorText;
  std::string outputText;
};

// Runs `program` with `directory` as current directory and standard input
// from `answers`; standard output and error are collected from files there.
inline RunResult runProgram(const std::string& program, const std::filesystem::path& directory,
                            const std::filesystem::path& answers) {
  const std::string out = (directory / "stdout.log").string();
  const std::string err = (directory / "stderr.log").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, answers.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  RunResult result;
  if (spawned != 0) throw std::runtime_error("cannot start " + program);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  result.errorText = readText(err);
  result.outputText = readText(out);
  std::error_code ignored;
  std::filesystem::remove(out, ignored);
  std::filesystem::remove(err, ignored);
  return result;
}

// As runProgram, with the program's file-size limit (RLIMIT_FSIZE) set to
// `limitBytes`, as a quota or "ulimit -f" would: its writes fail part-way.
inline RunResult runProgramWithFileSizeLimit(const std::string& program,
                                             const std::filesystem::path& directory,
                                             const std::filesystem::path& answers,
                                             rlim_t limitBytes) {
  const std::string out = (directory / "stdout.log").string();
  const std::string err = (directory / "stderr.log").string();
  const std::string in = answers.string();
  const std::string dir = directory.string();
  std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("cannot start " + program);
  if (pid == 0) {
    const rlimit limit{limitBytes, limitBytes};
    const int fdIn = ::open(in.c_str(), O_RDONLY);
    const int fdOut = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int fdErr = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fdIn < 0 || fdOut < 0 || fdErr < 0 || ::dup2(fdIn, 0) < 0 || ::dup2(fdOut, 1) < 0 ||
        ::dup2(fdErr, 2) < 0 || ::chdir(dir.c_str()) != 0 || ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
      ::_exit(126);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  RunResult result;
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  result.errorText = readText(err);
  result.outputText = readText(out);
  std::error_code ignored;
  std::filesystem::remove(out, ignored);
  std::filesystem::remove(err, ignored);
  return result;
}

// Names in the directory other than the given ones (to find stray files).
inline std::vector<std::string> otherFiles(const std::filesystem::path& directory,
                                           const std::vector<std::string>& expected) {
  std::vector<std::string> others;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    const std::string name = entry.path().filename().string();
    bool known = false;
    for (const auto& e : expected) known = known || e == name;
    if (!known) others.push_back(name);
  }
  return others;
}

}  // namespace companion_test
