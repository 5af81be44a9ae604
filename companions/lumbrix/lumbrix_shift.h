#pragma once
// The grid shift itself: PROJ's hgridshift on the named NTv2 file, and the
// file's own accuracies interpolated at the point.
#include <memory>
#include <string>

#include "ntv2_file.h"

namespace lumbrix {

class GridShift {
 public:
  GridShift();
  ~GridShift();
  GridShift(const GridShift&) = delete;
  GridShift& operator=(const GridShift&) = delete;

  // Reads and checks the file, then sets up the shift; false with the reason
  // when the file is missing, unreadable or not an NTv2 grid.
  bool open(const std::string& path, std::string& error);

  // Degrees, longitude positive west. Forward goes from the grid's source
  // system to its target; false when the point lies outside the grid.
  bool shift(double latDeg, double lonWestDeg, bool backward, double& outLat,
             double& outLonWest) const;

  // Horizontal accuracy in metres at a point of the grid's source system;
  // false when the grid carries none there.
  bool accuracyMetres(double latDeg, double lonWestDeg, double& metres) const;

  bool carriesAccuracies() const { return carriesAccuracies_; }
  const ntv2::File& file() const { return file_; }

 private:
  struct Proj;
  std::unique_ptr<Proj> proj_;
  ntv2::File file_;
  bool carriesAccuracies_ = false;
};

// Brings a shifted longitude (degrees, positive west) back to the input's
// side of the 180th meridian, and says whether the shifted point can stand:
// false for a non-finite value or a shift of more than two degrees, which only a
// damaged grid gives. Such a point is left not shifted.
bool shiftedPointUsable(double latDeg, double lonWestDeg, double outLat, double& outLonWest);

}  // namespace lumbrix
