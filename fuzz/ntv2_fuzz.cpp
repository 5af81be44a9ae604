// NTv2 grid files: the reader with its checks, then interpolation inside,
// on the edges of and outside every subfile, and a re-encoding.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "ntv2_interpolate.h"
#include "ntv2_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::writeScratch("GRID.GSB", data, size);
  ntv2::File file;
  std::string error;
  if (!ntv2::readFile(path, file, error)) return 0;
  (void)ntv2::carriesAccuracies(file);
  ntv2::Node node;
  for (const ntv2::Subfile& s : file.subfiles) {
    const double lats[] = {s.southLat, s.northLat, (s.southLat + s.northLat) / 2, s.northLat + 1};
    const double lons[] = {s.eastLong, s.westLong, (s.eastLong + s.westLong) / 2, s.eastLong - 1};
    for (double lat : lats)
      for (double lon : lons) (void)ntv2::interpolate(file, lat, lon, node);
  }
  (void)ntv2::interpolate(file, 45.5 * 3600, 65.5 * 3600, node);
  std::string bytes;
  (void)ntv2::encode(file, bytes, error);
  return 0;
}
