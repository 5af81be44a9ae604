#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "ntv2_interpolate.h"
#include "ntv2_io.h"
#include "ntv2_synthetic.h"

namespace fs = std::filesystem;

// Damaged grid files are refused or read consistently, never crash.
TEST(Ntv2Robustness, MutatedFilesNeverCrashTheReader) {
  std::random_device rd;
  const fs::path dir = fs::temp_directory_path() /
                       ("ntv2_robust_" + std::to_string(::getpid()) + "_" + std::to_string(rd()));
  fs::create_directories(dir);
  ntv2::File f;
  std::string bytes, error;
  ASSERT_TRUE(
      ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {45, 46, 64, 66, 1800}, "T", "", f, error));
  ASSERT_TRUE(ntv2::encode(f, bytes, error));
  std::mt19937 gen(5);
  std::uniform_int_distribution<size_t> pos(0, bytes.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  int accepted = 0;
  for (int round = 0; round < 300; ++round) {
    std::string damaged = bytes;
    const int changes = 1 + round % 8;
    for (int i = 0; i < changes; ++i) damaged[pos(gen)] = static_cast<char>(byte(gen));
    if (round % 5 == 0) damaged.resize(pos(gen));
    const auto path = (dir / "D.GSB").string();
    std::ofstream(path, std::ios::binary)
        .write(damaged.data(), static_cast<std::streamsize>(damaged.size()));
    ntv2::File g;
    if (!ntv2::readFile(path, g, error)) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    ++accepted;
    // What is accepted is consistent enough to interpolate anywhere.
    for (const auto& s : g.subfiles) {
      ASSERT_EQ(s.nodes.size(), static_cast<size_t>(s.rows()) * static_cast<size_t>(s.columns()));
      ntv2::Node n;
      ntv2::interpolate(g, (s.southLat + s.northLat) / 2, (s.eastLong + s.westLong) / 2, n);
      ntv2::interpolate(g, s.northLat, s.westLong, n);
    }
  }
  EXPECT_GT(accepted, 0);  // changes inside the node values are still a grid
  std::error_code ec;
  fs::remove_all(dir, ec);
}
