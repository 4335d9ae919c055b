// Tests of the square horn design.
#include "design/square_horn.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

#include "design/rectangular_horn.hpp"
#include "numerics/design/significant_digits.hpp"

namespace tarniq::design {
namespace {

using testing_support::RoundsTo;

// Designs for a 0.9 inch square waveguide at 10 GHz, level 3 dB, to four
// significant digits; the last flare cannot be built, and keeps its size.
TEST(DesignSquareHorn, DesignsForASquareWaveguide) {
  struct Case {
    float S, BW;
    int PLANE;
    SquareHorn expected;
  };
  const Case cases[] = {
      {0.25f, 20.0f, 1, {3.161f, 4.234f, 2.810f}},
      {0.25f, 20.0f, 2, {4.220f, 7.545f, 5.699f}},
      {0.25f, 20.0f, 3, {3.691f, 5.771f, 4.135f}},
      {0.4f, 60.0f, 1, {1.210f, 0.3879f, -1.0f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "S = " << c.S << ", PLANE = " << c.PLANE);
    const SquareHorn horn = SQHBD(c.S, c.BW, c.PLANE, 0.9f, 0.9f, 10.0f, 1);
    EXPECT_TRUE(RoundsTo(horn.A, c.expected.A, 4));
    EXPECT_TRUE(RoundsTo(horn.R, c.expected.R, 4));
    EXPECT_TRUE(RoundsTo(horn.AXL, c.expected.AXL, 4));
  }
}

// Designed in the H plane, the square horn is the H plane of a rectangular
// horn whose H plane is the narrower, with the square side as waveguide
// width; the waveguide width of the square horn itself is not read.
TEST(DesignSquareHorn, HPlaneDesignIsTheRectangularHPlane) {
  for (const float S : {0.05f, 0.1f, 0.25f, 0.4f, 0.6f}) {
    for (const int LEVEL : {1, 2}) {
      const SquareHorn square = SQHBD(S, 20.0f, 2, 5.0f, 0.9f, 10.0f, LEVEL);
      const RectangularHorn rectangular = REHBD(S, 35.0f, 20.0f, 0.9f, 0.4f, 10.0f, LEVEL);
      ASSERT_GT(rectangular.AXL, 0.0f) << "S = " << S;
      EXPECT_EQ(square.A, rectangular.AH);
      EXPECT_EQ(square.R, rectangular.RH);
      EXPECT_EQ(square.AXL, rectangular.AXL);
    }
  }
}

// No design for S of 0 or below or NaN, for codes out of range, nor for a
// beam so wide (200 degrees) that the aperture size comes out negative.
TEST(DesignSquareHorn, NoDesignCases) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  for (const float S : {0.0f, -0.2f, kNaN}) {
    EXPECT_EQ(SQHBD(S, 20.0f, 1, 0.9f, 0.9f, 10.0f, 1).AXL, -1.0f) << "S = " << S;
  }
  EXPECT_EQ(SQHBD(0.25f, 20.0f, 4, 0.9f, 0.9f, 10.0f, 1).AXL, -1.0f);
  EXPECT_EQ(SQHBD(0.25f, 20.0f, 1, 0.9f, 0.9f, 10.0f, 7).AXL, -1.0f);
  const SquareHorn too_wide = SQHBD(0.25f, 200.0f, 1, 0.9f, 0.9f, 10.0f, 1);
  EXPECT_LT(too_wide.A, 0.0f);
  EXPECT_EQ(too_wide.AXL, -1.0f);
}

}  // namespace
}  // namespace tarniq::design
