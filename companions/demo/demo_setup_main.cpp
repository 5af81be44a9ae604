// demo-setup: writes the demo installation's KARTOVEX.INI and its sample
// input files.   demo-setup ROOT
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "demo_ini.h"
#include "demo_samples.h"

namespace fs = std::filesystem;

namespace {

bool writeReplacing(const fs::path& path, const std::string& text) {
  const fs::path temp = path.string() + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) return false;
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  return !ec;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo-setup ROOT\n");
    return 2;
  }
  std::string root = fs::absolute(argv[1]).lexically_normal().string();
  if (root.empty() || root.back() != '/') root += '/';
  std::string ini, error;
  std::vector<demo::SampleFile> samples;
  if (!demo::iniText(root, ini, error) || !demo::sampleFiles(samples, error)) {
    std::fprintf(stderr, "demo-setup: %s\n", error.c_str());
    return 1;
  }
  std::error_code ec;
  fs::create_directories(fs::path(root) / "INPUT", ec);
  bool ok = !ec && writeReplacing(fs::path(root) / "KARTOVEX.INI", ini);
  for (const auto& s : samples)
    ok = ok && writeReplacing(fs::path(root) / "INPUT" / s.name, s.text);
  if (!ok) {
    std::fprintf(stderr, "demo-setup: cannot write into %s\n", root.c_str());
    return 1;
  }
  return 0;
}
