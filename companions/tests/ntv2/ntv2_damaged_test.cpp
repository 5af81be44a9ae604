// Damaged grid files are refused when they are opened, with a reason that
// names the file, whatever the damage: a cut at any byte, absurd counts,
// unusable extents, values that are not finite or no datum shift.
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "ntv2_io.h"
#include "ntv2_synthetic.h"

namespace fs = std::filesystem;

namespace {

// Records of a one-subfile grid: the overview header, the subfile header,
// then the nodes.
constexpr size_t kNumOrec = 0, kNumSrec = 1, kNumFile = 2;
constexpr size_t kSLat = 15, kNLat = 16, kELong = 17, kWLong = 18, kLatInc = 19, kLongInc = 20,
                 kGsCount = 21, kFirstNode = 22;

struct TempDir {
  fs::path path;
  TempDir() {
    std::random_device rd;
    path = fs::temp_directory_path() /
           ("ntv2_damaged_" + std::to_string(::getpid()) + "_" + std::to_string(rd()));
    fs::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

// 3 rows of 5 columns: 15 nodes, 38 records, 608 bytes.
ntv2::File smallFile(const std::string& name = "SMALL") {
  ntv2::File f;
  std::string error;
  EXPECT_TRUE(ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {45.0, 46.0, 64.0, 66.0, 1800}, name,
                                  "DEMO", f, error))
      << error;
  return f;
}

std::string smallGrid() {
  std::string bytes, error;
  EXPECT_TRUE(ntv2::encode(smallFile(), bytes, error)) << error;
  return bytes;
}

void putInt(std::string& bytes, size_t record, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) bytes[record * 16 + 8 + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

void putDouble(std::string& bytes, size_t record, double v) {
  const auto u = std::bit_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) bytes[record * 16 + 8 + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

double getDouble(const std::string& bytes, size_t record) {
  uint64_t u = 0;
  for (int i = 0; i < 8; ++i)
    u |= uint64_t(static_cast<unsigned char>(bytes[record * 16 + 8 + i])) << (8 * i);
  return std::bit_cast<double>(u);
}

// Field 0 latitude shift, 1 longitude shift, 2 and 3 their accuracies.
void putNodeValue(std::string& bytes, size_t node, int field, float v) {
  const auto u = std::bit_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i)
    bytes[(kFirstNode + node) * 16 + 4 * field + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

struct Outcome {
  bool read = false;
  std::string error;
};

Outcome readBytes(const TempDir& dir, const std::string& bytes, const std::string& name = "D.GSB") {
  const auto path = (dir.path / name).string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ntv2::File f;
  Outcome o;
  o.read = ntv2::readFile(path, f, o.error);
  if (!o.read) {
    EXPECT_TRUE(f.subfiles.empty());
  }
  return o;
}

void expectRefused(const TempDir& dir, const std::string& bytes, const std::string& why,
                   const std::string& context) {
  const Outcome o = readBytes(dir, bytes);
  EXPECT_FALSE(o.read) << context;
  EXPECT_NE(o.error.find((dir.path / "D.GSB").string()), std::string::npos)
      << context << ": " << o.error;
  EXPECT_NE(o.error.find(why), std::string::npos) << context << ": " << o.error;
}

}  // namespace

TEST(Ntv2Damaged, TheUndamagedGridIsRead) {
  TempDir dir;
  const Outcome o = readBytes(dir, smallGrid());
  EXPECT_TRUE(o.read) << o.error;
  EXPECT_EQ(smallGrid().size(), 38u * 16u);
}

TEST(Ntv2Damaged, AGridCutAtAnyByteIsRefused) {
  TempDir dir;
  const std::string bytes = smallGrid();
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    const Outcome o = readBytes(dir, bytes.substr(0, cut));
    EXPECT_FALSE(o.read) << "cut at " << cut;
    EXPECT_NE(o.error.find("D.GSB"), std::string::npos) << o.error;
  }
}

TEST(Ntv2Damaged, BytesAfterTheEndRecordAreRefused) {
  TempDir dir;
  expectRefused(dir, smallGrid() + std::string(16, '\0'), "after the END record", "16 more bytes");
  std::string noEnd = smallGrid();
  noEnd.replace(noEnd.size() - 16, 3, "ENX");
  expectRefused(dir, noEnd, "END", "END record renamed");
}

TEST(Ntv2Damaged, NodesThatAreNotFiniteOrNoDatumShiftAreRefused) {
  TempDir dir;
  const float bad[] = {std::numeric_limits<float>::infinity(),
                       -std::numeric_limits<float>::infinity(),
                       std::numeric_limits<float>::quiet_NaN(), 1e30f, -3601.0f};
  for (int field = 0; field < 4; ++field)
    for (float v : bad) {
      std::string bytes = smallGrid();
      putNodeValue(bytes, 7, field, v);  // row 2, column 3
      expectRefused(dir, bytes, "node 8 (row 2, column 3)",
                    "field " + std::to_string(field) + " value " + std::to_string(v));
    }
  // Large but real shifts and unknown accuracies stay readable.
  std::string bytes = smallGrid();
  putNodeValue(bytes, 0, 0, 3500.0f);
  putNodeValue(bytes, 0, 1, -3500.0f);
  putNodeValue(bytes, 0, 2, -1.0f);
  EXPECT_TRUE(readBytes(dir, bytes).read);
}

TEST(Ntv2Damaged, AbsurdHeaderCountsAreRefused) {
  TempDir dir;
  const int32_t absurd[] = {std::numeric_limits<int32_t>::max(),
                            std::numeric_limits<int32_t>::min(), -1, 0};
  for (int32_t v : absurd) {
    std::string bytes = smallGrid();
    putInt(bytes, kNumFile, v);
    expectRefused(dir, bytes, "NUM_FILE", "NUM_FILE " + std::to_string(v));
    bytes = smallGrid();
    putInt(bytes, kNumOrec, v);
    expectRefused(dir, bytes, "NUM_OREC", "NUM_OREC " + std::to_string(v));
    bytes = smallGrid();
    putInt(bytes, kNumSrec, v);
    expectRefused(dir, bytes, "NUM_SREC", "NUM_SREC " + std::to_string(v));
    bytes = smallGrid();
    putInt(bytes, kGsCount, v);
    expectRefused(dir, bytes, "GS_COUNT", "GS_COUNT " + std::to_string(v));
  }
  // More subfiles announced than the file holds.
  std::string bytes = smallGrid();
  putInt(bytes, kNumFile, 2);
  expectRefused(dir, bytes, "SUB_NAME", "NUM_FILE 2");
  // A node count that agrees with absurd extents but not with the file.
  bytes = smallGrid();
  putDouble(bytes, kLatInc, 1.0);
  putDouble(bytes, kNLat, getDouble(bytes, kSLat) + 1999);
  putInt(bytes, kGsCount, 2000 * 5);
  expectRefused(dir, bytes, "truncated", "10000 nodes announced");
}

TEST(Ntv2Damaged, UnusableExtentsAndIncrementsAreRefused) {
  TempDir dir;
  const std::string good = smallGrid();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    size_t record;
    double value;
    const char* why;
  };
  const Case cases[] = {
      {kLatInc, 0.0, "LAT_INC"},
      {kLongInc, -1800.0, "LONG_INC"},
      {kLatInc, nan, "LAT_INC"},
      {kLongInc, inf, "LONG_INC"},
      {kLatInc, 1e-300, "more nodes"},
      {kSLat, getDouble(good, kNLat), "S_LAT"},            // no rows at all
      {kSLat, getDouble(good, kNLat) + 1800, "S_LAT"},     // south above north
      {kELong, getDouble(good, kWLong) + 1800, "E_LONG"},  // east beyond west
      {kSLat, -1e9, "90 degrees"},
      {kWLong, 1e12, "360"},
      {kNLat, getDouble(good, kNLat) + 900, "whole multiples"},
      {kNLat, nan, "N_LAT"},
      {kELong, -inf, "E_LONG"},
  };
  for (const Case& c : cases) {
    std::string bytes = good;
    putDouble(bytes, c.record, c.value);
    expectRefused(dir, bytes, c.why,
                  "record " + std::to_string(c.record) + " = " + std::to_string(c.value));
  }
}

TEST(Ntv2Damaged, SubfileNamesAndParentsMustHold) {
  TempDir dir;
  auto twoSubfiles = [](const std::string& secondName, const std::string& firstParent,
                        const std::string& secondParent) {
    ntv2::File f = smallFile("A");
    ntv2::Subfile second = smallFile(secondName).subfiles[0];
    f.subfiles[0].parent = firstParent;
    second.parent = secondParent;
    f.subfiles.push_back(second);
    std::string bytes, error;
    EXPECT_TRUE(ntv2::encode(f, bytes, error)) << error;
    return bytes;
  };
  EXPECT_TRUE(readBytes(dir, twoSubfiles("B", "NONE", "A")).read);
  expectRefused(dir, twoSubfiles("A", "NONE", "NONE"), "two subfiles are named", "duplicate names");
  expectRefused(dir, twoSubfiles("B", "NONE", "C"), "does not hold", "unknown parent");
  expectRefused(dir, twoSubfiles("B", "B", "A"), "its own ancestor", "cycle A-B");
  expectRefused(dir, twoSubfiles("B", "NONE", "B"), "its own ancestor", "own parent");
}

// Every damaged variant ends with an answer: random damage, many rounds.
TEST(Ntv2Damaged, RandomDamageIsReadConsistentlyOrRefusedWithTheFileName) {
  TempDir dir;
  const std::string good = smallGrid();
  std::mt19937 gen(77);
  std::uniform_int_distribution<size_t> pos(0, good.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 500; ++round) {
    std::string bytes = good;
    for (int i = 0; i < 1 + round % 4; ++i) bytes[pos(gen)] = static_cast<char>(byte(gen));
    const auto path = (dir.path / "R.GSB").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ntv2::File f;
    std::string error;
    if (!ntv2::readFile(path, f, error)) {
      EXPECT_NE(error.find(path), std::string::npos) << error;
      EXPECT_EQ(error.find_first_of("\r\n"), std::string::npos) << error;
      continue;
    }
    for (const auto& s : f.subfiles) {
      EXPECT_GE(s.rows(), 2);
      EXPECT_GE(s.columns(), 2);
      for (const auto& n : s.nodes) {
        EXPECT_TRUE(std::isfinite(n.latShift) && std::fabs(n.latShift) <= 3600);
        EXPECT_TRUE(std::isfinite(n.lonShift) && std::fabs(n.lonShift) <= 3600);
      }
    }
  }
}

// The demonstration writer sizes its grid from the command line: extents
// that are not finite or absurdly wide are refused, never sized into an int.
TEST(Ntv2Damaged, SyntheticGridRefusesUnboundedExtents) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const ntv2::GridExtent bad[] = {
      {45, 46, 64, inf, 300}, {45, 46, -inf, 66, 300}, {45, 46, 64, 1e300, 300},
      {45, 46, 64, 66, inf},  {45, 46, 64, 66, nan},   {45, nan, 64, 66, 300},
      {45, 46, 64, 66, 1},    {-90, 90, -360, 360, 1},
  };
  for (const auto& e : bad) {
    ntv2::File f;
    std::string error;
    EXPECT_FALSE(ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, e, "X", "", f, error))
        << e.southDeg << " " << e.northDeg << " " << e.eastDeg << " " << e.westDeg << " "
        << e.spacingSeconds;
    EXPECT_FALSE(error.empty());
  }
}

// The subfile count comes from the file: checking thousands of parents is
// linear work, and a long cycle is found as surely as a short one.
TEST(Ntv2Damaged, ThousandsOfSubfilesAreCheckedInOnePass) {
  TempDir dir;
  ntv2::File f;
  std::string error;
  ASSERT_TRUE(ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {45.0, 45.5, 64.0, 64.5, 1800}, "S0",
                                  "", f, error));
  const ntv2::Subfile cell = f.subfiles[0];
  for (int i = 1; i < 3000; ++i) {
    ntv2::Subfile s = cell;
    s.name = "S" + std::to_string(i);
    s.parent = "S" + std::to_string(i - 1);
    f.subfiles.push_back(s);
  }
  std::string bytes;
  ASSERT_TRUE(ntv2::encode(f, bytes, error)) << error;
  const Outcome chain = readBytes(dir, bytes);
  EXPECT_TRUE(chain.read) << chain.error;
  f.subfiles[0].parent = "S2999";
  ASSERT_TRUE(ntv2::encode(f, bytes, error)) << error;
  expectRefused(dir, bytes, "its own ancestor", "cycle through 3000 subfiles");
}

// The reason is quoted as one console line: damaged names cannot break it.
TEST(Ntv2Damaged, DamagedNamesInTheReasonStayOnOneLine) {
  TempDir dir;
  std::string bytes = smallGrid();
  bytes.replace(11 * 16 + 8, 4, "A\nB\r");  // SUB_NAME
  putInt(bytes, kGsCount, 7);
  const Outcome o = readBytes(dir, bytes);
  EXPECT_FALSE(o.read);
  EXPECT_NE(o.error.find("subfile \"A?B?L\""), std::string::npos)
      << o.error;  // "SMALL" overwritten
  bytes = smallGrid();
  bytes.replace(12 * 16, 6, "PA\nRNT");  // the PARENT key itself
  EXPECT_EQ(readBytes(dir, bytes).error.find_first_of("\r\n"), std::string::npos);
}
