#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "ntv2_io.h"
#include "ntv2_synthetic.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
  fs::path path;
  TempDir() {
    std::random_device rd;
    path = fs::temp_directory_path() /
           ("ntv2_io_" + std::to_string(::getpid()) + "_" + std::to_string(rd()));
    fs::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

ntv2::File smallGrid() {
  ntv2::File f;
  std::string error;
  ntv2::GridExtent e{45.0, 46.0, 64.0, 66.0, 1800};
  EXPECT_TRUE(ntv2::syntheticGrid(ntv2::Field::Nad27ToNad83, e, "TEST", "DEMO", f, error)) << error;
  return f;
}

std::string keyAt(const std::string& bytes, size_t record) { return bytes.substr(record * 16, 8); }

}  // namespace

TEST(Ntv2Encode, RecordsAreSixteenBytesInTheFixedOrder) {
  std::string bytes, error;
  ASSERT_TRUE(ntv2::encode(smallGrid(), bytes, error)) << error;
  const char* keys[] = {"NUM_OREC", "NUM_SREC", "NUM_FILE", "GS_TYPE ", "VERSION ", "SYSTEM_F",
                        "SYSTEM_T", "MAJOR_F ", "MINOR_F ", "MAJOR_T ", "MINOR_T ", "SUB_NAME",
                        "PARENT  ", "CREATED ", "UPDATED ", "S_LAT   ", "N_LAT   ", "E_LONG  ",
                        "W_LONG  ", "LAT_INC ", "LONG_INC", "GS_COUNT"};
  for (size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(keyAt(bytes, i), keys[i]) << i;
  // 3 rows x 5 columns at 30'.
  EXPECT_EQ(bytes.size(), 16u * (22 + 15 + 1));
  EXPECT_EQ(keyAt(bytes, 22 + 15), "END     ");
  EXPECT_EQ(bytes.substr(3 * 16 + 8, 8), "SECONDS ");
  EXPECT_EQ(bytes.substr(12 * 16 + 8, 8), "NONE    ");
  // Little-endian integer: NUM_OREC = 11.
  EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 11);
  EXPECT_EQ(bytes[9], 0);
}

TEST(Ntv2Encode, RefusesInconsistentNodeCountAndLongNames) {
  auto f = smallGrid();
  std::string bytes, error;
  f.subfiles[0].nodes.pop_back();
  EXPECT_FALSE(ntv2::encode(f, bytes, error));
  f = smallGrid();
  f.subfiles[0].name = "TOOLONGNAME";
  EXPECT_FALSE(ntv2::encode(f, bytes, error));
}

TEST(Ntv2ReadWrite, RoundTripKeepsEveryValue) {
  TempDir dir;
  const auto f = smallGrid();
  std::string error;
  const auto path = (dir.path / "T.GSB").string();
  ASSERT_TRUE(ntv2::writeFile(path, f, error)) << error;
  EXPECT_FALSE(fs::exists(path + ".part"));
  ntv2::File g;
  ASSERT_TRUE(ntv2::readFile(path, g, error)) << error;
  EXPECT_EQ(g.systemFrom, "NAD27");
  EXPECT_EQ(g.systemTo, "NAD83");
  EXPECT_EQ(g.version, "NTv2.0");
  EXPECT_DOUBLE_EQ(g.majorFrom, 6378206.4);
  ASSERT_EQ(g.subfiles.size(), 1u);
  const auto& s = g.subfiles[0];
  EXPECT_EQ(s.name, "TEST");
  EXPECT_EQ(s.parent, "NONE");
  EXPECT_DOUBLE_EQ(s.southLat, 45.0 * 3600);
  EXPECT_DOUBLE_EQ(s.westLong, 66.0 * 3600);
  EXPECT_EQ(s.rows(), 3);
  EXPECT_EQ(s.columns(), 5);
  ASSERT_EQ(s.nodes.size(), f.subfiles[0].nodes.size());
  for (size_t i = 0; i < s.nodes.size(); ++i) {
    EXPECT_EQ(s.nodes[i].latShift, f.subfiles[0].nodes[i].latShift);
    EXPECT_EQ(s.nodes[i].lonShift, f.subfiles[0].nodes[i].lonShift);
    EXPECT_EQ(s.nodes[i].latAccuracy, f.subfiles[0].nodes[i].latAccuracy);
  }
}

TEST(Ntv2Read, ReadsAPublishedGrid) {
  ntv2::File g;
  std::string error;
  ASSERT_TRUE(ntv2::readFile("/usr/share/proj/BETA2007.gsb", g, error)) << error;
  EXPECT_EQ(g.systemFrom, "DHDN90");
  EXPECT_EQ(g.systemTo, "ETRS89");
  ASSERT_EQ(g.subfiles.size(), 1u);
  EXPECT_EQ(g.subfiles[0].nodes.size(),
            static_cast<size_t>(g.subfiles[0].rows() * g.subfiles[0].columns()));
  // Germany lies east: the east edge is negative in the positive-west file.
  EXPECT_LT(g.subfiles[0].eastLong, 0);
}

TEST(Ntv2Read, RejectsMissingTruncatedAndForeignFiles) {
  TempDir dir;
  ntv2::File g;
  std::string error;
  EXPECT_FALSE(ntv2::readFile((dir.path / "none.gsb").string(), g, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos);

  std::string bytes;
  ASSERT_TRUE(ntv2::encode(smallGrid(), bytes, error));
  for (size_t cut : {size_t(0), size_t(10), size_t(16 * 11), size_t(16 * 22), bytes.size() - 40}) {
    const auto p = (dir.path / ("cut" + std::to_string(cut))).string();
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(cut));
    EXPECT_FALSE(ntv2::readFile(p, g, error)) << cut;
  }
  const auto text = (dir.path / "text.gsb").string();
  std::ofstream(text) << "this is not a grid\n";
  EXPECT_FALSE(ntv2::readFile(text, g, error));

  // A GS_COUNT that disagrees with the extents.
  std::string bad = bytes;
  bad[21 * 16 + 8] = static_cast<char>(bad[21 * 16 + 8] + 1);
  const auto p = (dir.path / "count.gsb").string();
  std::ofstream(p, std::ios::binary).write(bad.data(), static_cast<std::streamsize>(bad.size()));
  EXPECT_FALSE(ntv2::readFile(p, g, error));
  EXPECT_NE(error.find("GS_COUNT"), std::string::npos);
}

TEST(Ntv2Write, FailsCleanlyInAMissingDirectory) {
  TempDir dir;
  std::string error;
  const auto path = (dir.path / "no" / "such" / "G.GSB").string();
  EXPECT_FALSE(ntv2::writeFile(path, smallGrid(), error));
  EXPECT_FALSE(fs::exists(path));
}
