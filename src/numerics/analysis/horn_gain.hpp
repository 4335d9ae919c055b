// Gain of a pyramidal horn of given aperture and slant radii at one frequency.
#pragma once

namespace tarniq::analysis {

// HORN returns the gain of the horn as a power ratio (not dB; the caller takes
// 10 log10). FGHZ in GHz; AH (aperture width, H plane), AE (aperture height,
// E plane), RE and RH (E- and H-plane slant radii, flare apex to aperture
// edge) in inches. Note the E-plane radius comes before the H-plane radius,
// the opposite of HRNBW. No efficiency or loss factor is included.
// All arguments must be positive for a meaningful result; zero or negative
// ones give whatever the arithmetic gives (inf or NaN), never a fault.
float HORN(float FGHZ, float AH, float AE, float RE, float RH);

}  // namespace tarniq::analysis
