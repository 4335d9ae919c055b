// Fresnel sine and cosine integrals of one real argument, in single precision.
#pragma once

namespace tarniq::analysis {

// The two Fresnel integrals at one argument. The sine integral comes first,
// as in every call site of the horn analysis.
struct Fresnel {
  float FS;  // S(X) = integral from 0 to X of sin(pi t^2 / 2) dt
  float FC;  // C(X) = integral from 0 to X of cos(pi t^2 / 2) dt
};

// FRNL2 returns S(X) and C(X) for any finite X (negative allowed; both are
// odd in X and tend to +-0.5 for large |X|). Absolute error about 1e-6 for
// |X| up to 10. A pure function: no state, no printing, no exceptions.
Fresnel FRNL2(float X);

}  // namespace tarniq::analysis
