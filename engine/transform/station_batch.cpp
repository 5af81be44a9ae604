#include "transform/station_batch.h"

#include "transform/residual_interpolation.h"

namespace orvandel {

StationBatch::StationBatch() {
    stations_.reserve(kCapacity);
    u_.reserve(kCapacity);
    v_.reserve(kCapacity);
    residuals_.reserve(kCapacity);
}

void StationBatch::add(std::string name, long long recordNumber, const LocatedStation& located) {
    stations_.push_back(PendingStation{std::move(name), recordNumber, located});
    u_.push_back(located.u);
    v_.push_back(located.v);
}

void StationBatch::interpolate(const CoefficientModel& model) {
    residuals_.assign(stations_.size(), std::complex<double>(0.0, 0.0));
    if (model.header.correlation == 0.0 || stations_.empty()) return;
    interpolateResiduals(model.control, model.header.correlation, u_.data(), v_.data(), stations_.size(),
                         residuals_.data());
}

void StationBatch::clear() {
    stations_.clear();
    u_.clear();
    v_.clear();
    residuals_.clear();
}

}  // namespace orvandel
