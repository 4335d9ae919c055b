// Design of a pyramidal horn with a rectangular aperture to two prescribed beamwidths.
#pragma once

namespace tarniq::design {

// A rectangular horn, lengths in inches: aperture width AH (H plane) and
// height AE (E plane), slant radii RH and RE from each plane's apex to the
// aperture edge, and the axial length AXL from the waveguide to the aperture.
// AXL = -1 means no design; the other fields are then 0.
struct RectangularHorn {
  float AH;
  float AE;
  float RH;
  float RE;
  float AXL;
};

// Designs a horn whose E-plane and H-plane full beamwidths are BWE and BWH
// degrees at level LEVEL (1 to 5: 3.01, 10, 0.5, 1, 2 dB), fed from a
// waveguide WA wide (H plane) and WB high (E plane), in inches, at FGHZ GHz.
// S (wavelengths) is the aperture phase deviation of the plane with the
// narrower beamwidth (the E plane when they are equal); the other plane's
// flare is chosen so that both have the same axial length.
// No design (AXL = -1) when S is not above 0 or is NaN, when either plane's
// flare cannot be built, when no phase deviation up to 1.0 gives the wider
// plane the axial length of the narrower one, or when the wider plane's
// aperture comes out no wider than its waveguide dimension. AXL can also come
// out 0 or below when the narrower plane's aperture is no wider than its
// waveguide dimension; callers treat any AXL <= 0 as no design.
RectangularHorn REHBD(float S, float BWE, float BWH, float WA, float WB, float FGHZ, int LEVEL);

}  // namespace tarniq::design
