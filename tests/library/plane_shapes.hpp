// Test horns given by each plane's size in wavelengths and phase deviation, at one frequency.
#pragma once

#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"

namespace tarniq::testing {

inline constexpr double kFrequency = 10e9;
inline constexpr double kDegree = 3.14159265358979323846 / 180.0;

// A horn given by each plane's aperture (wavelengths) and phase deviation.
struct PlaneShape {
  double B_H, s_H, B_E, s_E;
};

// That horn at kFrequency, on a waveguide of half its aperture.
inline Horn horn_of(const PlaneShape& p) {
  const double lambda = wavelength(kFrequency);
  const double AH = p.B_H * lambda;
  const double AE = p.B_E * lambda;
  return make_horn_from_slant_radii(AH, AE, AH * AH / (8.0 * lambda * p.s_H), AE * AE / (8.0 * lambda * p.s_E),
                                    Waveguide{0.5 * AH, 0.5 * AE, ""});
}

}  // namespace tarniq::testing
