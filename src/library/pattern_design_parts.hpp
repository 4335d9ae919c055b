// What the pattern-method designs share: measuring a beamwidth, a first estimate, reporting a miss.
#pragma once

#include <string>

#include "tarniq/design.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::detail {

// The promise of the pattern method: each beamwidth this close, degrees.
inline constexpr double kAcceptedError = 0.01;
// Apertures at a fixed phase deviation are searched up to this many times the first estimate,
inline constexpr double kLargestApertureFactor = 100.0;
// and below the largest aperture the analysis computes, in wavelengths.
inline constexpr double kLargestApertureWavelengths = 0.999e5;

// What every beamwidth of a design is measured at, and the unit in which
// its messages show lengths.
struct Measure {
  double frequency_hz;
  double level_db;
  LengthScale lengths = metres_scale;
};

// Full beamwidth of one plane, degrees; 180 when the cut never falls to the
// level within ±90°, which ranks such a beam as wider than any prescription.
double full_beamwidth(const Horn& horn, Plane plane, const Measure& m);

// First guess of the aperture (metres) for a beamwidth at a phase deviation
// s: the universal table where it has the level, else the half-power
// factor widened with the level as a parabolic beam would be. table_plane is
// the table's code: 1 E plane, 2 H plane, 3 their mean.
double estimated_aperture(int table_plane, double s, double beamwidth_deg, const Measure& m);

// Slant radius of an aperture a (metres) at the phase deviation s: a²/(8λs).
double radius_at_phase_deviation(double a, double s, double lambda);

// NoSolution for a search that found no aperture: either the smallest
// aperture it may take (smallest, with its beamwidth) already gives a
// narrower beam, or the beam never narrows to the target before range_end.
// what names the flare searched: "E-plane flare at that phase deviation".
[[noreturn]] void no_aperture(const std::string& wanted, const std::string& what, double smallest,
                              double smallest_beamwidth, double target, const std::string& range_end,
                              const LengthScale& lengths);

// NoSolution unless the design's beamwidth in plane is the target to kAcceptedError.
void verify(const Horn& horn, Plane plane, double target, const Measure& m, const std::string& wanted);

// The design that design() makes, with NoSolution in place of an
// InvalidArgument from the analysis of a candidate horn: the prescription
// has been checked, so such a candidate lies beyond the sizes the analysis
// computes (an aperture over 1e5 wavelengths, a phase deviation under 1e-12).
template <typename Design>
HornDesign within_analysis_domain(Design&& design, const std::string& wanted) {
  try {
    return design();
  } catch (const InvalidArgument& e) {
    throw NoSolution("no horn meets " + wanted + " within the sizes the analysis computes: " + e.what());
  }
}

}  // namespace tarniq::detail
