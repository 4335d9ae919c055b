// Aperture size that gives a prescribed beamwidth, through the universal beamwidth table.
#include "design/rhbwd.hpp"

#include <cmath>
#include <limits>

#include "common/bwfac.hpp"
#include "common/constants.hpp"
#include "common/levels.hpp"

namespace tarniq::design {
namespace {

using numerics::BWFAC;
using numerics::kRadiansPerDegree;
using numerics::Subtable;

constexpr float kTenLog10E = 4.342945f;  // 10 * log10(e)

bool valid_arguments(float BW, int LEVEL, int PLANE) {
  return numerics::is_level_code(LEVEL) && PLANE >= 1 && PLANE <= 3 && BW > 0.0f && BW < 360.0f;
}

}  // namespace

float RHBWD(float S, float BW, int LEVEL, int PLANE) {
  if (!valid_arguments(BW, LEVEL, PLANE)) return std::numeric_limits<float>::quiet_NaN();

  // Half-angle of the prescribed beam.
  const float phi0 = BW * kRadiansPerDegree / 2.0f;
  // Obliquity factor (1 + cos φ0)/2 at that angle, in dB (0 or below).
  const float obl = (2.0f * kTenLog10E) * std::log((std::cos(phi0) + 1.0f) / 2.0f);
  // The aperture pattern alone must be C - OBL dB down, so read the table at
  // a correspondingly wider half-angle, taking the fall in dB to grow with
  // the square of the angle.
  const float c = numerics::level_row(LEVEL).dB;
  const float phi = std::sqrt((c - obl) / c) * BW * kRadiansPerDegree / 2.0f;
  // The table terms of the planes asked for.
  const float e_term = PLANE != 2 ? BWFAC(S, LEVEL, Subtable::EPlane) : 0.0f;
  const float h_term = PLANE != 1 ? BWFAC(S, LEVEL, Subtable::HPlane) : 0.0f;
  // D·sin φ = factor; PLANE 3 averages the two dimensions.
  const float factor = e_term + h_term;
  float d = factor / std::sin(phi);
  if (PLANE == 3) d = d / 2.0f;
  return d;
}

}  // namespace tarniq::design
