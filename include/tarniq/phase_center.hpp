// The phase centre of a horn: the point on its axis from which its far-field phase is most nearly constant.
#pragma once

#include "tarniq/horn.hpp"

namespace tarniq {

// Distances, metres, from the aperture plane back along the axis toward the
// apex: where to put the focus of a dish.
struct PhaseCenter {
  double e_plane = 0.0;
  double h_plane = 0.0;
  double common = 0.0;  // one point for both planes
};

// The phase centre of each principal-plane cut at a frequency (hertz): the
// distance d behind the aperture for which the far-field phase Φ(θ) of
// far_field, moved to that point (Φ + k·d·cos θ), is most nearly constant
// in the weighted least-squares sense: over the angles 0 to θ_L, where θ_L
// is half the cut's beamwidth at level_db (90° when it never falls that far),
// each angle weighted by the cut's power where that is within level_db of
// the cut's maximum and by nothing elsewhere. `common` is the same fit over
// both cuts at once. d is 0 for an aperture in phase and moves toward the
// apex as the phase deviation grows. Throws InvalidArgument as beamwidth does.
[[nodiscard]] PhaseCenter phase_center(const Horn& horn, double frequency_hz, double level_db = 10.0);

}  // namespace tarniq
