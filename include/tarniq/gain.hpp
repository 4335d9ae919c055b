// Boresight gain of a pyramidal horn.
#pragma once

#include "tarniq/horn.hpp"

namespace tarniq {

// Gain of the horn at a frequency (hertz) as a power ratio and in dBi: the
// closed form in Fresnel integrals of the aperture with uniform amplitude in
// the E plane, cosine amplitude in the H plane and quadratic phase in both,
//   G = 8π·RE·RH/(AH·AE) · {[C(u) - C(v)]² + [S(u) - S(v)]²} · {C(w)² + S(w)²},
// u, v = (√(λRH)/AH ± AH/√(λRH))/√2, w = AE/√(2λRE); no losses. It is the
// interactive program's gain in double precision.
// Throws InvalidArgument for a bad horn or a frequency not positive and finite,
// and for sizes the analysis does not compute: each aperture outside 1e-6 to
// 1e5 wavelengths, a phase deviation below 1e-12 wavelength (where the closed
// form loses its digits), a wavelength outside 1e-90 to 1e90 m.
[[nodiscard]] double gain_ratio(const Horn& horn, double frequency_hz);
[[nodiscard]] double gain_dbi(const Horn& horn, double frequency_hz);

}  // namespace tarniq
