// ORVANDEL's coefficient file, then the model it holds applied to stations
// across the provinces; a station in a batch must get the residual it gets
// alone.
#include <bit>
#include <complex>
#include <cstdint>
#include <cstdlib>

#include "common/program_stop.h"
#include "fuzz_support.h"
#include "transform/coefficient_file.h"
#include "transform/polynomial_transformation.h"
#include "transform/residual_interpolation.h"

namespace {

bool sameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::writeScratch("TRNB2777.DAT", data, size);
  orvandel::CoefficientModel model;
  try {
    model = orvandel::readCoefficientFile(path);
  } catch (const orvandel::ProgramStop&) {
    return 0;
  }
  static const double points[][2] = {
      {45.95, 66.65}, {44.65, 63.6}, {46.25, 63.13}, {47.9, 65.0}, {43.5, 65.7}};
  const orvandel::GridLimits limits;
  double u[5], v[5];
  std::size_t located = 0;
  for (const auto& p : points) {
    orvandel::TransformedStation result;
    (void)orvandel::transformStation(model, limits, p[0], p[1], result);
    orvandel::LocatedStation where;
    if (orvandel::locateStation(model, limits, p[0], p[1], where)) {
      u[located] = where.u;
      v[located] = where.v;
      ++located;
    }
  }
  if (model.header.correlation != 0 && located > 0) {
    std::complex<double> batch[5];
    orvandel::interpolateResiduals(model.control, model.header.correlation, u, v, located, batch);
    for (std::size_t i = 0; i < located; ++i) {
      const auto alone =
          orvandel::interpolateResiduals(model.control, model.header.correlation, u[i], v[i]);
      if (!sameBits(alone.real(), batch[i].real()) || !sameBits(alone.imag(), batch[i].imag()))
        std::abort();
    }
  }
  return 0;
}
