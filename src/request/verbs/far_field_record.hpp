// What the field and pattern verbs share about a complex far-field value: its level, its phase, the cross-polar notice.
#pragma once

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <string_view>

namespace tarniq::request {

// 20·log10|field| in dBi (the field is scaled to the directivity); -infinity
// (no value) where it vanishes.
inline double level_dbi(std::complex<double> field) {
  const double power = std::norm(field);
  return power > 0.0 ? 10.0 * std::log10(power) : -std::numeric_limits<double>::infinity();
}

// The phase in degrees, -180 to 180; not a number (no value) where the field vanishes.
inline double phase_deg(std::complex<double> field) {
  if (std::norm(field) == 0.0) return std::numeric_limits<double>::quiet_NaN();
  return std::arg(field) * 180.0 / std::numbers::pi;
}

// Why cross_dbi is empty.
inline constexpr std::string_view no_cross_polar_notice =
    "The horn's aperture model (a Huygens source) radiates no cross-polar field: cross_dbi is left empty.";

}  // namespace tarniq::request
