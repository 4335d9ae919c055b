// The gain of a horn measured on its axis at a finite distance, as a gain standard on a short range gives it.
#pragma once

#include "tarniq/horn.hpp"

namespace tarniq {

// The on-axis gain (power ratio, and dBi) that a small receiving antenna at
// distance_m metres from the aperture plane measures, 4π·r²·S(r)/P with S
// the power density there: below gain_ratio at ranges of a few aperture
// sizes, tending to it as the distance grows.
//
// Method: the Fresnel approximation of the field on the axis. The path from
// each aperture point to the receiver exceeds r by ρ²/(2r), a quadratic
// phase lag like the aperture's own, so the two add: the result is the
// closed form of gain_ratio with each slant radius R replaced by
// R·r/(R + r), as gain-standard calibrations correct for a short range. It
// leaves out the change of amplitude and obliquity across the aperture as
// seen from r: against a direct integration of the aperture field it holds
// to 0.02 dB from about five aperture diagonals on, 0.15 dB at one.
// Throws InvalidArgument as gain_ratio does, and for a distance that is not
// positive and finite.
[[nodiscard]] double gain_at_distance_ratio(const Horn& horn, double frequency_hz, double distance_m);
[[nodiscard]] double gain_at_distance_dbi(const Horn& horn, double frequency_hz, double distance_m);

}  // namespace tarniq
