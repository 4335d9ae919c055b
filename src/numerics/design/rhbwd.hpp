// Aperture size that gives a prescribed beamwidth.
#pragma once

namespace tarniq::design {

// Aperture dimension D, in wavelengths, whose horn pattern (obliquity factor
// included) has the full beamwidth BW (degrees) at level LEVEL (1 to 5: 3.01,
// 10, 0.5, 1, 2 dB), for an aperture phase deviation S (wavelengths, not
// negative). PLANE 1 sizes the E plane (uniform amplitude), 2 the H plane
// (cosine amplitude), 3 gives the mean of the two dimensions.
// Returns NaN when LEVEL is outside 1 to 5, PLANE outside 1 to 3, or BW
// outside (0, 360) degrees.
float RHBWD(float S, float BW, int LEVEL, int PLANE);

}  // namespace tarniq::design
