// Bounds on a cut's power over a span of angles, so that a beamwidth search passes over what cannot matter.
#pragma once

#include "aperture_pattern.hpp"

namespace tarniq::detail {

struct PowerBounds {
  double low;
  double high;
};

// Bounds on relative_power over the sines [v_a, v_b], 0 <= v_a < v_b <= 1,
// given its values p_a and p_b at the two ends. Two rules, the tighter
// taken: the field's magnitude changes no faster than a bound on its slope
// in u = B·sin θ (the aperture's size bounds it, and so, for a large phase
// deviation s, does 1/√s), and it differs from its geometric-optics part by
// no more than the magnitudes of its edge terms, which fall as their
// Fresnel arguments grow.
PowerBounds power_bounds(const ApertureCut& cut, double v_a, double p_a, double v_b, double p_b);

}  // namespace tarniq::detail
