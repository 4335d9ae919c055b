// Horns designed to prescribed beamwidths.
#pragma once

#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"

namespace tarniq {

// How a design meets its beamwidths.
enum class DesignMethod {
  // The pattern-true beamwidths (beamwidth()) of the design equal the
  // prescription to 0.01° (to about 1e-4° in practice). The phase deviation
  // S belongs to the plane that sets the axial length, the one with the
  // larger aperture; the other plane takes, of the flares of that length, the
  // smallest that meets its beamwidth, searched up to phase deviation 2.
  // Where the apertures come out close and only S in the other plane gives
  // a horn, that horn is the design.
  pattern,
  // The interactive program's designs: the universal beamwidth table with its
  // obliquity correction, in single precision (levels 0.5, 1, 2, 3.01 and
  // 10 dB only), S in the plane with the narrower beam (the E plane on a
  // tie). Close to the prescription inside the table, not exact.
  table,
};

// How to design: the method, and the unit in which error messages show
// lengths (the results stay in metres).
struct DesignOptions {
  DesignMethod method = DesignMethod::pattern;
  LengthScale message_lengths = metres_scale;
};

// A designed horn.
struct HornDesign {
  Horn horn;
  // From the waveguide to the aperture, metres. A pattern-method or gain
  // design has this one length in both planes. A table-method design gives
  // the length of its S plane's flare, as the interactive program prints it;
  // the other plane's flare, rounded in single precision, may differ from it
  // by about 1e-6 of the length.
  double axial_length = 0.0;
  // The plane whose aperture phase deviation is the prescription's S.
  Plane s_plane = Plane::e;
};

// Rectangular horn: full beamwidths in each plane (degrees, at level_db below
// the maximum, exactly as given: half_power_db for half power).
// phase_deviation is the aperture phase deviation S (wavelengths) of the
// method's S plane (see DesignMethod); the other plane's flare is chosen so
// that both planes end at one aperture with one axial length.
struct RectangularPrescription {
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

struct SquarePrescription {
  double beamwidth_deg = 0.0;
  SquarePlane plane = SquarePlane::e;
  double level_db = half_power_db;
  double phase_deviation = 0.25;
  double frequency_hz = 0.0;
  Waveguide feed;
};

// Throw InvalidArgument for a beamwidth outside (0, 180) degrees, a level,
// phase deviation, frequency or waveguide size not positive and finite, a
// table-method level other than 0.5, 1, 2, 3.01 or 10 dB (is_table_level),
// or a square horn on a waveguide that is not square; NoSolution when no horn
// meets the prescription at that phase deviation; SearchFailed when a search
// for the design stops without an answer either way.
[[nodiscard]] HornDesign design_rectangular(const RectangularPrescription& prescription,
                                            const DesignOptions& options = {});
[[nodiscard]] HornDesign design_square(const SquarePrescription& prescription, const DesignOptions& options = {});

}  // namespace tarniq
