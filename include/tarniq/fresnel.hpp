// Fresnel integrals in double precision.
#pragma once

namespace tarniq {

struct FresnelIntegrals {
  double S;  // ∫₀ˣ sin(π t²/2) dt
  double C;  // ∫₀ˣ cos(π t²/2) dt
};

// S(x) and C(x) for any finite x, to about 1e-15 absolute. Both are odd in x
// and tend to ±1/2 as x grows. Throws InvalidArgument for a non-finite x.
[[nodiscard]] FresnelIntegrals fresnel(double x);

}  // namespace tarniq
