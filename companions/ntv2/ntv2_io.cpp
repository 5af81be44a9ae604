#include "ntv2_io.h"

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>
#include <vector>

namespace ntv2 {
namespace {

constexpr size_t kRecord = 16;
constexpr int kHeaderRecords = 11;

// ---- encoding -------------------------------------------------------------

void putKey(std::string& out, const char* key) {
  char buf[8];
  std::memset(buf, ' ', 8);
  std::memcpy(buf, key, std::min<size_t>(8, std::strlen(key)));
  out.append(buf, 8);
}

void putU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putU64(std::string& out, uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putInt(std::string& out, const char* key, int32_t v) {
  putKey(out, key);
  putU32(out, static_cast<uint32_t>(v));
  putU32(out, 0);
}

void putText(std::string& out, const char* key, const std::string& v) {
  putKey(out, key);
  putKey(out, v.c_str());
}

void putDouble(std::string& out, const char* key, double v) {
  putKey(out, key);
  putU64(out, std::bit_cast<uint64_t>(v));
}

void putFloat(std::string& out, float v) { putU32(out, std::bit_cast<uint32_t>(v)); }

// ---- decoding -------------------------------------------------------------

uint32_t getU32(const unsigned char* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint64_t getU64(const unsigned char* p) {
  return uint64_t(getU32(p)) | uint64_t(getU32(p + 4)) << 32;
}

std::string trimmed(const unsigned char* p, size_t n) {
  std::string s(reinterpret_cast<const char*>(p), n);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.pop_back();
  return s;
}

// Text from a damaged file as it may appear in a one-line message.
std::string printable(const std::string& text) {
  std::string out = text;
  for (char& ch : out)
    if (static_cast<unsigned char>(ch) < 0x20 || static_cast<unsigned char>(ch) > 0x7E) ch = '?';
  return out;
}

class Cursor {
 public:
  Cursor(const std::string& bytes) : bytes_(bytes) {}

  // Next 16-byte record; false (with error) when it is missing or its key
  // is not the expected one.
  bool record(const char* key, const unsigned char*& value, std::string& error) {
    if (pos_ + kRecord > bytes_.size()) {
      error = std::string("the file is cut short: it ends before the ") + key + " record";
      return false;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + pos_;
    std::string found = trimmed(p, 8);
    if (found != key) {
      error = std::string("expected the ") + key + " record, found \"" + printable(found) + "\"";
      return false;
    }
    value = p + 8;
    pos_ += kRecord;
    return true;
  }

  bool intRecord(const char* key, int32_t& v, std::string& error) {
    const unsigned char* p = nullptr;
    if (!record(key, p, error)) return false;
    v = static_cast<int32_t>(getU32(p));
    return true;
  }

  bool textRecord(const char* key, std::string& v, std::string& error) {
    const unsigned char* p = nullptr;
    if (!record(key, p, error)) return false;
    v = trimmed(p, 8);
    return true;
  }

  bool doubleRecord(const char* key, double& v, std::string& error) {
    const unsigned char* p = nullptr;
    if (!record(key, p, error)) return false;
    v = std::bit_cast<double>(getU64(p));
    if (!std::isfinite(v)) {
      error = std::string("the ") + key + " value is not a finite number";
      return false;
    }
    return true;
  }

  size_t remaining() const { return bytes_.size() - pos_; }
  const unsigned char* here() const {
    return reinterpret_cast<const unsigned char*>(bytes_.data()) + pos_;
  }
  void skip(size_t n) { pos_ += n; }

 private:
  const std::string& bytes_;
  size_t pos_ = 0;
};

// Limits past which a file is damaged rather than merely unusual.
constexpr double kMaxLatSeconds = 90.0 * 3600;
constexpr double kMaxLongSeconds = 360.0 * 3600;
constexpr double kMaxNodes = 5e8;
// A datum shift or its accuracy of more than a degree is no datum shift.
constexpr float kMaxNodeSeconds = 3600;
// Extents must be whole multiples of the increments, to rounding.
constexpr double kStepTolerance = 0.01;

std::string subfileName(const std::string& name) { return "subfile \"" + printable(name) + "\""; }

bool checkNodeValue(float v, const Subfile& s, size_t index, const char* what, std::string& error) {
  if (std::isfinite(v) && std::fabs(v) <= kMaxNodeSeconds) return true;
  const size_t cols = static_cast<size_t>(s.columns());
  char value[48];
  std::snprintf(value, sizeof value, "%g", static_cast<double>(v));
  error = subfileName(s.name) + ", node " + std::to_string(index + 1) + " (row " +
          std::to_string(index / cols + 1) + ", column " + std::to_string(index % cols + 1) +
          "): " + what + " " + value +
          (std::isfinite(v) ? " is beyond one degree" : " is not a finite number");
  return false;
}

// Extents, increments and node count of one subfile header.
bool checkSubfileHeader(const Subfile& s, int32_t count, std::string& error) {
  const std::string name = subfileName(s.name);
  if (!(s.latInc > 0) || !(s.longInc > 0)) {
    error = name + " has invalid extents or increments (LAT_INC and LONG_INC must be positive)";
    return false;
  }
  if (!(s.northLat > s.southLat) || !(s.westLong > s.eastLong)) {
    error =
        name +
        " has invalid extents or increments (S_LAT must lie below N_LAT and E_LONG below W_LONG)";
    return false;
  }
  if (std::fabs(s.southLat) > kMaxLatSeconds || std::fabs(s.northLat) > kMaxLatSeconds ||
      std::fabs(s.eastLong) > kMaxLongSeconds || std::fabs(s.westLong) > kMaxLongSeconds) {
    error =
        name +
        " has invalid extents or increments (beyond 90 degrees of latitude or 360 of longitude)";
    return false;
  }
  const double rowSteps = (s.northLat - s.southLat) / s.latInc;
  const double colSteps = (s.westLong - s.eastLong) / s.longInc;
  if ((rowSteps + 1) * (colSteps + 1) > kMaxNodes) {
    error = name + ": its extents and increments give more nodes than any grid holds";
    return false;
  }
  if (std::fabs(rowSteps - std::round(rowSteps)) > kStepTolerance ||
      std::fabs(colSteps - std::round(colSteps)) > kStepTolerance) {
    error = name +
            " has invalid extents or increments (the extents are not whole multiples of the "
            "increments)";
    return false;
  }
  const int rows = expectedRows(s), cols = expectedColumns(s);
  if (rows < 2 || cols < 2) {
    error = name + " has invalid extents or increments (fewer than 2 rows or 2 columns)";
    return false;
  }
  if (count <= 0 || static_cast<long long>(count) != static_cast<long long>(rows) * cols) {
    error = name + ": GS_COUNT " + std::to_string(count) + " does not match its extents (" +
            std::to_string(rows) + " rows of " + std::to_string(cols) + " columns)";
    return false;
  }
  return true;
}

bool decodeSubfile(Cursor& c, Subfile& s, std::string& error) {
  int32_t count = 0;
  if (!c.textRecord("SUB_NAME", s.name, error) || !c.textRecord("PARENT", s.parent, error) ||
      !c.textRecord("CREATED", s.created, error) || !c.textRecord("UPDATED", s.updated, error) ||
      !c.doubleRecord("S_LAT", s.southLat, error) || !c.doubleRecord("N_LAT", s.northLat, error) ||
      !c.doubleRecord("E_LONG", s.eastLong, error) ||
      !c.doubleRecord("W_LONG", s.westLong, error) || !c.doubleRecord("LAT_INC", s.latInc, error) ||
      !c.doubleRecord("LONG_INC", s.longInc, error) || !c.intRecord("GS_COUNT", count, error))
    return false;
  if (!checkSubfileHeader(s, count, error)) return false;
  if (c.remaining() < static_cast<size_t>(count) * kRecord) {
    error = subfileName(s.name) + " is truncated (" + std::to_string(count) +
            " node records announced, " + std::to_string(c.remaining() / kRecord) + " present)";
    return false;
  }
  s.nodes.resize(static_cast<size_t>(count));
  for (size_t i = 0; i < s.nodes.size(); ++i) {
    Node& n = s.nodes[i];
    const unsigned char* p = c.here();
    n.latShift = std::bit_cast<float>(getU32(p));
    n.lonShift = std::bit_cast<float>(getU32(p + 4));
    n.latAccuracy = std::bit_cast<float>(getU32(p + 8));
    n.lonAccuracy = std::bit_cast<float>(getU32(p + 12));
    if (!checkNodeValue(n.latShift, s, i, "latitude shift", error) ||
        !checkNodeValue(n.lonShift, s, i, "longitude shift", error) ||
        !checkNodeValue(n.latAccuracy, s, i, "latitude accuracy", error) ||
        !checkNodeValue(n.lonAccuracy, s, i, "longitude accuracy", error))
      return false;
    c.skip(kRecord);
  }
  return true;
}

bool isNone(const std::string& parent) {
  std::string p = parent;
  for (char& ch : p) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return p == "NONE";
}

// Names are unique, and every PARENT is NONE or another subfile, with no
// subfile its own ancestor. Linear in the number of subfiles, which the file
// itself sets.
bool checkHierarchy(const File& file, std::string& error) {
  const size_t n = file.subfiles.size();
  std::map<std::string, size_t> byName;
  for (size_t i = 0; i < n; ++i)
    if (!byName.emplace(file.subfiles[i].name, i).second) {
      error = "two subfiles are named \"" + printable(file.subfiles[i].name) + "\"";
      return false;
    }
  std::vector<size_t> parent(n, n);  // n: no parent
  for (size_t i = 0; i < n; ++i) {
    const Subfile& s = file.subfiles[i];
    if (isNone(s.parent)) continue;
    const auto found = byName.find(s.parent);
    if (found == byName.end()) {
      error = subfileName(s.name) + " names the parent \"" + printable(s.parent) +
              "\", which the file does not hold";
      return false;
    }
    parent[i] = found->second;
  }
  // 0 not yet seen, 1 on the chain being followed, 2 known to reach NONE.
  std::vector<unsigned char> state(n, 0);
  for (size_t i = 0; i < n; ++i) {
    size_t at = i;
    while (at != n && state[at] == 0) {
      state[at] = 1;
      at = parent[at];
    }
    if (at != n && state[at] == 1) {
      error = subfileName(file.subfiles[at].name) + " is its own ancestor through PARENT";
      return false;
    }
    for (at = i; at != n && state[at] == 1; at = parent[at]) state[at] = 2;
  }
  return true;
}

}  // namespace

bool encode(const File& file, std::string& out, std::string& error) {
  out.clear();
  if (file.subfiles.empty()) {
    error = "no subfile";
    return false;
  }
  putInt(out, "NUM_OREC", kHeaderRecords);
  putInt(out, "NUM_SREC", kHeaderRecords);
  putInt(out, "NUM_FILE", static_cast<int32_t>(file.subfiles.size()));
  putText(out, "GS_TYPE", file.gsType);
  putText(out, "VERSION", file.version);
  putText(out, "SYSTEM_F", file.systemFrom);
  putText(out, "SYSTEM_T", file.systemTo);
  putDouble(out, "MAJOR_F", file.majorFrom);
  putDouble(out, "MINOR_F", file.minorFrom);
  putDouble(out, "MAJOR_T", file.majorTo);
  putDouble(out, "MINOR_T", file.minorTo);
  for (const auto& s : file.subfiles) {
    for (const std::string* t : {&s.name, &s.parent, &s.created, &s.updated})
      if (t->size() > 8) {
        error = "text \"" + *t + "\" is longer than 8 characters";
        return false;
      }
    if (s.rows() < 2 || s.columns() < 2 ||
        s.nodes.size() != static_cast<size_t>(s.rows()) * static_cast<size_t>(s.columns())) {
      error = "subfile " + s.name + ": node count does not match its extents";
      return false;
    }
    putText(out, "SUB_NAME", s.name);
    putText(out, "PARENT", s.parent);
    putText(out, "CREATED", s.created);
    putText(out, "UPDATED", s.updated);
    putDouble(out, "S_LAT", s.southLat);
    putDouble(out, "N_LAT", s.northLat);
    putDouble(out, "E_LONG", s.eastLong);
    putDouble(out, "W_LONG", s.westLong);
    putDouble(out, "LAT_INC", s.latInc);
    putDouble(out, "LONG_INC", s.longInc);
    putInt(out, "GS_COUNT", static_cast<int32_t>(s.nodes.size()));
    for (const auto& n : s.nodes) {
      putFloat(out, n.latShift);
      putFloat(out, n.lonShift);
      putFloat(out, n.latAccuracy);
      putFloat(out, n.lonAccuracy);
    }
  }
  putKey(out, "END");
  putU64(out, 0);
  return true;
}

bool readFile(const std::string& path, File& file, std::string& error) {
  file = File{};
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    error = "cannot open " + path;
    return false;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = "cannot read " + path;
    return false;
  }
  Cursor c(bytes);
  int32_t orec = 0, srec = 0, count = 0;
  if (!c.intRecord("NUM_OREC", orec, error) || !c.intRecord("NUM_SREC", srec, error) ||
      !c.intRecord("NUM_FILE", count, error) || !c.textRecord("GS_TYPE", file.gsType, error) ||
      !c.textRecord("VERSION", file.version, error) ||
      !c.textRecord("SYSTEM_F", file.systemFrom, error) ||
      !c.textRecord("SYSTEM_T", file.systemTo, error) ||
      !c.doubleRecord("MAJOR_F", file.majorFrom, error) ||
      !c.doubleRecord("MINOR_F", file.minorFrom, error) ||
      !c.doubleRecord("MAJOR_T", file.majorTo, error) ||
      !c.doubleRecord("MINOR_T", file.minorTo, error)) {
    error = path + ": not an NTv2 file (" + error + ")";
    return false;
  }
  if (orec != kHeaderRecords || srec != kHeaderRecords || count < 1 || count > 10000) {
    error = path + ": unsupported NTv2 header counts (NUM_OREC " + std::to_string(orec) +
            ", NUM_SREC " + std::to_string(srec) + ", NUM_FILE " + std::to_string(count) + ")";
    return false;
  }
  if (c.remaining() / kRecord < static_cast<size_t>(count) * kHeaderRecords) {
    error = path + ": NUM_FILE " + std::to_string(count) +
            " announces more subfiles than the file holds";
    return false;
  }
  if (file.gsType != "SECONDS") {
    error = path + ": unsupported GS_TYPE " + printable(file.gsType);
    return false;
  }
  file.subfiles.resize(static_cast<size_t>(count));
  for (auto& s : file.subfiles)
    if (!decodeSubfile(c, s, error)) {
      error = path + ": " + error;
      file.subfiles.clear();
      return false;
    }
  const unsigned char* end = nullptr;
  if (!checkHierarchy(file, error) || !c.record("END", end, error)) {
    error = path + ": " + error;
    file.subfiles.clear();
    return false;
  }
  if (c.remaining() > 0) {
    error = path + ": " + std::to_string(c.remaining()) + " bytes after the END record";
    file.subfiles.clear();
    return false;
  }
  return true;
}

bool writeFile(const std::string& path, const File& file, std::string& error) {
  std::string bytes;
  if (!encode(file, bytes, error)) return false;
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = "cannot create " + temp;
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      error = "cannot write " + temp;
      std::remove(temp.c_str());
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    error = "cannot rename " + temp + " to " + path + ": " + ec.message();
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace ntv2
