#pragma once
// Located stations that wait for their residual corrections, which are
// computed for the whole batch at once.
#include <complex>
#include <string>
#include <vector>

#include "transform/coefficient_model.h"
#include "transform/polynomial_transformation.h"

namespace orvandel {

struct PendingStation {
    std::string name;
    long long recordNumber = 0;
    LocatedStation located;
};

class StationBatch {
public:
    static constexpr std::size_t kCapacity = 256;

    StationBatch();
    void add(std::string name, long long recordNumber, const LocatedStation& located);
    bool full() const { return stations_.size() >= kCapacity; }
    std::size_t size() const { return stations_.size(); }
    const PendingStation& station(std::size_t i) const { return stations_[i]; }
    // The residuals of every station (all 0 when the model's R is 0).
    void interpolate(const CoefficientModel& model);
    std::complex<double> residual(std::size_t i) const { return residuals_[i]; }
    void clear();

private:
    std::vector<PendingStation> stations_;
    std::vector<double> u_, v_;
    std::vector<std::complex<double>> residuals_;
};

}  // namespace orvandel
