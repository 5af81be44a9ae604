#pragma once
// In-memory form of an NTv2 grid-shift file (the format the provinces
// publish): an overview header, one or more subfiles, little-endian records
// of 16 bytes. Angles are in arc-seconds, longitudes positive west, as in
// the file itself.
#include <cstdint>
#include <string>
#include <vector>

namespace ntv2 {

struct Node {
  float latShift = 0;      // arc-seconds, positive north
  float lonShift = 0;      // arc-seconds, positive west
  float latAccuracy = -1;  // arc-seconds; negative when unknown
  float lonAccuracy = -1;
};

struct Subfile {
  std::string name;                   // SUB_NAME, at most 8 characters
  std::string parent = "NONE";        // PARENT
  std::string created;                // CREATED
  std::string updated;                // UPDATED
  double southLat = 0, northLat = 0;  // S_LAT, N_LAT
  double eastLong = 0, westLong = 0;  // E_LONG, W_LONG (positive west)
  double latInc = 0, longInc = 0;     // LAT_INC, LONG_INC
  // GS_COUNT nodes, rows from south to north, each row from east to west.
  std::vector<Node> nodes;

  int rows() const;
  int columns() const;
  const Node& at(int row, int column) const;
};

struct File {
  std::string gsType = "SECONDS";
  std::string version = "NTv2.0";
  std::string systemFrom, systemTo;
  double majorFrom = 0, minorFrom = 0, majorTo = 0, minorTo = 0;
  std::vector<Subfile> subfiles;
};

// Number of rows and columns a subfile's extents give.
int expectedRows(const Subfile& s);
int expectedColumns(const Subfile& s);

}  // namespace ntv2
