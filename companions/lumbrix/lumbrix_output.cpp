#include "lumbrix_output.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace lumbrix {

bool writeAll(const std::vector<OutputFile>& files, std::string& error) {
  std::vector<std::string> temps;
  auto discard = [&] {
    for (const auto& t : temps) std::remove(t.c_str());
  };
  for (const auto& f : files) {
    const std::string temp = f.path + ".tmp" + std::to_string(::getpid());
    temps.push_back(temp);
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = "cannot create " + f.path;
      discard();
      return false;
    }
    out << f.text;
    out.close();
    if (!out) {
      error = "cannot write " + f.path;
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
