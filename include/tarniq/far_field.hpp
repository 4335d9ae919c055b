// The complete far field of a horn's aperture model at any direction: co- and cross-polar, with phase.
#pragma once

#include <complex>
#include <span>
#include <vector>

#include "tarniq/horn.hpp"

namespace tarniq {

// The field in one direction, scaled so that |co|² + |cross|² is the
// directivity as a power ratio (the pattern cuts' level: |co|² on boresight
// is gain_ratio). The phase is the far field's referred to the centre of
// the aperture (the e^(-jkr)/r of the distance from there taken out, time as
// e^(jωt)); phase_center gives the point behind the aperture from which it
// is most nearly constant.
//
// Polarisation follows Ludwig's third definition with the reference along
// the waveguide's narrow wall (the E plane). The aperture model is the one
// of pattern_cut: separable, uniform across the E plane, cosine across the
// H plane, quadratic phase in both, and the Huygens obliquity (1 + cos θ)/2
// on both field components. Such a source radiates no cross-polar field in
// this definition: `cross` is exactly zero, the model's answer, not a
// measured or estimated figure.
struct FarField {
  std::complex<double> co;
  std::complex<double> cross;
};

// The field at θ degrees off boresight (-180 to 180) in the plane φ degrees
// from the H plane (the aperture width, along the broad wall) toward the E
// plane (φ = 90°); any finite φ. A negative θ is the direction (-θ, φ + 180°),
// as a cut through boresight lists it. At φ = 0° and 90° the level
// 20·log10|co| is pattern_cut's H- and E-plane value. Throws InvalidArgument
// as pattern_cut does, and for a φ that is not finite.
[[nodiscard]] FarField far_field(const Horn& horn, double frequency_hz, double theta_deg, double phi_deg);

// The field at every (θ, φ) of the two lists, θ outer: value [i·φ count + j]
// is at (theta_deg[i], phi_deg[j]). Throws as far_field.
[[nodiscard]] std::vector<FarField> far_field_grid(const Horn& horn, double frequency_hz,
                                                   std::span<const double> theta_deg,
                                                   std::span<const double> phi_deg);

}  // namespace tarniq
