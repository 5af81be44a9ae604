#pragma once
// Runs a built program in a fresh temporary directory with standard input
// from a file, for the whole-program tests.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvtest {

namespace fs = std::filesystem;

// A directory of its own per test, removed at the end.
class TempDir {
public:
    TempDir() {
        std::string templ = (fs::temp_directory_path() / "orvandel-XXXXXX").string();
        if (mkdtemp(templ.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = templ;
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

inline void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

struct RunResult {
    int status = -1;
    std::string screen;
    std::string errors;
};

// Runs `program` with `args` in `dir`: standard input from `stdinFile`,
// standard output and error to files in `dir`; `env` entries ("NAME=value")
// replace the environment (ORVANDEL_DATE is always fixed). `prepareChild`,
// when given, runs in the child just before the program starts (limits,
// signal dispositions).
inline RunResult runProgram(const std::string& program, const std::vector<std::string>& args, const fs::path& dir,
                            const std::string& stdinFile, const std::vector<std::string>& env,
                            void (*prepareChild)() = nullptr) {
    const std::string outPath = (dir / ".screen").string();
    const std::string errPath = (dir / ".errors").string();
    std::vector<std::string> envStrings = env;
    envStrings.push_back("ORVANDEL_DATE=07-DEC-2026");
    std::vector<char*> envp;
    for (auto& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStrings) argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(126);
        const int in = open(stdinFile.c_str(), O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0) _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (prepareChild != nullptr) prepareChild();
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    RunResult result;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    result.screen = readText(outPath);
    result.errors = readText(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return result;
}

}  // namespace orvtest
