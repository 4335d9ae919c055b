// Tests of the aperture size for a prescribed beamwidth.
#include "design/rhbwd.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace tarniq::design {
namespace {

// Aperture sizes of undistorted apertures (S = 0), to about six digits.
TEST(DesignRhbwd, ApertureSizesAtZeroPhaseDeviation) {
  struct Case {
    float BW;
    int LEVEL;
    int PLANE;
    double d;
  };
  const Case cases[] = {
      {30.0f, 1, 1, 1.671480}, {30.0f, 1, 2, 2.243257}, {30.0f, 1, 3, 1.957369},
      {30.0f, 2, 1, 2.830969}, {30.0f, 2, 2, 3.910107}, {60.0f, 1, 1, 0.816275},
      {10.0f, 1, 2, 6.802276},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(RHBWD(0.0f, c.BW, c.LEVEL, c.PLANE), c.d, 1e-6 * c.d)
        << "BW = " << c.BW << ", LEVEL = " << c.LEVEL << ", PLANE = " << c.PLANE;
  }
}

// PLANE 3 gives the mean of the E-plane and H-plane sizes.
TEST(DesignRhbwd, AverageIsHalfTheSum) {
  for (const float S : {0.0f, 0.05f, 0.23f, 0.4f, 0.7f}) {
    for (const float BW : {5.0f, 30.0f, 90.0f, 170.0f}) {
      for (int LEVEL = 1; LEVEL <= 5; ++LEVEL) {
        const float mean = (RHBWD(S, BW, LEVEL, 1) + RHBWD(S, BW, LEVEL, 2)) / 2.0f;
        EXPECT_NEAR(RHBWD(S, BW, LEVEL, 3), mean, 1e-6 * std::abs(static_cast<double>(mean)));
      }
    }
  }
}

// Codes and beamwidths outside their ranges give NaN rather than a size.
TEST(DesignRhbwd, OutOfRangeArgumentsGiveNaN) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  for (const int LEVEL : {0, 6}) EXPECT_TRUE(std::isnan(RHBWD(0.1f, 30.0f, LEVEL, 1)));
  for (const int PLANE : {0, 4}) EXPECT_TRUE(std::isnan(RHBWD(0.1f, 30.0f, 1, PLANE)));
  for (const float BW : {0.0f, -20.0f, 360.0f, 400.0f, kNaN}) {
    EXPECT_TRUE(std::isnan(RHBWD(0.1f, BW, 1, 2))) << "BW = " << BW;
  }
}

}  // namespace
}  // namespace tarniq::design
