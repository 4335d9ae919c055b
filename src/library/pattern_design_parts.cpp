// What the pattern-method designs share: measuring a beamwidth, a first estimate, reporting a miss.
#include "pattern_design_parts.hpp"

#include <cmath>
#include <numbers>

#include "common/horn_geometry.hpp"
#include "design/rhbwd.hpp"
#include "design_methods.hpp"
#include "message_text.hpp"
#include "single_precision.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

// Beamwidth factors D·sin φ of apertures without phase error at half power
// (uniform E plane, cosine H plane), for estimates at levels the universal
// table lacks.
constexpr double kHalfPowerFactorE = 0.443;
constexpr double kHalfPowerFactorH = 0.594;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

double full_beamwidth(const Horn& horn, Plane plane, const Measure& m) {
  return beamwidth(horn, m.frequency_hz, plane, m.level_db).value_or(180.0);
}

double estimated_aperture(int table_plane, double s, double beamwidth_deg, const Measure& m) {
  const double lambda = wavelength(m.frequency_hz);
  // The table's extrapolation past a phase deviation of 2 says nothing useful.
  constexpr double kLargestTableS = 2.0;
  const std::optional<int> level = table_level_code(m.level_db);
  if (level && s <= kLargestTableS) {
    const float d =
        design::RHBWD(static_cast<float>(s), static_cast<float>(beamwidth_deg), *level, table_plane);
    if (std::isfinite(d) && d > 0.0f) return static_cast<double>(d) * lambda;
  }
  const double factor = table_plane == 1   ? kHalfPowerFactorE
                        : table_plane == 2 ? kHalfPowerFactorH
                                           : (kHalfPowerFactorE + kHalfPowerFactorH) / 2.0;
  return factor * std::sqrt(m.level_db / half_power_db) * lambda /
         std::sin(radians(beamwidth_deg / 2.0));
}

double radius_at_phase_deviation(double a, double s, double lambda) {
  return numerics::slant_radius_for_phase_deviation(a / lambda, s, lambda);
}

void no_aperture(const std::string& wanted, const std::string& what, double smallest, double smallest_beamwidth,
                 double target, const std::string& range_end, const LengthScale& lengths) {
  if (smallest_beamwidth <= target)
    throw NoSolution("no horn meets " + wanted + ": the smallest " + what + " (aperture " +
                     length_text(smallest, lengths) + ") already gives a narrower beam, " +
                     degrees_text(smallest_beamwidth));
  throw NoSolution("no horn meets " + wanted + ": no " + what + " gives " + degrees_text(target) + range_end);
}

void verify(const Horn& horn, Plane plane, double target, const Measure& m, const std::string& wanted) {
  const std::optional<double> bw = beamwidth(horn, m.frequency_hz, plane, m.level_db);
  if (!bw || !(std::abs(*bw - target) <= kAcceptedError))
    throw NoSolution("no horn meets " + wanted + ": the nearest design's " + std::string(plane_name(plane)) +
                     " beamwidth is " + (bw ? degrees_text(*bw) : std::string("over 180°")));
}

}  // namespace tarniq::detail
