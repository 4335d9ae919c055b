// Tests of the rectangular horn design.
#include "design/rectangular_horn.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "design/rhbwd.hpp"
#include "numerics/design/significant_digits.hpp"

namespace tarniq::design {
namespace {

using testing_support::RoundsTo;

constexpr float kLambda = 1.180285f;  // wavelength at 10 GHz, inches

// Designs for a 0.9 by 0.4 inch waveguide at 10 GHz, to four significant
// digits; AXL = -1 where plane 2 never comes down to plane 1's axial length
// (BWE = BWH = 20) or plane 1 cannot be built (60 degrees at S = 0.4).
TEST(DesignRectangularHorn, DesignsForAStandardWaveguide) {
  struct Case {
    float S, BWE, BWH;
    int LEVEL;
    RectangularHorn expected;
  };
  const Case cases[] = {
      {0.25f, 30.0f, 20.0f, 1, {4.220f, 1.978f, 7.545f, 7.212f, 5.699f}},
      {0.1f, 15.0f, 25.0f, 2, {5.562f, 6.812f, 55.13f, 49.15f, 46.15f}},
      // Small S, far from the waveguide: the height needs all four final passes.
      {0.01f, 25.0f, 15.0f, 2, {9.202f, 4.004f, 896.8f, 898.8f, 809.1f}},
      {0.25f, 20.0f, 20.0f, 1, {0.0f, 0.0f, 0.0f, 0.0f, -1.0f}},
      {0.4f, 60.0f, 60.0f, 1, {0.0f, 0.0f, 0.0f, 0.0f, -1.0f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "S = " << c.S << ", BWE = " << c.BWE);
    const RectangularHorn horn = REHBD(c.S, c.BWE, c.BWH, 0.9f, 0.4f, 10.0f, c.LEVEL);
    EXPECT_TRUE(RoundsTo(horn.AXL, c.expected.AXL, 4));
    if (c.expected.AXL < 0.0f) continue;
    EXPECT_TRUE(RoundsTo(horn.AH, c.expected.AH, 4));
    EXPECT_TRUE(RoundsTo(horn.AE, c.expected.AE, 4));
    EXPECT_TRUE(RoundsTo(horn.RH, c.expected.RH, 4));
    EXPECT_TRUE(RoundsTo(horn.RE, c.expected.RE, 4));
  }
  // The E-plane phase deviation found in the first case.
  const RectangularHorn horn = REHBD(0.25f, 30.0f, 20.0f, 0.9f, 0.4f, 10.0f, 1);
  EXPECT_NEAR(horn.AE * horn.AE / (8.0f * kLambda * horn.RE), 0.0575, 5e-4);
}

// Whichever plane is narrower is designed at S itself, the other at the same
// axial length, and each result lands in its own plane's fields: swapping the
// beamwidths swaps the planes' roles, not the fields.
TEST(DesignRectangularHorn, SwappedBeamwidthsKeepEachPlaneInItsSlots) {
  constexpr float S = 0.25f, WA = 0.9f, WB = 0.4f;
  for (const bool e_narrower : {false, true}) {
    SCOPED_TRACE(e_narrower ? "E plane narrower" : "H plane narrower");
    const float BWE = e_narrower ? 20.0f : 30.0f;
    const float BWH = e_narrower ? 30.0f : 20.0f;
    const RectangularHorn horn = REHBD(S, BWE, BWH, WA, WB, 10.0f, 1);
    ASSERT_GT(horn.AXL, 0.0f);
    // The narrower plane: the flare of its beamwidth at S, exactly.
    const float d1 = e_narrower ? RHBWD(S, BWE, 1, 1) : RHBWD(S, BWH, 1, 2);
    EXPECT_EQ(e_narrower ? horn.AE : horn.AH, d1 * kLambda);
    EXPECT_EQ(e_narrower ? horn.RE : horn.RH, d1 * d1 / (8.0f * S) * kLambda);
    // The wider plane: the shared axial length, and its own beamwidth at the
    // phase deviation its flare has.
    const float a2 = e_narrower ? horn.AH : horn.AE;
    const float rho2 = e_narrower ? horn.RH : horn.RE;
    const float w2 = e_narrower ? WA : WB;
    const double a = a2;
    const double rho = rho2;
    const double l2 = (a - static_cast<double>(w2)) / a * std::sqrt(rho * rho - a * a / 4.0);
    EXPECT_NEAR(l2, horn.AXL, 1e-5 * static_cast<double>(horn.AXL));
    const float s2 = a2 * a2 / (8.0f * kLambda * rho2);
    const float d2 = e_narrower ? RHBWD(s2, BWH, 1, 2) : RHBWD(s2, BWE, 1, 1);
    EXPECT_NEAR(d2 * kLambda, a2, 1e-5 * a);
  }
}

// No design for S of 0 or below or NaN, for an aperture of the wider plane
// that is not wider than its waveguide side (a 3 inch high waveguide for a
// 1.98 inch E-plane aperture), or for codes out of range; and the search
// ends for any input at all.
TEST(DesignRectangularHorn, NoDesignCases) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  for (const float S : {0.0f, -0.1f, -kInf, kNaN}) {
    EXPECT_EQ(REHBD(S, 30.0f, 20.0f, 0.9f, 0.4f, 10.0f, 1).AXL, -1.0f) << "S = " << S;
  }
  EXPECT_EQ(REHBD(0.25f, 30.0f, 20.0f, 0.9f, 3.0f, 10.0f, 1).AXL, -1.0f);
  EXPECT_EQ(REHBD(0.25f, 30.0f, 20.0f, 0.9f, 0.4f, 10.0f, 0).AXL, -1.0f);
  EXPECT_EQ(REHBD(0.25f, 30.0f, kNaN, 0.9f, 0.4f, 10.0f, 1).AXL, -1.0f);

  const float odd[] = {kNaN, kInf, -kInf, 0.0f, -1.0f, 1e-30f, 1e30f, 0.3f, 25.0f};
  for (const float x : odd) {
    for (const float y : odd) {
      REHBD(x, y, 20.0f, 0.9f, 0.4f, 10.0f, 1);
      REHBD(0.2f, x, y, 0.9f, 0.4f, 10.0f, 2);
      REHBD(0.2f, 30.0f, 20.0f, x, y, 10.0f, 1);
      REHBD(x, 30.0f, 20.0f, 0.9f, 0.4f, y, 1);
    }
  }
}

}  // namespace
}  // namespace tarniq::design
