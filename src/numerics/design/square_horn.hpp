// Design of a pyramidal horn with a square aperture to one prescribed beamwidth.
#pragma once

namespace tarniq::design {

// A square horn, lengths in inches: aperture side A, slant radius R from the
// apex to the aperture edge (the same in both planes), and the axial length
// AXL from the waveguide to the aperture; AXL = -1 means no design.
struct SquareHorn {
  float A;
  float R;
  float AXL;
};

// Designs a horn whose full beamwidth is BW degrees at level LEVEL (1 to 5:
// 3.01, 10, 0.5, 1, 2 dB) in the E plane (PLANE 1), the H plane (2) or on
// the average of the two planes (3), with the aperture phase deviation S
// (wavelengths), fed from a square waveguide WA by WB inches, at FGHZ GHz.
// Only WB enters the axial length.
// No design (AXL = -1, with A and R as computed) when S is not above 0 or is
// NaN, or when the flare cannot be built (A/2 >= R, or A or R is NaN, as for
// a LEVEL, PLANE or BW out of range). An aperture no wider than WB gives
// AXL <= 0; callers treat any AXL <= 0 as no design.
SquareHorn SQHBD(float S, float BW, int PLANE, float WA, float WB, float FGHZ, int LEVEL);

}  // namespace tarniq::design
