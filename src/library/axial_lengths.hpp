// Whether a horn's two planes end at one aperture over one axial length, as building it needs.
#pragma once

#include "tarniq/horn.hpp"

namespace tarniq::detail {

// Difference of the two planes' axial lengths taken as unequal, relative to
// the horn's largest length (axial or slant): single-precision designs of
// short horns, whose axial lengths come from nearly equal slant radius and
// half aperture, differ by about 1e-6 of the length itself.
inline constexpr double kAxialLengthTolerance = 1e-6;

// Whether the E- and H-plane axial lengths agree within that tolerance.
[[nodiscard]] bool axial_lengths_agree(const Horn& horn);

}  // namespace tarniq::detail
