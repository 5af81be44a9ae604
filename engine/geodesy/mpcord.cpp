#include "geodesy/mpcord.h"

#include <cmath>

#include "geodesy/covariance.h"
#include "geodesy/ellipsoids.h"
#include "geodesy/grids.h"
#include "geodesy/mpcord_limits.h"
#include "geodesy/mpcord_zones.h"
#include "geodesy/stereo.h"
#include "geodesy/stereo_series.h"
#include "geodesy/tmerc.h"
#include "geodesy/tmerc_series.h"

namespace geodesy {

namespace {

constexpr double kA = kAts77.a;
constexpr double kB = kAts77.b;
// Stored constants, deliberately not the exact pi/180 and its inverse.
constexpr double kDegToRad = 0.017453292519968962;
constexpr double kRadToSec = 206264.806246793;

constexpr const StereoGrid& kNewBrunswick = kNewBrunswickStereo;
constexpr const StereoGrid& kPrinceEdwardIsland = kPrinceEdwardIslandStereo;

struct StereoConstants {
    SphereParams p;
    detail::SinCos chi0;
};

StereoConstants stereoConstants(const StereoGrid& grid) {
    StereoConstants k;
    k.p = DSPARM(grid.phi0, grid.lam0, kA, kB);
    k.chi0 = {std::sin(k.p.chi0), std::cos(k.p.chi0)};
    return k;
}

// The sphere constants depend only on the fixed origin, so they are
// derived once; DSPARM gives the same values on every call.
const StereoConstants& newBrunswickSphere() {
    static const StereoConstants k = stereoConstants(kNewBrunswick);
    return k;
}

const StereoConstants& princeEdwardIslandSphere() {
    static const StereoConstants k = stereoConstants(kPrinceEdwardIsland);
    return k;
}

const detail::TmEllipsoid& ats77() { return detail::ats77Series(); }

int regionOf(int iproj) { return iproj > 10 ? iproj - 10 : iproj; }

// Error-ellipse step shared by both directions.
void finishEllipse(MpcordArgs& args, const Mat2& metric) {
    const ErrorEllipse e = ERRELL(metric);
    args.SMAJ = e.smaj;
    args.SMIN = e.smin;
    args.AZ = e.az;
    if (e.code != 0) args.IERR = e.code + 8;
}

void forwardCovariance(MpcordArgs& args, const Mat2& jacobian) {
    Mat2 radians = args.CLL;
    for (double& v : radians) v /= kRho2;
    Mat2 cne = COVPRO(jacobian, radians);
    COVSWP(cne);  // easting, northing -> northing, easting
    args.CNE = cne;
    finishEllipse(args, cne);
}

void inverseCovariance(MpcordArgs& args, const Mat2& inverseJacobian) {
    Mat2 en = args.CNE;
    COVSWP(en);  // northing, easting -> easting, northing; the caller's CNE stays as it is
    Mat2 cll = COVPRO(inverseJacobian, en);
    for (double& v : cll) v *= kRho2;
    args.CLL = cll;
    finishEllipse(args, COVMET(cll, args.PHI));
}

// DSSPHR then DSPLAN, sharing the sine and cosine of chi between them.
void stereoToPlane(MpcordArgs& args, const StereoGrid& grid, const StereoConstants& k, double phi, double lam,
                   int direction) {
    const SphereParams& p = k.p;
    const detail::SphereTrig s = detail::sphereWithTrig(phi, lam, p.e, kA, p.n, p.c, p.R);
    const double dLam = s.point.Lam - p.Lam0;
    const PlanePoint pl = detail::planeFromTrig(s.chi, dLam, grid.fe, grid.fn, grid.k0, k.chi0, p.R);
    args.EAST = pl.easting;
    args.NORTH = pl.northing;
    args.SCALE = pl.scale * s.point.m;
    args.CONV = pl.convergence * kRadToSec;
    if (args.ICODE == 1) {
        const Mat2 j = detail::stereoJacobian(kA, kB, p.R, p.n, p.c, grid.k0, phi, s.chi, k.chi0, dLam, direction);
        if (direction > 0) {
            forwardCovariance(args, j);
        } else {
            inverseCovariance(args, j);
        }
    }
}

void stereoForward(MpcordArgs& args, const StereoGrid& grid, const StereoConstants& k) {
    args.FE = grid.fe;
    args.FN = grid.fn;
    stereoToPlane(args, grid, k, args.PHI, args.LAM, 1);
}

void stereoInverse(MpcordArgs& args, const StereoGrid& grid, const StereoConstants& k) {
    const SphereParams& p = k.p;
    args.FE = grid.fe;
    args.FN = grid.fn;
    const SphereCoords sc =
        detail::sphereFromPlane(args.EAST, args.NORTH, grid.fe, grid.fn, grid.k0, p.R, k.chi0, p.Lam0);
    const EllipsoidPoint g = DSELIP(sc.chi, sc.Lam, p.n, p.c, p.e);
    args.PHI = g.phi;
    args.LAM = g.lam;
    // Scale and convergence at the computed point; the grid values are
    // rewritten with the round-tripped ones.
    stereoToPlane(args, grid, k, g.phi, g.lam, -1);
}

void tmForward(MpcordArgs& args, double k0) {
    const double cm = args.MERIDN * kDegToRad;
    const double dlam = args.LAM - cm;
    const detail::TmEllipsoid& el = ats77();
    const double sn = std::sin(args.PHI);
    const double c = std::cos(args.PHI);
    const TmGrid g = detail::tmGridFromTrig(el, args.PHI, sn, c, dlam, k0, args.FE);
    args.EAST = g.easting;
    args.NORTH = g.northing;
    const TmConvergence conv = detail::tmConvergenceFromTrig(el, sn, c, dlam, k0);
    args.SCALE = conv.scale;
    args.CONV = conv.convergence * kRadToSec;
    if (args.ICODE == 1) forwardCovariance(args, detail::tmJacobianFromTrig(sn, c, dlam, 1));
}

void tmInverse(MpcordArgs& args, double k0) {
    const double cm = args.MERIDN * kDegToRad;
    const detail::TmEllipsoid& el = ats77();
    const detail::TmGeoTrig gt = detail::tmGeoWithTrig(el, args.EAST, args.NORTH, k0, args.FE, cm);
    const TmGeo& g = gt.geo;
    args.PHI = g.phi;
    args.LAM = g.lam;
    const double dlam = g.lam - cm;
    const double sn = gt.sinPhi;
    const double c = gt.cosPhi;
    const TmConvergence conv = detail::tmConvergenceFromTrig(el, sn, c, dlam, k0);
    args.SCALE = conv.scale;
    args.CONV = conv.convergence * kRadToSec;
    if (args.ICODE == 1) inverseCovariance(args, detail::tmJacobianFromTrig(sn, c, dlam, -1));
}

}  // namespace

void MPCORD(MpcordArgs& args, ZoneMemory& zones) {
    args.IERR = 0;
    if (args.ICODE < 0 || args.ICODE >= 2) {
        args.IERR = 1;
        return;
    }
    if (args.IPROJ < 1 || args.IPROJ > 14 || (args.IPROJ >= 5 && args.IPROJ <= 10)) {
        args.IERR = 2;
        return;
    }

    const int region = regionOf(args.IPROJ);
    const bool forward = args.IPROJ < code(MpcordProjection::NewBrunswickToGeographic);
    args.IERR =
        forward ? geographicLimitCode(region, args.PHI, args.LAM) : gridLimitCode(region, args.NORTH, args.EAST);

    using P = MpcordProjection;
    switch (static_cast<P>(args.IPROJ)) {
        case P::NewBrunswickToGrid: stereoForward(args, kNewBrunswick, newBrunswickSphere()); break;
        case P::PrinceEdwardIslandToGrid: stereoForward(args, kPrinceEdwardIsland, princeEdwardIslandSphere()); break;
        case P::NewBrunswickToGeographic: stereoInverse(args, kNewBrunswick, newBrunswickSphere()); break;
        case P::PrinceEdwardIslandToGeographic:
            stereoInverse(args, kPrinceEdwardIsland, princeEdwardIslandSphere());
            break;
        case P::NovaScotiaToGrid: {
            const ZoneCheck z = nsZoneForward(args.LAM, args.MERIDN, args.IERR, zones.meridian);
            args.IERR = z.ierr;
            args.FE = z.falseEasting;
            args.FN = 0;
            tmForward(args, kMtmScale);
            break;
        }
        case P::NovaScotiaToGeographic: {
            const ZoneCheck z = nsZoneInverse(args.EAST, args.MERIDN, args.IERR, zones.meridian);
            args.IERR = z.ierr;
            args.FE = z.falseEasting;
            args.FN = 0;
            tmInverse(args, kMtmScale);
            break;
        }
        case P::UtmToGrid: {
            const ZoneCheck z = utmZoneForward(args.LAM, args.MERIDN, args.IERR);
            args.IERR = z.ierr;
            args.FE = z.falseEasting;
            args.FN = 0;
            tmForward(args, kUtmScale);
            break;
        }
        case P::UtmToGeographic:
            args.FE = static_cast<int>(kUtmFalseEasting);
            args.FN = 0;
            tmInverse(args, kUtmScale);
            break;
    }
}

}  // namespace geodesy
