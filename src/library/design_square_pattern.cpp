// Pattern-method square horn: one flare whose E-plane, H-plane or mean beamwidth is the prescription.
#include <algorithm>
#include <cmath>

#include "aperture_search.hpp"
#include "common/horn_geometry.hpp"
#include "design_methods.hpp"
#include "pattern_design_parts.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

// NoSolution unless the mean of the design's two beamwidths is the target.
void verify_mean(const Horn& horn, double target, const Measure& m, const std::string& spec) {
  const Beamwidths both = beamwidths(horn, m.frequency_hz, m.level_db);
  if (!both.e_plane || !both.h_plane ||
      !(std::abs((*both.e_plane + *both.h_plane) / 2.0 - target) <= kAcceptedError))
    throw NoSolution("no horn meets " + spec + ": the nearest design's beamwidths are " +
                     (both.e_plane ? degrees(*both.e_plane) : std::string("over 180°")) + " and " +
                     (both.h_plane ? degrees(*both.h_plane) : std::string("over 180°")));
}

// The square design, prescription checked.
HornDesign square(const SquareSpec& spec, const std::string& text) {
  const Measure m{spec.frequency_hz, spec.level_db};
  const double lambda = wavelength(spec.frequency_hz);
  const double S = spec.phase_deviation;
  // One aperture at the phase deviation S in both planes: as it grows, the
  // beams of both planes, and so their mean, narrow.
  const auto square_horn = [&](double a) {
    const double r = radius_at_phase_deviation(a, S, lambda);
    return Horn{a, a, r, r, spec.feed};
  };
  const auto prescribed_beamwidth = [&](double a) {
    const Horn horn = square_horn(a);
    switch (spec.plane) {
      case SquarePlane::e: return full_beamwidth(horn, Plane::E, m);
      case SquarePlane::h: return full_beamwidth(horn, Plane::H, m);
      case SquarePlane::average: break;
    }
    return (full_beamwidth(horn, Plane::E, m) + full_beamwidth(horn, Plane::H, m)) / 2.0;
  };
  const int table_plane = spec.plane == SquarePlane::e ? 1 : spec.plane == SquarePlane::h ? 2 : 3;
  const double start = estimated_aperture(table_plane, S, spec.beamwidth_deg, m);
  // A flare needs its slant radius a²/(8λS) above half its aperture: a > 4λS.
  const ApertureRange range{std::max(spec.feed.width, 4.0 * lambda * S),
                            std::min(kLargestApertureFactor * start, kLargestApertureWavelengths * lambda)};
  const std::optional<double> A =
      aperture_for_beamwidth(prescribed_beamwidth, start, range, spec.beamwidth_deg);
  if (!A) {
    const double smallest = range.lowest * (1.0 + 1e-6);
    no_aperture(text, "flare at that phase deviation", smallest, prescribed_beamwidth(smallest),
                spec.beamwidth_deg, " up to aperture " + metres(range.highest));
  }
  const Horn horn = square_horn(*A);
  if (spec.plane == SquarePlane::average)
    verify_mean(horn, spec.beamwidth_deg, m, text);
  else
    verify(horn, spec.plane == SquarePlane::e ? Plane::E : Plane::H, spec.beamwidth_deg, m, text);
  return {horn, numerics::axial_length(horn.aperture_height, horn.e_slant_radius, spec.feed.height)};
}

}  // namespace

HornDesign square_by_pattern(const SquareSpec& spec) {
  const std::string text = describe(spec);
  return within_analysis_domain([&] { return square(spec, text); }, text);
}

}  // namespace tarniq::detail
