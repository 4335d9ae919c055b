// Tests of the double-precision Fresnel integrals: quadrature, symmetry, limits, continuity across branches.
#include "tarniq/fresnel.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "quadrature.hpp"

namespace tarniq {
namespace {

// C and S agree with a long-double quadrature of their integrals over the
// power series, every polynomial piece and the asymptotic range.
TEST(Fresnel, AgreesWithQuadrature) {
  for (double x = 0.0; x < 13.0; x += 0.1373) {
    const test::Complex reference = test::fresnel_by_quadrature(x);
    const FresnelIntegrals f = fresnel(x);
    EXPECT_NEAR(f.C, static_cast<double>(reference.real()), 1e-14) << "x = " << x;
    EXPECT_NEAR(f.S, static_cast<double>(reference.imag()), 1e-14) << "x = " << x;
  }
  for (const double x : {27.3, 61.75}) {  // the short asymptotic series, where πx²/2 is large
    const test::Complex reference = test::fresnel_by_quadrature(x);
    EXPECT_NEAR(fresnel(x).C, static_cast<double>(reference.real()), 1e-14) << "x = " << x;
    EXPECT_NEAR(fresnel(x).S, static_cast<double>(reference.imag()), 1e-14) << "x = " << x;
  }
}

// Odd in x, zero at zero, within 1/(πx) of ±1/2 far out and exactly ±1/2 at
// the largest arguments (no overflow in x²).
TEST(Fresnel, SymmetryAndLimits) {
  for (const double x : {0.3, 1.5, 2.71, 6.0, 9.99, 140.5, 3e9, 1e300}) {
    const FresnelIntegrals p = fresnel(x);
    const FresnelIntegrals m = fresnel(-x);
    EXPECT_EQ(m.C, -p.C) << "x = " << x;
    EXPECT_EQ(m.S, -p.S) << "x = " << x;
    if (x > 2.0) {
      const double bound = 1.0 / (3.14159265358979 * x) * 1.0001;
      EXPECT_LE(std::fabs(p.C - 0.5), bound) << "x = " << x;
      EXPECT_LE(std::fabs(p.S - 0.5), bound) << "x = " << x;
    }
  }
  EXPECT_EQ(fresnel(0.0).C, 0.0);
  EXPECT_EQ(fresnel(0.0).S, 0.0);
  EXPECT_EQ(fresnel(std::numeric_limits<double>::max()).C, 0.5);
  EXPECT_EQ(fresnel(-std::numeric_limits<double>::max()).S, -0.5);
}

// Where one expansion hands over to the next (series to polynomial pieces,
// piece to piece, pieces to the long and the short asymptotic series) the
// values on either side agree: a misplaced piece or a wrong branch shows here.
TEST(Fresnel, ContinuousAcrossBranches) {
  for (double edge = 0.25; edge <= 10.0; edge += 0.25) {
    const double below = std::nextafter(edge, 0.0);
    const double above = std::nextafter(edge, 20.0);
    // |C'|, |S'| <= 1 over the two-ulp step, plus rounding on either side
    const double tolerance = 4e-16 + (above - below);
    EXPECT_NEAR(fresnel(below).C, fresnel(above).C, tolerance) << "edge " << edge;
    EXPECT_NEAR(fresnel(below).S, fresnel(above).S, tolerance) << "edge " << edge;
  }
}

// Large arguments keep their phase: x² is reduced exactly, so C and S still
// match an independent evaluation where x² itself is not representable.
TEST(Fresnel, LargeArgumentsKeepTheirPhase) {
  // x = 2^26 + 0.5: x² = 2^52 + 2^26 + 0.25, so πx²/2 ≡ π/8 (mod 2π), and
  // C - 1/2 = sin(π/8)/(πx), S - 1/2 = -cos(π/8)/(πx) to 1e-24.
  const double x = 67108864.5;
  const double pix = 3.14159265358979323846 * x;
  const FresnelIntegrals f = fresnel(x);
  // a rounded x² would lose the quarter: C - 1/2 would be 0 and S - 1/2 -1/(πx)
  EXPECT_NEAR(f.C - 0.5, 0.38268343236508977 / pix, 1e-16);
  EXPECT_NEAR(f.S - 0.5, -0.92387953251128676 / pix, 1e-16);
}

}  // namespace
}  // namespace tarniq
