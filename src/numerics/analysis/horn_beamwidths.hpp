// E-plane and H-plane pattern beamwidths of a pyramidal horn at five levels.
#pragma once

#include <array>

namespace tarniq::analysis {

// Full beamwidths in degrees. Element [LEVEL - 1] holds level code LEVEL:
// [0] 3.01 dB, [1] 10 dB, [2] 0.5 dB, [3] 1 dB, [4] 2 dB below the peak.
// Exceptions, kept as the frequency-response table prints them:
//  - when a plane's 10 dB point has no real angle, its [1] holds an estimate
//    as a NEGATIVE number of degrees (magnitude = beamwidth), and its [2..4]
//    then hold the raw pattern sines (dimensionless), not degrees;
//  - a sine above 1 where no estimate is taken gives NaN in that element.
struct Beamwidths {
  std::array<float, 5> EBW;  // E plane (uniform amplitude)
  std::array<float, 5> HBW;  // H plane (cosine amplitude)
};

// HRNBW returns the beamwidths of the horn at FGHZ (GHz) with aperture width
// AH (H plane), height AE (E plane) and slant radii RH, RE (flare apex to
// aperture edge), lengths in inches. Note the H-plane radius comes before the
// E-plane radius, the opposite of HORN. Past the tabulated phase deviations
// (0.46 wavelength E plane, 1.00 H plane) the beamwidths follow an
// extrapolated table without warning. Zero or negative arguments give
// whatever the arithmetic gives (inf or NaN), never a fault.
Beamwidths HRNBW(float FGHZ, float AH, float AE, float RH, float RE);

// HRNBW's beamwidths with every element in degrees: where HRNBW takes its
// 10 dB estimate and leaves the 0.5, 1 and 2 dB elements as sines, those
// sines are converted as HRNBW converts them whenever the 10 dB point is
// real. The library reports these; the interactive program prints HRNBW's.
Beamwidths beamwidths_in_degrees(float FGHZ, float AH, float AE, float RH, float RE);

}  // namespace tarniq::analysis
