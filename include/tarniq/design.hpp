// Horns designed to prescribed beamwidths.
#pragma once

#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"

namespace tarniq {

// How a design meets its beamwidths.
enum class DesignMethod {
  // The pattern-true beamwidths (beamwidth()) of the design equal the
  // prescription to 0.01° (to about 1e-4° in practice). Of the flares of
  // the narrower plane's axial length, the wider plane takes the smallest
  // that meets its beamwidth, searched up to phase deviation 2.
  pattern,
  // The interactive program's designs: the universal beamwidth table with its
  // obliquity correction, in single precision (levels 0.5, 1, 2, 3 and 10 dB
  // only). Close to the prescription inside the table, not exact.
  table,
};

// A designed horn, and its axial length from the waveguide to the aperture
// (metres). In a pattern design both planes have exactly this length; in a
// table design it is the narrow plane's, as the interactive program prints it.
struct HornDesign {
  Horn horn;
  double axial_length = 0.0;
};

// Rectangular horn: full beamwidths in each plane (degrees, at level_db below
// the maximum; exactly 3 means half power, 3.01 dB). phase_deviation is the
// aperture phase deviation S (wavelengths) of the plane with the narrower
// beamwidth (the E plane on a tie); the other plane's flare is chosen so that
// both planes end at one aperture with one axial length.
struct RectangularSpec {
  double e_beamwidth_deg = 0.0;
  double h_beamwidth_deg = 0.0;
  double level_db = half_power_db;
  double phase_deviation = 0.25;
  double frequency_hz = 0.0;
  Waveguide feed;
};

// Square horn: one aperture side and one slant radius for both planes, fed
// from a square waveguide, designed to the beamwidth of the E plane, the H
// plane or their average. In a pattern design "average" means the mean of the
// two planes' beamwidths equals the prescription; in a table design it is the
// interactive program's mean of the two apertures.
enum class SquarePlane { e, h, average };

struct SquareSpec {
  double beamwidth_deg = 0.0;
  SquarePlane plane = SquarePlane::e;
  double level_db = half_power_db;
  double phase_deviation = 0.25;
  double frequency_hz = 0.0;
  Waveguide feed;
};

// Throw InvalidArgument for a beamwidth outside (0, 180) degrees, a level,
// phase deviation, frequency or waveguide size not positive and finite, a
// table-method level other than 0.5, 1, 2, 3 or 10 dB, or a square horn on a
// waveguide that is not square; NoSolution when no horn meets the
// prescription at that phase deviation.
HornDesign design_rectangular(const RectangularSpec& spec, DesignMethod method = DesignMethod::pattern);
HornDesign design_square(const SquareSpec& spec, DesignMethod method = DesignMethod::pattern);

}  // namespace tarniq
