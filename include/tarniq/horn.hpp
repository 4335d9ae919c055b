// The geometry of a pyramidal horn fed from a rectangular waveguide.
#pragma once

#include "tarniq/waveguide.hpp"

namespace tarniq {

// The two principal planes: E (the aperture height, along the waveguide's
// narrow wall) and H (the aperture width, along its broad wall).
enum class Plane { e, h };

// A pyramidal horn, lengths in metres. Each plane flares from the waveguide
// to the aperture; its slant radius runs from that plane's flare apex to the
// aperture edge. Build one with make_horn (one axial length, a horn that can
// be made) or make_horn_from_slant_radii; every function that takes a Horn
// checks it and throws InvalidArgument when a length is not positive and
// finite, an aperture is not larger than its waveguide dimension, or a slant
// radius is not longer than half its aperture.
struct Horn {
  double aperture_width = 0.0;   // H plane
  double aperture_height = 0.0;  // E plane
  double h_slant_radius = 0.0;
  double e_slant_radius = 0.0;
  Waveguide feed;
};

// The horn whose two planes widen from the feed to the aperture over one
// axial length (waveguide to aperture). Each slant radius is
// √(L² + ((A - w)/2)²) · A/(A - w), the relation the interactive program's
// frequency response uses.
[[nodiscard]] Horn make_horn(double aperture_width, double aperture_height, double axial_length,
               const Waveguide& feed);

// The horn given by its slant radii; its planes may then need different axial
// lengths (see axial_length and the unequal_axial_lengths warning).
[[nodiscard]] Horn make_horn_from_slant_radii(double aperture_width, double aperture_height,
                                double h_slant_radius, double e_slant_radius,
                                const Waveguide& feed);

// Throws InvalidArgument when the horn breaks one of the rules above.
void check_horn(const Horn& horn);

// Aperture dimension, slant radius and waveguide dimension of one plane.
[[nodiscard]] double aperture(const Horn& horn, Plane plane);
[[nodiscard]] double slant_radius(const Horn& horn, Plane plane);
[[nodiscard]] double waveguide_dimension(const Horn& horn, Plane plane);

// Axial length of one plane's flare, from the waveguide to the aperture:
// (A - w)/A · √(R² - A²/4). Equal in both planes for a horn from make_horn.
[[nodiscard]] double axial_length(const Horn& horn, Plane plane);

// Length of one plane's side wall, from the waveguide edge to the aperture
// edge, what a builder cuts: √(L² + ((A - w)/2)²) = R·(A - w)/A.
[[nodiscard]] double side_wall_length(const Horn& horn, Plane plane);

// Aperture phase deviation of one plane at a frequency (hertz), wavelengths:
// A²/(8·λ·R), the path difference between aperture edge and centre.
[[nodiscard]] double phase_deviation(const Horn& horn, Plane plane, double frequency_hz);

}  // namespace tarniq
