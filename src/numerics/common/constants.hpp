// Physical and conversion constants of the single-precision routines, in their single-precision values.
#pragma once

// The rounding and not-a-number logic of these routines depends on IEEE
// arithmetic exactly as written; -ffast-math would silently change results.
#ifdef __FAST_MATH__
#error "tarniq must not be compiled with -ffast-math: its results depend on IEEE arithmetic"
#endif

namespace tarniq::numerics {

inline constexpr float kSpeedOfLight = 11.80285f;      // speed of light, inches per nanosecond
inline constexpr float kRadiansPerDegree = 0.01745329f;  // pi / 180

// Free-space wavelength in inches at FGHZ gigahertz.
inline float wavelength(float FGHZ) { return kSpeedOfLight / FGHZ; }

}  // namespace tarniq::numerics
