#include "lumbrix_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace lumbrix {
namespace {

std::string reason(int number) {
  return number != 0 ? std::string(": ") + std::strerror(number) : std::string();
}

}  // namespace

bool writeAll(const std::vector<OutputFile>& files, std::string& error) {
  std::vector<std::string> temps;
  auto discard = [&] {
    for (const auto& t : temps) std::remove(t.c_str());
  };
  for (const auto& f : files) {
    // The fixed name the front end clears with the other work files.
    const std::string temp = f.path + ".PART";
    temps.push_back(temp);
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = "cannot create " + f.path + reason(errno);
      discard();
      return false;
    }
    errno = 0;
    out << f.text;
    int failure = out ? 0 : errno != 0 ? errno : EIO;
    errno = 0;
    out.close();
    if (!out && failure == 0) failure = errno != 0 ? errno : EIO;
    if (failure != 0) {
      error = "cannot write " + f.path + reason(failure);
      discard();
      return false;
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    std::filesystem::rename(temps[i], files[i].path, ec);
    if (ec) {
      error = "cannot rename into " + files[i].path + ": " + ec.message();
      for (size_t j = 0; j < i; ++j) std::remove(files[j].path.c_str());
      discard();
      return false;
    }
  }
  return true;
}

}  // namespace lumbrix
