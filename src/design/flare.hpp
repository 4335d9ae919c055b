// Flare geometry of one plane of a pyramidal horn, shared by the rectangular and square designs.
#pragma once

#include <cmath>

namespace tarniq::design {

inline constexpr float kSpeedOfLight = 11.80285f;  // speed of light, inches per ns

// Free-space wavelength in inches at FGHZ gigahertz.
inline float wavelength(float FGHZ) { return kSpeedOfLight / FGHZ; }

// One plane of a flare: aperture dimension A and slant radius rho from the
// flare's apex to the aperture edge, both in inches.
struct Flare {
  float A;
  float rho;
};

// The flare whose aperture is d wavelengths and whose edge lags the centre by
// the phase deviation s wavelengths: A = d·λ, rho = d²/(8·s)·λ.
inline Flare flare_from_phase_deviation(float d, float s, float lambda) {
  return {d * lambda, d * d / (8.0f * s) * lambda};
}

// A flare can be built only when its aperture is positive and its half-width
// is below the slant radius; a flare with a NaN dimension cannot be built.
// (A negative aperture comes from a beam so wide that the corrected
// half-angle passes 180 degrees, or from a negative frequency.)
inline bool is_realizable(Flare f) { return f.A > 0.0f && f.A / 2.0f < f.rho; }

// Axial length from a waveguide dimension w to the aperture:
// L = (A - w)/A · √(rho·rho - A·A/4). Zero or negative when A <= w.
inline float axial_length(Flare f, float w) {
  return (f.A - w) / f.A * std::sqrt(f.rho * f.rho - f.A * f.A / 4.0f);
}

// Slant radius of the flare from a waveguide dimension w to the aperture a
// that has the axial length l: √(l² + ((a - w)/2)²) · a/(a - w).
inline float slant_radius_for_axial_length(float l, float a, float w) {
  const float half_step = (a - w) / 2.0f;
  return std::sqrt(l * l + half_step * half_step) * a / (a - w);
}

// Aperture phase deviation, wavelengths, of a flare: A²/(8·λ·rho).
inline float phase_deviation(Flare f, float lambda) { return f.A * f.A / (8.0f * lambda * f.rho); }

}  // namespace tarniq::design
