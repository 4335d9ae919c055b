// Horn beamwidths from the universal beamwidth table, corrected for the obliquity factor.
#include "analysis/horn_beamwidths.hpp"

#include <array>
#include <cmath>
#include <cstddef>

#include "common/bwfac.hpp"
#include "common/constants.hpp"
#include "common/horn_geometry.hpp"
#include "common/levels.hpp"

namespace tarniq::analysis {
namespace {

using numerics::BWFAC;
using numerics::Subtable;
using numerics::kLevels;

constexpr float kNeperToDb = 8.68589f;      // 20 log10(e): -8.68589 ln(x) = -20 log10(x)
constexpr float kFourRadToDeg = 229.1831f;  // 4 * 180 / pi: 4 x radians in degrees
constexpr float kTenDbPower = 0.1f;         // power ratio of the 10 dB point

struct Converted {
  float beamwidth;  // full beamwidth, degrees
  float lv;         // horn pattern amplitude at theta
  float theta;      // half-angle, radians
};

// Turns the sine v at which the aperture pattern alone is C dB down into the
// full beamwidth of the horn pattern, which also carries the obliquity factor.
Converted convert(float v, float a, float C) {
  const float theta = std::asin(v);                   // NaN for |v| > 1
  const float ob = (std::cos(theta) + 1.0f) / 2.0f;   // obliquity factor (1 + cos theta) / 2
  const float lv = ob * a;
  const float D = -(std::log(lv) * kNeperToDb);       // fall of the horn pattern at theta, dB
  // the fall in dB is taken to grow with the square of the angle; 2: full width
  const float beamwidth = theta * 2.0f * std::sqrt(C / D) / numerics::kRadiansPerDegree;
  return {beamwidth, lv, theta};
}

// Exponent Q of the power pattern cos^Q(angle / 2) that passes through lv^2 at theta.
float fitted_exponent(const Converted& level1) {
  return (std::log(level1.lv) * 2.0f) / std::log(std::cos(level1.theta / 2.0f));
}

// Full 10 dB width of cos^Q(angle / 2), negative to mark it as an estimate.
float ten_db_estimate(float Q) {
  return -kFourRadToDeg * std::acos(std::pow(kTenDbPower, 1.0f / Q));
}

// What becomes of the 0.5, 1 and 2 dB sines when the 10 dB width is estimated.
enum class Leftovers { kept_as_sines, converted };

// Beamwidths of one plane from its phase deviation s (wavelengths) and its
// aperture dimension (inches).
std::array<float, 5> plane_beamwidths(float s, float aperture, float lambda, Subtable plane, Leftovers leftovers) {
  std::array<float, 5> bw{};
  std::array<float, 5> amplitude{};
  for (int LEVEL = 1; LEVEL <= 5; ++LEVEL) {
    const auto k = static_cast<std::size_t>(LEVEL - 1);
    bw[k] = BWFAC(s, LEVEL, plane) * lambda / aperture;  // sine of the half-angle
    amplitude[k] = plane == Subtable::EPlane ? kLevels[k].e_amplitude : kLevels[k].h_amplitude;
  }
  const Converted level1 = convert(bw[0], amplitude[0], kLevels[0].dB);
  bw[0] = level1.beamwidth;
  if (bw[1] >= 1.0f) {
    // 10 dB sine >= 1: no real angle, estimate it; levels 3 to 5 keep their sines
    bw[1] = ten_db_estimate(fitted_exponent(level1));
    if (leftovers == Leftovers::converted)
      for (std::size_t k = 2; k < 5; ++k) bw[k] = convert(bw[k], amplitude[k], kLevels[k].dB).beamwidth;
    return bw;
  }
  // 10 dB sine < 1 (or NaN): convert levels 2 to 5 in order
  for (std::size_t k = 1; k < 5; ++k) {
    bw[k] = convert(bw[k], amplitude[k], kLevels[k].dB).beamwidth;
  }
  return bw;
}

Beamwidths both_planes(float FGHZ, float AH, float AE, float RH, float RE, Leftovers leftovers) {
  const float lambda = numerics::wavelength(FGHZ);
  const float s_E = numerics::phase_deviation(AE, RE, lambda);
  const float s_H = numerics::phase_deviation(AH, RH, lambda);
  Beamwidths result{};
  result.EBW = plane_beamwidths(s_E, AE, lambda, Subtable::EPlane, leftovers);
  result.HBW = plane_beamwidths(s_H, AH, lambda, Subtable::HPlane, leftovers);
  return result;
}

}  // namespace

Beamwidths HRNBW(float FGHZ, float AH, float AE, float RH, float RE) {
  return both_planes(FGHZ, AH, AE, RH, RE, Leftovers::kept_as_sines);
}

Beamwidths beamwidths_in_degrees(float FGHZ, float AH, float AE, float RH, float RE) {
  return both_planes(FGHZ, AH, AE, RH, RE, Leftovers::converted);
}

}  // namespace tarniq::analysis
