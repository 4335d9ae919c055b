// A horn's co-polar far field prepared once per horn and frequency, for the many directions of a grid or an integral.
#pragma once

#include "aperture_pattern.hpp"
#include "tarniq/horn.hpp"

namespace tarniq::detail {

// The two planes of the aperture: the field is separable, the E-plane
// factor taken at u = B_E·sin θ·sin φ and the H-plane one at u = B_H·sin θ·cos φ.
struct HornField {
  ApertureCut e;
  ApertureCut h;
};

// The field of a horn and frequency that have already been checked.
HornField make_horn_field(const Horn& horn, double frequency_hz);

// F_H·F_E·(1 + cos θ)/2 in the direction of the given sines and cosines:
// magnitude 1 on boresight, phase referred to the aperture centre. Even in
// sin θ, cos φ and sin φ alike.
Phasor co_field(const HornField& field, double sin_theta, double cos_theta, double cos_phi, double sin_phi);

}  // namespace tarniq::detail
