// The optimum-gain pyramidal horn for a prescribed gain.
#pragma once

#include "tarniq/design.hpp"

namespace tarniq {

// The classical optimum-gain horn: E-plane flare at phase deviation 1/4
// (AE = √(2λRE)), H-plane flare at 3/8 (AH = √(3λRH)), aperture efficiency
// 0.51 (G = 0.51·4π·AH·AE/λ²), and both flares of one axial length from the
// feed to the aperture, so that the horn can be built.
// Throws InvalidArgument for a gain not finite, a frequency or waveguide size
// not positive and finite; NoSolution when the aperture that gain needs is
// not larger than the waveguide. Messages show lengths in message_lengths.
// The design's s_plane is the E plane, whose phase deviation is 1/4.
[[nodiscard]] HornDesign classical_gain_horn(double gain_dbi, double frequency_hz, const Waveguide& feed,
                                             const LengthScale& message_lengths = metres_scale);

// The classical horn refined so that its gain (gain_dbi) equals the request
// to 0.01 dB, keeping the phase deviations 1/4 and 3/8 and one axial length.
// Same errors as classical_gain_horn, and SearchFailed when the refinement
// does not settle.
[[nodiscard]] HornDesign design_for_gain(double gain_dbi, double frequency_hz, const Waveguide& feed,
                                         const LengthScale& message_lengths = metres_scale);

}  // namespace tarniq
