// Horns designed to feed a dish: both beamwidths at the edge taper equal to the angle the dish subtends.
#pragma once

#include "tarniq/design.hpp"
#include "tarniq/dish.hpp"
#include "tarniq/phase_center.hpp"
#include "tarniq/units.hpp"

namespace tarniq {

// The dish (its edge angle θ0, degrees, within (0, 90]: see dish_edge_angle_deg
// for f/D), the edge taper (dB, positive: the level of the feed's pattern at
// θ0 below its maximum, in both principal planes), the phase deviation S of
// the design's S plane (wavelengths, as design_rectangular takes it), the
// frequency (hertz) and the feed waveguide.
struct FeedPrescription {
  double edge_angle_deg = 0.0;
  double edge_taper_db = 10.0;
  double phase_deviation = 0.25;
  double frequency_hz = 0.0;
  Waveguide feed;
};

// A designed feed and how it lights the dish with its common phase centre
// at the focus.
struct FeedDesign {
  HornDesign design;
  double phase_deviation = 0.0;  // S of the design's S plane
  double edge_taper_db = 0.0;    // as prescribed, or as found by the search
  DishIllumination dish;
  PhaseCenter phase_center;      // at 10 dB, metres behind the aperture
};

// The pattern-method rectangular horn whose E- and H-plane beamwidths at the
// edge taper both equal 2·θ0 (design_rectangular), with its illumination of
// the dish. Throws InvalidArgument for an edge angle outside (0, 90] degrees
// or as design_rectangular does; NoSolution when no horn meets it at that S;
// SearchFailed as design_rectangular does.
[[nodiscard]] FeedDesign design_feed(const FeedPrescription& prescription,
                                     const LengthScale& message_lengths = metres_scale);

// What design_best_feed searches: S alone (at the prescription's edge
// taper), or S and the edge taper together.
enum class FeedSearch { phase_deviation, phase_deviation_and_edge_taper };

// The feed of highest aperture efficiency on the dish: S searched from 0.05
// to 1 wavelength (and the edge taper from 4 to 24 dB), designs that do not
// exist skipped; the prescription's S (and taper) are not used. The optimum
// is found to about 0.002 in S and 0.05 dB in taper. Throws InvalidArgument as
// design_feed; NoSolution when no S (and taper) in the range has a design.
[[nodiscard]] FeedDesign design_best_feed(const FeedPrescription& prescription, FeedSearch search,
                                          const LengthScale& message_lengths = metres_scale);

}  // namespace tarniq
