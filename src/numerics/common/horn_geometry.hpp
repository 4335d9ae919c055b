// Geometry of one flare plane of a pyramidal horn, for any floating-point precision.
//
// The interactive program instantiates these in single precision (every
// stored quantity rounded to float, operations in the order written) and the
// library in double precision: one relation, two precisions on purpose.
#pragma once

#include <cmath>

namespace tarniq::numerics {

// Slant radius, from the flare's apex to the aperture edge, of the flare that
// widens from a waveguide dimension w to the aperture a over the axial length
// l (all in one unit), by similar triangles from the side wall:
// √(l² + ((a - w)/2)²) · a/(a - w).
template <typename Real>
Real slant_radius(Real l, Real a, Real w) {
  const Real half_step = (a - w) / Real(2);
  return std::sqrt(l * l + half_step * half_step) * a / (a - w);
}

// Axial length from the waveguide dimension w to the aperture a of a flare
// whose slant radius is rho: (a - w)/a · √(rho² - a²/4).
// Zero or negative when a <= w; NaN when rho < a/2.
template <typename Real>
Real axial_length(Real a, Real rho, Real w) {
  return (a - w) / a * std::sqrt(rho * rho - a * a / Real(4));
}

// Aperture phase deviation, in wavelengths, at the edge of an aperture a with
// slant radius rho at the wavelength lambda: a²/(8·λ·rho).
template <typename Real>
Real phase_deviation(Real a, Real rho, Real lambda) {
  return a * a / (Real(8) * lambda * rho);
}

// Slant radius of an aperture a whose edge lags its centre by s wavelengths:
// the inverse of phase_deviation, a²/(8·s·λ) written as (a/λ)²/(8·s)·λ.
template <typename Real>
Real slant_radius_for_phase_deviation(Real d, Real s, Real lambda) {
  return d * d / (Real(8) * s) * lambda;
}

}  // namespace tarniq::numerics
