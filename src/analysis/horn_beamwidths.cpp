// Horn beamwidths from the universal beamwidth table, corrected for the obliquity factor.
#include "analysis/horn_beamwidths.hpp"

#include <array>
#include <cmath>
#include <cstddef>

#include "design/bwfac.hpp"

namespace tarniq::analysis {
namespace {

using design::BWFAC;
using design::Subtable;

constexpr float kLightInchPerNs = 11.80285f;  // speed of light, inches per nanosecond
constexpr float kDegree = 0.01745329f;        // pi / 180, radians per degree
constexpr float kNeperToDb = 8.68589f;        // 20 log10(e): -8.68589 ln(x) = -20 log10(x)
constexpr float kFourRadToDeg = 229.1831f;    // 4 * 180 / pi: 4 x radians in degrees
constexpr float kTenDbPower = 0.1f;           // power ratio of the 10 dB point

// One row per level code LEVEL (index LEVEL - 1): the level as a field-strength
// ratio in each plane, and the level in dB. The H-plane amplitude of level 1
// is 0.707167, deliberately not the E plane's 0.7071067: the H-plane 3.01 dB
// widths printed in the second decimal depend on it.
struct LevelRow {
  float aE;  // amplitude ratio, E plane
  float aH;  // amplitude ratio, H plane
  float C;   // level, dB below the peak
};
constexpr std::array<LevelRow, 5> kLevels = {{
    {0.7071067f, 0.707167f, 3.01f},    // 1: 3.01 dB
    {0.3162277f, 0.3162277f, 10.0f},   // 2: 10 dB
    {0.9440609f, 0.9440609f, 0.5f},    // 3: 0.5 dB
    {0.8912509f, 0.8912509f, 1.0f},    // 4: 1 dB
    {0.7943282f, 0.7943282f, 2.0f},    // 5: 2 dB
}};

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
  const float beamwidth = theta * 2.0f * std::sqrt(C / D) / kDegree;
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

// Beamwidths of one plane from its phase deviation s (wavelengths) and its
// aperture dimension (inches).
std::array<float, 5> plane_beamwidths(float s, float aperture, float lambda, Subtable plane) {
  std::array<float, 5> bw{};
  std::array<float, 5> amplitude{};
  for (int LEVEL = 1; LEVEL <= 5; ++LEVEL) {
    const auto k = static_cast<std::size_t>(LEVEL - 1);
    bw[k] = BWFAC(s, LEVEL, plane) * lambda / aperture;  // sine of the half-angle
    amplitude[k] = plane == Subtable::EPlane ? kLevels[k].aE : kLevels[k].aH;
  }
  const Converted level1 = convert(bw[0], amplitude[0], kLevels[0].C);
  bw[0] = level1.beamwidth;
  if (bw[1] >= 1.0f) {
    // 10 dB sine >= 1: no real angle, estimate it; levels 3 to 5 keep their sines
    bw[1] = ten_db_estimate(fitted_exponent(level1));
    return bw;
  }
  // 10 dB sine < 1 (or NaN): convert levels 2 to 5 in order
  for (std::size_t k = 1; k < 5; ++k) {
    bw[k] = convert(bw[k], amplitude[k], kLevels[k].C).beamwidth;
  }
  return bw;
}

}  // namespace

Beamwidths HRNBW(float FGHZ, float AH, float AE, float RH, float RE) {
  const float lambda = kLightInchPerNs / FGHZ;
  // phase deviation at the aperture edge, wavelengths: a^2 / (8 lambda R)
  const float s_E = AE * AE / (lambda * 8.0f * RE);
  const float s_H = AH * AH / (lambda * 8.0f * RH);
  Beamwidths result{};
  result.EBW = plane_beamwidths(s_E, AE, lambda, Subtable::EPlane);
  result.HBW = plane_beamwidths(s_H, AH, lambda, Subtable::HPlane);
  return result;
}

}  // namespace tarniq::analysis
