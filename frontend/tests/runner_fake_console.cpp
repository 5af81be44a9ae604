// A stand-in console program for the run protocol and route tests. Copied
// into a test's program directory under the name of the program it plays
// ("vesperan", "LUMBRIX.EXE", ...). In its current directory it:
//   writes NAME.STDIN (everything read from standard input) and NAME.PID,
//   appends NAME to FAKE.LOG,
//   for each line "SOURCE TARGET" of NAME.MAKES copies SOURCE to TARGET,
//   sleeps for the milliseconds in NAME.SLEEP,
//   exits with the status in NAME.EXIT (0 without it).
// NAME is the lower-case file name without ".exe".

#include <unistd.h>

#include <cctype>
#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

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
  long sleepMs = Number(name + ".SLEEP", 0);
  if (sleepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
  return static_cast<int>(Number(name + ".EXIT", 0));
}
