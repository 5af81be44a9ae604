#pragma once
// A PROJ transformation used as an independent reference in the projection
// tests. Geographic input and output are in radians, longitude positive east.
#include <proj.h>

#include <stdexcept>
#include <string>

namespace geodesy_test {

struct PlaneXY {
    double x;
    double y;
};

class ProjectionReference {
public:
    explicit ProjectionReference(const std::string& definition)
        : ctx_(proj_context_create()), pj_(proj_create(ctx_, definition.c_str())) {
        if (pj_ == nullptr) {
            proj_context_destroy(ctx_);
            throw std::runtime_error("PROJ rejected: " + definition);
        }
    }
    ProjectionReference(const ProjectionReference&) = delete;
    ProjectionReference& operator=(const ProjectionReference&) = delete;
    ~ProjectionReference() {
        proj_destroy(pj_);
        proj_context_destroy(ctx_);
    }

    PlaneXY forward(double phi, double lam) const {
        const PJ_COORD out = proj_trans(pj_, PJ_FWD, proj_coord(lam, phi, 0.0, 0.0));
        return {out.xy.x, out.xy.y};
    }

    // Returns latitude in x, longitude in y.
    PlaneXY inverse(double x, double y) const {
        const PJ_COORD out = proj_trans(pj_, PJ_INV, proj_coord(x, y, 0.0, 0.0));
        return {out.lp.phi, out.lp.lam};
    }

private:
    PJ_CONTEXT* ctx_;
    PJ* pj_;
};

}  // namespace geodesy_test
