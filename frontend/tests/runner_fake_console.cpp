// A stand-in console program for the run protocol and route tests. Copied
// into a test's program directory under the name of the program it plays
// ("vesperan", "LUMBRIX.EXE", ...). In its current directory it:
//   writes NAME.STDIN (everything read from standard input) and NAME.PID,
//   appends NAME to FAKE.LOG,
//   for each line "SOURCE TARGET" of NAME.MAKES copies SOURCE to TARGET,
//   for each line of NAME.TOUCHES creates that file, empty, when it is not
//   there; a line "*.EXT" stands for every answer line ending in ".EXT"
//   (the output files an answer file names),
//   writes the lines of NAME.SAY to standard error,
//   sleeps for the milliseconds in NAME.SLEEP,
//   ends itself with the signal in NAME.SIGNAL, when there is one,
//   exits with the status in NAME.EXIT (0 without it).
// NAME is the lower-case file name without ".exe".

#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string Slurp(std::istream& in) {
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string NameOf(const char* argv0) {
  std::string name = argv0;
  auto slash = name.find_last_of('/');
  if (slash != std::string::npos) name = name.substr(slash + 1);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (name.size() > 4 && name.substr(name.size() - 4) == ".exe") name.resize(name.size() - 4);
  return name;
}

long Number(const std::string& path, long fallback) {
  std::ifstream in(path);
  long value = fallback;
  if (in) in >> value;
  return value;
}

}  // namespace

int main(int, char** argv) {
  const std::string name = NameOf(argv[0]);
  std::string input = Slurp(std::cin);
  std::ofstream(name + ".STDIN", std::ios::binary) << input;
  std::ofstream(name + ".PID") << ::getpid() << "\n";
  std::ofstream(std::string("FAKE.LOG"), std::ios::app) << name << "\n";
  std::cout << name << ": console output" << std::endl;
  std::cerr << name << ": error output" << std::endl;

  std::ifstream makes(name + ".MAKES");
  std::string source, target;
  while (makes >> source >> target) {
    std::ifstream from(source, std::ios::binary);
    std::ofstream(target, std::ios::binary | std::ios::trunc) << Slurp(from);
  }
  std::vector<std::string> answers;
  {
    std::istringstream lines(input);
    std::string line;
    while (std::getline(lines, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      answers.push_back(line);
    }
  }
  auto upper = [](std::string t) {
    for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t;
  };
  // A file of that name in any case counts as there.
  auto touch = [&upper](const std::string& path) {
    const std::filesystem::path p(path);
    const std::filesystem::path dir =
        p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec))
      if (upper(e.path().filename().string()) == upper(p.filename().string())) return;
    std::ofstream(path, std::ios::binary);
  };
  std::ifstream touches(name + ".TOUCHES");
  std::string wanted;
  while (std::getline(touches, wanted)) {
    if (wanted.empty()) continue;
    if (wanted.rfind("*.", 0) == 0) {
      const std::string ext = upper(wanted.substr(1));
      for (const auto& answer : answers)
        if (answer.size() > ext.size() && upper(answer.substr(answer.size() - ext.size())) == ext)
          touch(answer);
    } else {
      touch(wanted);
    }
  }
  std::ifstream say(name + ".SAY");
  std::string said;
  while (std::getline(say, said)) std::cerr << said << "\n";
  std::cerr.flush();
  long sleepMs = Number(name + ".SLEEP", 0);
  if (sleepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
  long signal = Number(name + ".SIGNAL", 0);
  if (signal > 0) ::raise(static_cast<int>(signal));
  return static_cast<int>(Number(name + ".EXIT", 0));
}
