// Tests of the horn gain: reference horns and the roles of the two radii.
#include "analysis/horn_gain.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace tarniq::analysis {
namespace {

struct GainRow {
  float FGHZ, AH, AE, RE, RH;
  float G;         // power ratio, five significant digits
  float GHalfUlp;  // half a unit of G's last digit
  float dB;        // 10 log10 G, three decimals
};

// Reference horns. One horn over 3, 10 and 30 GHz: the gain is not monotonic
// in frequency. The last two rows exchange unequal radii, which changes the
// gain (values from the closed form evaluated in extended precision), so they
// pin which radius belongs to which plane.
TEST(HornGain, ReferenceHorns) {
  const GainRow rows[] = {
    {10.0f, 10.0f, 8.0f, 20.0f, 20.0f, 246.87f, 0.005f, 23.925f},
    {10.0f, 5.0f, 4.0f, 12.0f, 12.0f, 125.62f, 0.005f, 20.990f},
    {3.0f, 10.0f, 8.0f, 20.0f, 20.0f, 48.652f, 0.0005f, 16.871f},
    {30.0f, 10.0f, 8.0f, 20.0f, 20.0f, 96.333f, 0.0005f, 19.838f},
    {10.0f, 10.0f, 8.0f, 15.0f, 25.0f, 205.55f, 0.005f, 23.129f},
    {10.0f, 10.0f, 8.0f, 25.0f, 15.0f, 213.21f, 0.005f, 23.288f},
  };
  for (const GainRow& r : rows) {
    const float G = HORN(r.FGHZ, r.AH, r.AE, r.RE, r.RH);
    EXPECT_NEAR(G, r.G, r.GHalfUlp) << "FGHZ = " << r.FGHZ << ", AH = " << r.AH << ", RE = " << r.RE;
    EXPECT_NEAR(10.0f * std::log10(G), r.dB, 0.0005f) << "FGHZ = " << r.FGHZ;
  }
}

// Zero or negative arguments give NaN from the arithmetic, never a fault.
TEST(HornGain, DegenerateArgumentsGiveNaN) {
  const float rows[][5] = {
    {0.0f, 10.0f, 8.0f, 20.0f, 20.0f},   // zero frequency
    {10.0f, 0.0f, 0.0f, 20.0f, 20.0f},   // zero aperture
    {10.0f, 10.0f, 8.0f, -20.0f, 20.0f}, // negative E-plane radius
    {10.0f, 10.0f, 8.0f, 20.0f, -20.0f}, // negative H-plane radius
  };
  for (const auto& r : rows) {
    EXPECT_TRUE(std::isnan(HORN(r[0], r[1], r[2], r[3], r[4]))) << r[0] << " " << r[1];
  }
}

}  // namespace
}  // namespace tarniq::analysis
