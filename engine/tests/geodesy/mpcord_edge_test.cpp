#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/mpcord.h"
#include "mpcord_test_util.h"

namespace {

using geodesy::MpcordArgs;
using mpcord_test::kDeg;

using Mpcord = mpcord_test::Run;

// Every argument set to a recognisable value.
MpcordArgs sentinel() {
    MpcordArgs a;
    a.PHI = 1.5;
    a.LAM = -2.5;
    a.CLL = {11, 12, 13, 14};
    a.MERIDN = -63.0;
    a.EAST = 123.0;
    a.NORTH = 456.0;
    a.CONV = 7.0;
    a.IERR = 99;
    a.SCALE = 8.0;
    a.CNE = {21, 22, 23, 24};
    a.SMAJ = 31.0;
    a.SMIN = 32.0;
    a.AZ = 33.0;
    a.FE = 41;
    a.FN = 42;
    return a;
}

bool sameExceptIerr(const MpcordArgs& a, const MpcordArgs& b) {
    return a.ICODE == b.ICODE && a.IPROJ == b.IPROJ && a.PHI == b.PHI && a.LAM == b.LAM && a.CLL == b.CLL &&
           a.MERIDN == b.MERIDN && a.EAST == b.EAST && a.NORTH == b.NORTH && a.CONV == b.CONV && a.SCALE == b.SCALE &&
           a.CNE == b.CNE && a.SMAJ == b.SMAJ && a.SMIN == b.SMIN && a.AZ == b.AZ && a.FE == b.FE && a.FN == b.FN;
}

TEST_F(Mpcord, InvalidIcodeTouchesNothingElse) {
    for (int icode : {2, -1, 5}) {
        MpcordArgs a = sentinel();
        a.ICODE = icode;
        a.IPROJ = 1;
        const MpcordArgs before = a;
        MPCORD(a);
        EXPECT_EQ(a.IERR, 1);
        EXPECT_TRUE(sameExceptIerr(a, before));
    }
}

TEST_F(Mpcord, InvalidIprojTouchesNothingElse) {
    for (int iproj : {0, 5, 7, 10, 15, -3}) {
        MpcordArgs a = sentinel();
        a.ICODE = 1;
        a.IPROJ = iproj;
        const MpcordArgs before = a;
        MPCORD(a);
        EXPECT_EQ(a.IERR, 2) << iproj;
        EXPECT_TRUE(sameExceptIerr(a, before));
    }
}

TEST_F(Mpcord, IcodeIsCheckedBeforeIproj) {
    MpcordArgs a;
    a.ICODE = 3;
    a.IPROJ = 7;
    MPCORD(a);
    EXPECT_EQ(a.IERR, 1);
}

TEST_F(Mpcord, CovarianceArgumentsUntouchedWithIcode0) {
    for (int iproj : {1, 2, 3, 4}) {
        MpcordArgs a = sentinel();
        a.ICODE = 0;
        a.IPROJ = iproj;
        a.PHI = 45.5 * kDeg;
        a.LAM = -64.0 * kDeg;
        a.MERIDN = iproj == 2 ? -64.5 : -63.0;
        MPCORD(a);
        EXPECT_EQ(a.CLL, (geodesy::Mat2{11, 12, 13, 14}));
        EXPECT_EQ(a.CNE, (geodesy::Mat2{21, 22, 23, 24}));
        EXPECT_EQ(a.SMAJ, 31.0);
        EXPECT_EQ(a.SMIN, 32.0);
        EXPECT_EQ(a.AZ, 33.0);
        EXPECT_NE(a.EAST, 123.0);
    }
}

TEST_F(Mpcord, ErrorCodeIsClearedOnEntry) {
    MpcordArgs a = sentinel();
    a.IPROJ = 1;
    a.PHI = 46.5 * kDeg;
    a.LAM = -66.5 * kDeg;
    MPCORD(a);
    EXPECT_EQ(a.IERR, 0);
}

TEST_F(Mpcord, NewBrunswickSouthernLimitIsInclusive) {
    const auto in = forward(1, 44.0, -66.0);
    EXPECT_EQ(in.IERR, 0);
    const auto out = forward(1, 43.0 + 59.0 / 60.0 + 59.999 / 3600.0, -66.0);
    EXPECT_EQ(out.IERR, 3);
    EXPECT_EQ(out.FE, 300000);
    EXPECT_EQ(out.FN, 800000);
    EXPECT_NEAR(out.NORTH, in.NORTH - 0.001 * 30.87, 0.01);  // still computed, ~3 cm south
}

TEST_F(Mpcord, GeographicLimitsPerRegion) {
    EXPECT_EQ(forward(1, 48.5, -69.5).IERR, 0);
    EXPECT_EQ(forward(1, 46.0, -69.51).IERR, 3);
    EXPECT_EQ(forward(1, 46.0, -62.99).IERR, 3);
    EXPECT_EQ(forward(2, 45.0, -59.0, -61.5).IERR, 0);
    EXPECT_EQ(forward(2, 47.24, -61.0, -61.5).IERR, 4);
    EXPECT_EQ(forward(3, 46.3, -63.2).IERR, 0);
    EXPECT_EQ(forward(3, 45.9, -63.2).IERR, 5);
    // The limits are converted with arccos(-1)/180, not MPCORD's stored factor.
    MpcordArgs top;
    top.IPROJ = 4;
    top.PHI = 48.5 * std::acos(-1.0) / 180.0;
    top.LAM = -63.0 * kDeg;
    top.MERIDN = -63.0;
    MPCORD(top);
    EXPECT_EQ(top.IERR, 0);
    EXPECT_EQ(forward(4, 48.5, -63.0, -63.0).IERR, 6);  // 48.5 times the larger stored factor
    EXPECT_EQ(forward(4, 48.51, -63.0, -63.0).IERR, 6);
}

TEST_F(Mpcord, LongitudeIsBroughtIntoOneTurnBeforeTheLimitCheck) {
    EXPECT_EQ(forward(1, 46.0, -66.0 + 360.0).IERR, 0);
    EXPECT_EQ(forward(1, 46.0, -66.0 - 720.0).IERR, 0);
    EXPECT_EQ(forward(1, 46.0, 66.0).IERR, 3);
}

TEST_F(Mpcord, NonFiniteInputDoesNotCrash) {
    const double nan = std::nan("");
    for (int iproj : {1, 2, 3, 4}) {
        const auto f = forward(iproj, nan, nan, -63.0);
        EXPECT_EQ(f.IERR >= 3 || f.IERR == 0, true);
    }
    for (int iproj : {11, 12, 13, 14}) {
        const auto i = inverse(iproj, nan, 1e300, -63.0);
        EXPECT_GE(i.IERR, 3);
    }
}

TEST_F(Mpcord, NovaScotiaForwardOnTheZoneBoundaryAcceptsBothMeridians) {
    EXPECT_EQ(forward(2, 45.0, -63.0, -61.5).IERR, 0);
    EXPECT_EQ(forward(2, 45.0, -63.0, -64.5).IERR, 0);
    // Just off the boundary only the own zone is accepted.
    EXPECT_EQ(forward(2, 45.0, -63.001, -61.5).IERR, 7);
    EXPECT_EQ(forward(2, 45.0, -62.999, -64.5).IERR, 7);
}

TEST_F(Mpcord, NovaScotiaBoundaryKeepsTheLimitCode) {
    // 63 W at 47.3 N is outside Nova Scotia: code 4 stays, no code 7.
    EXPECT_EQ(forward(2, 47.3, -63.0, -64.5).IERR, 4);
}

TEST_F(Mpcord, NovaScotiaForwardWithAForeignMeridian) {
    const auto a = forward(2, 45.0, -62.0, -63.0);
    EXPECT_EQ(a.IERR, 7);
    EXPECT_EQ(a.FE, 4500000);
    EXPECT_EQ(a.FN, 0);
    // Projected about 63 W: 1 degree east of it.
    EXPECT_GT(a.EAST, 4500000.0 + 70000.0);
    EXPECT_LT(a.EAST, 4500000.0 + 90000.0);
    const auto b = forward(2, 45.0, -63.0 + 1e-9, -63.0);
    EXPECT_NEAR(b.EAST, 4500000.0, 1e-3);
}

TEST_F(Mpcord, NovaScotiaForwardFalseEasting) {
    EXPECT_EQ(forward(2, 45.0, -64.0, -64.5).FE, 5500000);
    EXPECT_EQ(forward(2, 45.0, -61.0, -61.5).FE, 4500000);
    EXPECT_EQ(forward(2, 45.0, -64.0, -64.1).FE, 5500000);
}

TEST_F(Mpcord, ZoneCodeOverwritesLimitCode) {
    // Outside Nova Scotia and in the wrong zone: the zone check comes later.
    EXPECT_EQ(forward(2, 47.5, -61.0, -64.5).IERR, 7);
    EXPECT_EQ(forward(4, 49.0, -61.0, -69.0).IERR, 8);
}

TEST_F(Mpcord, InverseZoneCodeOverwritesGridLimitCode) {
    EXPECT_EQ(inverse(12, 4650000.0, 4700000.0, -61.5).IERR, 4);
    EXPECT_EQ(inverse(12, 4650000.0, 4700000.0, -64.5).IERR, 7);
}

TEST_F(Mpcord, InverseCovarianceWithZeroMatrixGivesCode9) {
    MpcordArgs a;
    a.ICODE = 1;
    a.IPROJ = 14;
    a.EAST = 400000.0;
    a.NORTH = 5100000.0;
    a.MERIDN = -63.0;
    a.CLL = {5, 5, 5, 5};
    a.SMAJ = 1.0;
    MPCORD(a);
    EXPECT_EQ(a.IERR, 9);
    EXPECT_EQ(a.CLL, (geodesy::Mat2{0, 0, 0, 0}));  // written in the inverse direction
    EXPECT_EQ(a.SMAJ, 0.0);
}

TEST_F(Mpcord, NovaScotiaInverseWithAForeignMeridian) {
    const auto a = inverse(12, 4600000.0, 5000000.0, -63.0);
    EXPECT_EQ(a.IERR, 7);
    EXPECT_EQ(a.FE, 0);
    EXPECT_EQ(a.FN, 0);
}

TEST_F(Mpcord, NovaScotiaInverseFalseEasting) {
    EXPECT_EQ(inverse(12, 4600000.0, 5000000.0, -61.5).FE, 4500000);
    EXPECT_EQ(inverse(12, 5400000.0, 5000000.0, -64.5).FE, 5500000);
    EXPECT_EQ(inverse(12, 5400000.0, 5000000.0, -64.5).IERR, 0);
    EXPECT_EQ(inverse(12, 5400000.0, 5000000.0, -61.5).IERR, 7);
}

TEST_F(Mpcord, NovaScotiaGridLimits) {
    EXPECT_EQ(inverse(12, 4650000.0, 5000000.0, -61.5).IERR, 0);
    EXPECT_EQ(inverse(12, 4350000.0, 5000000.0, -61.5).IERR, 4);
    EXPECT_EQ(inverse(12, 5350000.0, 5000000.0, -64.5).IERR, 0);
    EXPECT_EQ(inverse(12, 5650000.0, 5000000.0, -64.5).IERR, 4);
    EXPECT_EQ(inverse(12, 4650000.0, 4804065.0, -61.5).IERR, 4);
    EXPECT_EQ(inverse(12, 4650000.0, 4804066.0, -61.5).IERR, 0);
    // Zone 5 limits are inclusive at both ends.
    EXPECT_EQ(inverse(12, 5297380.0, 5000000.0, -64.5).IERR, 0);
    EXPECT_EQ(inverse(12, 5613573.0, 5000000.0, -64.5).IERR, 0);
    EXPECT_EQ(inverse(12, 5613573.5, 5000000.0, -64.5).IERR, 4);
}

TEST_F(Mpcord, NovaScotiaZoneMeridianPersistsForUnusualEastings) {
    EXPECT_EQ(zones.meridian, 0.0);
    // Before any Nova Scotia call an easting of neither zone meets meridian 0.
    EXPECT_EQ(inverse(12, 3900000.0, 5000000.0, -61.5).IERR, 7);
    EXPECT_EQ(zones.meridian, 0.0);
    EXPECT_EQ(inverse(12, 5400000.0, 5000000.0, -64.5).IERR, 0);
    EXPECT_EQ(zones.meridian, -64.5);
    // Neither zone: the limit code, and the zone 5 meridian still in force.
    EXPECT_EQ(inverse(12, 3900000.0, 5000000.0, -64.5).IERR, 4);
    EXPECT_EQ(inverse(12, 3900000.0, 5000000.0, -61.5).IERR, 7);
    EXPECT_EQ(zones.meridian, -64.5);
    EXPECT_EQ(inverse(12, 4600000.0, 5000000.0, -61.5).IERR, 0);
    EXPECT_EQ(zones.meridian, -61.5);
}

TEST_F(Mpcord, NovaScotiaForwardSelectsTheZoneMeridianToo) {
    forward(2, 45.0, -64.0, -64.5);
    EXPECT_EQ(zones.meridian, -64.5);
    forward(2, 45.0, -62.9, -64.5);
    EXPECT_EQ(zones.meridian, -61.5);
}

TEST(MpcordZoneMemory, EachRunCarriesItsOwnMeridian) {
    // One run selects zone 5; another, started afterwards in the same
    // process, still begins from no meridian at all.
    geodesy::ZoneMemory first;
    mpcord_test::inverse(first, 12, 5400000.0, 5000000.0, -64.5);
    EXPECT_EQ(first.meridian, -64.5);
    geodesy::ZoneMemory second;
    EXPECT_EQ(mpcord_test::inverse(second, 12, 3900000.0, 5000000.0, -64.5).IERR, 7);
    EXPECT_EQ(second.meridian, 0.0);
    EXPECT_EQ(mpcord_test::inverse(first, 12, 3900000.0, 5000000.0, -64.5).IERR, 4);
}

TEST_F(Mpcord, OtherProjectionsLeaveTheZoneMeridian) {
    inverse(12, 5400000.0, 5000000.0, -64.5);
    forward(1, 46.0, -66.0);
    inverse(14, 500000.0, 5000000.0, -63.0);
    EXPECT_EQ(zones.meridian, -64.5);
}

TEST_F(Mpcord, UtmZoneCheck) {
    EXPECT_EQ(forward(4, 45.0, -61.0, -63.0).IERR, 0);
    EXPECT_EQ(forward(4, 45.0, -61.0, -69.0).IERR, 8);
    EXPECT_EQ(forward(4, 45.0, -61.0, -57.0).IERR, 8);
    EXPECT_EQ(forward(4, 45.0, -61.0, -60.0).IERR, 0);  // 3 degrees off its zone meridian
    // 66 W lies on a zone boundary: the western zone (69 W) is the point's zone.
    EXPECT_EQ(forward(4, 45.0, -66.0, -69.0).IERR, 0);
    EXPECT_EQ(forward(4, 45.0, -66.0, -63.0).IERR, 8);
    const auto a = forward(4, 45.0, -61.0, -63.0);
    EXPECT_EQ(a.FE, 500000);
    EXPECT_EQ(a.FN, 0);
}

TEST_F(Mpcord, UtmInverseMakesNoZoneCheck) {
    const auto a = inverse(14, 500000.0, 5000000.0, -45.0);
    EXPECT_EQ(a.IERR, 0);
    EXPECT_EQ(a.FE, 500000);
    EXPECT_NEAR(a.LAM / kDeg, -45.0, 1e-9);
}

TEST_F(Mpcord, GridLimitsPerRegion) {
    EXPECT_EQ(inverse(11, 300000.0, 800000.0).IERR, 0);
    EXPECT_EQ(inverse(11, 300000.0 + 214824.0, 800000.0 + 179985.0).IERR, 0);
    EXPECT_EQ(inverse(11, 300000.0 + 214824.5, 800000.0).IERR, 3);
    EXPECT_EQ(inverse(11, 300000.0, 800000.0 - 213360.5).IERR, 3);
    EXPECT_EQ(inverse(13, 700000.0, 300000.0).IERR, 0);
    EXPECT_EQ(inverse(13, 700000.0, 400000.0).IERR, 5);  // the origin itself lies north of the island grid
    EXPECT_EQ(inverse(14, 500000.0 - 283434.0, 4801348.0, -63.0).IERR, 0);
    EXPECT_EQ(inverse(14, 500000.0 - 283435.0, 4801348.0, -63.0).IERR, 6);
}

TEST_F(Mpcord, StereographicOriginGivesTheFalseValues) {
    const auto nb = forward(1, 0.8115781021785567 / kDeg, -1.160643952577936 / kDeg);
    EXPECT_NEAR(nb.EAST, 300000.0, 1e-6);
    EXPECT_NEAR(nb.NORTH, 800000.0, 1e-6);
    EXPECT_NEAR(nb.CONV, 0.0, 1e-6);
    EXPECT_NEAR(nb.SCALE, 0.999912, 1e-9);
    const auto pei = forward(3, 0.8246680715685335 / kDeg, -1.0995574287580447 / kDeg);
    EXPECT_NEAR(pei.EAST, 700000.0, 1e-6);
    EXPECT_NEAR(pei.NORTH, 400000.0, 1e-6);
    EXPECT_EQ(pei.FE, 700000);
    EXPECT_EQ(pei.FN, 400000);
}

TEST_F(Mpcord, StereographicInverseRewritesTheGridValues) {
    MpcordArgs a;
    a.IPROJ = 11;
    a.EAST = 2512345.678;
    a.NORTH = 7654321.0;
    MPCORD(a);  // far outside, still computed
    EXPECT_EQ(a.IERR, 3);
    EXPECT_TRUE(std::isfinite(a.PHI));

    MpcordArgs b;
    b.IPROJ = 11;
    b.EAST = 2512345.678;
    b.NORTH = 7654321.0;
    b.EAST = 350000.123456789;
    b.NORTH = 850000.987654321;
    MPCORD(b);
    EXPECT_NEAR(b.EAST, 350000.123456789, 1e-6);
    EXPECT_NEAR(b.NORTH, 850000.987654321, 1e-6);
}

TEST_F(Mpcord, ConvergenceAndScaleSigns) {
    // East of the central meridian in the northern hemisphere: positive convergence.
    const auto tm = forward(4, 45.0, -62.0, -63.0);
    EXPECT_GT(tm.CONV, 0.0);
    EXPECT_NEAR(tm.CONV, std::sin(45.0 * kDeg) * 3600.0, 5.0);
    EXPECT_GT(tm.SCALE, 0.9996);
    const auto ds = forward(1, 46.5, -65.5);
    EXPECT_GT(ds.CONV, 0.0);
    EXPECT_GT(ds.SCALE, 0.999912);
}

TEST_F(Mpcord, ForwardCovarianceWithZeroMatrixGivesCode9) {
    MpcordArgs a;
    a.ICODE = 1;
    a.IPROJ = 1;
    a.PHI = 46.0 * kDeg;
    a.LAM = -66.0 * kDeg;
    a.SMAJ = a.SMIN = a.AZ = 5.0;
    MPCORD(a);
    EXPECT_EQ(a.IERR, 9);
    EXPECT_EQ(a.SMAJ, 0.0);
    EXPECT_EQ(a.SMIN, 0.0);
    EXPECT_EQ(a.AZ, 0.0);
    const auto plain = forward(1, 46.0, -66.0);
    EXPECT_EQ(a.EAST, plain.EAST);
    EXPECT_EQ(a.NORTH, plain.NORTH);
}

TEST_F(Mpcord, CovarianceCodeOverwritesLimitAndZoneCodes) {
    MpcordArgs a;
    a.ICODE = 1;
    a.IPROJ = 2;
    a.PHI = 47.5 * kDeg;  // outside Nova Scotia
    a.LAM = -61.0 * kDeg;
    a.MERIDN = -64.5;  // and the wrong zone
    MPCORD(a);
    EXPECT_EQ(a.IERR, 9);
    a.ICODE = 0;
    MPCORD(a);
    EXPECT_EQ(a.IERR, 7);
}

TEST_F(Mpcord, ForwardCovarianceLeavesTheGeographicMatrix) {
    MpcordArgs a;
    a.ICODE = 1;
    a.IPROJ = 3;
    a.PHI = 46.3 * kDeg;
    a.LAM = -63.2 * kDeg;
    a.CLL = {0.0004, 0.0, 0.0, 0.0009};
    MPCORD(a);
    EXPECT_EQ(a.IERR, 0);
    EXPECT_EQ(a.CLL, (geodesy::Mat2{0.0004, 0.0, 0.0, 0.0009}));
}

TEST_F(Mpcord, AsymmetricGridCovarianceGivesCode10) {
    MpcordArgs a;
    a.ICODE = 1;
    a.IPROJ = 11;
    a.EAST = 300000.0;
    a.NORTH = 850000.0;
    a.CNE = {1.0, 0.5, 0.25, 1.0};
    MPCORD(a);
    EXPECT_EQ(a.IERR, 10);
}

}  // namespace
