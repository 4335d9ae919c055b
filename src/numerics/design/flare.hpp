// One flare plane of a pyramidal horn as the single-precision designs build it.
#pragma once

#include "common/horn_geometry.hpp"

namespace tarniq::design {

// One plane of a flare: aperture dimension A and slant radius rho from the
// flare's apex to the aperture edge, both in inches.
struct Flare {
  float A;
  float rho;
};

// The flare whose aperture is d wavelengths and whose edge lags the centre by
// the phase deviation s wavelengths: A = d·λ, rho = d²/(8·s)·λ.
inline Flare flare_from_phase_deviation(float d, float s, float lambda) {
  return {d * lambda, numerics::slant_radius_for_phase_deviation(d, s, lambda)};
}

// A flare can be built only when its aperture is positive and its half-width
// is below the slant radius; a flare with a NaN dimension cannot be built.
// (A negative aperture comes from a beam so wide that the corrected
// half-angle passes 180 degrees, or from a negative frequency.)
inline bool is_realizable(Flare f) { return f.A > 0.0f && f.A / 2.0f < f.rho; }

// Axial length from a waveguide dimension w to the flare's aperture.
inline float axial_length(Flare f, float w) { return numerics::axial_length(f.A, f.rho, w); }

// Aperture phase deviation of the flare, wavelengths.
inline float phase_deviation(Flare f, float lambda) {
  return numerics::phase_deviation(f.A, f.rho, lambda);
}

}  // namespace tarniq::design
