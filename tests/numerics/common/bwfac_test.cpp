// Tests of the three-point lookup in the universal beamwidth table.
#include "common/bwfac.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <limits>

namespace tarniq::numerics {
namespace {

float stored(Subtable plane, std::size_t row, int LEVEL) {
  return subtable_rows(plane)[row][stored_column(LEVEL)];
}

// At a node the lookup returns the stored value exactly, S = 0 included.
TEST(DesignBwfac, NodesGiveStoredValues) {
  for (const Subtable plane : {Subtable::EPlane, Subtable::HPlane}) {
    for (std::size_t row = 0; row < subtable_rows(plane).size(); ++row) {
      const float S = static_cast<float>(row) * subtable_step(plane);
      for (int LEVEL = 1; LEVEL <= kLevelCount; ++LEVEL) {
        EXPECT_EQ(BWFAC(S, LEVEL, plane), stored(plane, row, LEVEL)) << "S = " << S;
      }
    }
  }
  EXPECT_EQ(BWFAC(0.0f, 1, Subtable::EPlane), 0.442955f);
  EXPECT_EQ(BWFAC(0.0f, 2, Subtable::HPlane), 1.01936f);
}

// Between nodes the lookup is the quadratic through the node at or below S
// and the two above it; from the third row from the end on, and beyond the
// table, through the last three rows.
TEST(DesignBwfac, InterpolatesThroughTheRowsAtAndAboveS) {
  struct Case {
    float S;
    Subtable plane;
    std::size_t first;  // first of the three rows
  };
  const Case cases[] = {
      {0.05f, Subtable::EPlane, 2},   // rows at 0.04, 0.06, 0.08
      {0.10f, Subtable::HPlane, 2},   // rows at 0.08, 0.12, 0.16
      {0.21f, Subtable::EPlane, 10},  // rows at 0.20, 0.22, 0.24: the 10 dB value dips (see below)
      {0.23f, Subtable::EPlane, 11},  // across the 10 dB jump
      {0.43f, Subtable::EPlane, 21},  // last three rows
      {0.60f, Subtable::EPlane, 21},  // extrapolated
      {0.93f, Subtable::HPlane, 23},  // last three rows
      {1.20f, Subtable::HPlane, 23},  // extrapolated
      {-0.01f, Subtable::HPlane, 0},  // a negative S stays on the first rows
  };
  for (const Case& c : cases) {
    const double h = c.plane == Subtable::EPlane ? 0.02 : 0.04;
    for (int LEVEL = 1; LEVEL <= kLevelCount; ++LEVEL) {
      double expected = 0.0;  // Lagrange form in double
      for (std::size_t i = c.first; i < c.first + 3; ++i) {
        double weight = 1.0;
        for (std::size_t j = c.first; j < c.first + 3; ++j) {
          if (j != i) weight *= (static_cast<double>(c.S) - h * j) / (h * i - h * j);
        }
        expected += weight * static_cast<double>(stored(c.plane, i, LEVEL));
      }
      EXPECT_NEAR(BWFAC(c.S, LEVEL, c.plane), expected, 1e-5 * expected)
          << "S = " << c.S << ", LEVEL = " << LEVEL;
    }
  }
  // Across the jump the value lies between its two sides.
  EXPECT_GT(BWFAC(0.23f, 2, Subtable::EPlane), 0.87291f);
  EXPECT_LT(BWFAC(0.23f, 2, Subtable::EPlane), 1.4592f);
  // A larger S gives a larger factor, and so a larger aperture for the same
  // beamwidth, but not everywhere: just above S = 0.20 in the E-plane 10 dB
  // column (S from 0.200 to about 0.217) the quadratic through the rows at
  // 0.20, 0.22 and 0.24 dips under the jump, and the factor falls up to about
  // 6 % below its value at 0.20. That is the lookup as it is meant to be.
  EXPECT_LT(BWFAC(0.21f, 2, Subtable::EPlane), BWFAC(0.20f, 2, Subtable::EPlane));
}

// Whatever it is given, the lookup stays inside the table (the sanitizer
// build checks the reads and the float-to-int conversion); a level code
// outside 1 to 5 and a NaN S give NaN.
TEST(DesignBwfac, OutOfRangeArgumentsStayInsideTheTable) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  for (const Subtable plane : {Subtable::EPlane, Subtable::HPlane}) {
    for (const float S : {-kInf, -1e30f, -0.5f, 3e9f, 1e30f, kInf}) BWFAC(S, 1, plane);
    EXPECT_TRUE(std::isnan(BWFAC(std::numeric_limits<float>::quiet_NaN(), 1, plane)));
    for (const int LEVEL :
         {0, 6, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
      EXPECT_TRUE(std::isnan(BWFAC(0.1f, LEVEL, plane))) << "LEVEL = " << LEVEL;
    }
  }
}

}  // namespace
}  // namespace tarniq::numerics
