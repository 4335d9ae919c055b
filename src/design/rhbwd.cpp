// Aperture size that gives a prescribed beamwidth, through the universal beamwidth table.
#include "design/rhbwd.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "design/bwfac.hpp"

namespace tarniq::design {
namespace {

constexpr float kDegreesToRadians = 0.01745329f;  // pi / 180
constexpr float kTenLog10E = 4.342945f;           // 10 * log10(e)

// Level in dB of each level code 1 to 5.
constexpr std::array<float, kLevelCount> kLevelDb = {
    3.01f,  // LEVEL 1, the half-power level
    10.0f,  // LEVEL 2
    0.5f,   // LEVEL 3
    1.0f,   // LEVEL 4
    2.0f,   // LEVEL 5
};

bool valid_arguments(float BW, int LEVEL, int PLANE) {
  return LEVEL >= 1 && LEVEL <= kLevelCount && PLANE >= 1 && PLANE <= 3 && BW > 0.0f && BW < 360.0f;
}

}  // namespace

float RHBWD(float S, float BW, int LEVEL, int PLANE) {
  if (!valid_arguments(BW, LEVEL, PLANE)) return std::numeric_limits<float>::quiet_NaN();

  // Step 1: half-angle of the prescribed beam.
  const float phi0 = BW * kDegreesToRadians / 2.0f;
  // Step 2: obliquity factor (1 + cos φ0)/2 at that angle, in dB (0 or below).
  const float obl = (2.0f * kTenLog10E) * std::log((std::cos(phi0) + 1.0f) / 2.0f);
  // Step 3: the aperture pattern alone must be C - OBL dB down, so read the
  // table at a correspondingly wider half-angle.
  const float c = kLevelDb[LEVEL - 1];
  const float phi = std::sqrt((c - obl) / c) * BW * kDegreesToRadians / 2.0f;
  // Step 4: the table terms of the planes asked for.
  const float e_term = PLANE != 2 ? BWFAC(S, LEVEL, Subtable::EPlane) : 0.0f;
  const float h_term = PLANE != 1 ? BWFAC(S, LEVEL, Subtable::HPlane) : 0.0f;
  // Steps 5 and 6: D·sin φ = factor; PLANE 3 averages the two dimensions.
  const float factor = e_term + h_term;
  float d = factor / std::sin(phi);
  if (PLANE == 3) d = d / 2.0f;
  return d;
}

}  // namespace tarniq::design
