// Pattern-method square horn: one flare whose E-plane, H-plane or mean beamwidth is the prescription.
#include <algorithm>
#include <cmath>

#include "aperture_search.hpp"
#include "common/horn_geometry.hpp"
#include "design_methods.hpp"
#include "message_text.hpp"
#include "pattern_design_parts.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

// NoSolution unless the mean of the design's two beamwidths is the target.
void verify_mean(const Horn& horn, double target, const Measure& m, const std::string& wanted) {
  const Beamwidths both = beamwidths(horn, m.frequency_hz, m.level_db);
  if (!both.e_plane || !both.h_plane ||
      !(std::abs((*both.e_plane + *both.h_plane) / 2.0 - target) <= kAcceptedError))
    throw NoSolution("no horn meets " + wanted + ": the nearest design's beamwidths are " +
                     (both.e_plane ? degrees_text(*both.e_plane) : std::string("over 180°")) + " and " +
                     (both.h_plane ? degrees_text(*both.h_plane) : std::string("over 180°")));
}

// The square design, prescription checked.
HornDesign square(const SquarePrescription& prescription, const LengthScale& lengths, const std::string& text) {
  const Measure m{prescription.frequency_hz, prescription.level_db, lengths};
  const double lambda = wavelength(prescription.frequency_hz);
  const double S = prescription.phase_deviation;
  // One aperture at the phase deviation S in both planes: as it grows, the
  // beams of both planes, and so their mean, narrow.
  const auto square_horn = [&](double a) {
    const double r = radius_at_phase_deviation(a, S, lambda);
    return Horn{a, a, r, r, prescription.feed};
  };
  const auto prescribed_beamwidth = [&](double a) {
    const Horn horn = square_horn(a);
    switch (prescription.plane) {
      case SquarePlane::e: return full_beamwidth(horn, Plane::e, m);
      case SquarePlane::h: return full_beamwidth(horn, Plane::h, m);
      case SquarePlane::average: break;
    }
    return (full_beamwidth(horn, Plane::e, m) + full_beamwidth(horn, Plane::h, m)) / 2.0;
  };
  const int table_plane = prescription.plane == SquarePlane::e ? 1 : prescription.plane == SquarePlane::h ? 2 : 3;
  const double start = estimated_aperture(table_plane, S, prescription.beamwidth_deg, m);
  // A flare needs its slant radius a²/(8λS) above half its aperture: a > 4λS.
  const ApertureRange range{std::max(prescription.feed.width, 4.0 * lambda * S),
                            std::min(kLargestApertureFactor * start, kLargestApertureWavelengths * lambda)};
  const std::optional<double> A =
      aperture_for_beamwidth(prescribed_beamwidth, start, range, prescription.beamwidth_deg);
  if (!A) {
    const double smallest = range.lowest * (1.0 + 1e-6);
    no_aperture(text, "flare at that phase deviation", smallest, prescribed_beamwidth(smallest),
                prescription.beamwidth_deg, " up to aperture " + length_text(range.highest, lengths), lengths);
  }
  const Horn horn = square_horn(*A);
  if (prescription.plane == SquarePlane::average)
    verify_mean(horn, prescription.beamwidth_deg, m, text);
  else
    verify(horn, prescription.plane == SquarePlane::e ? Plane::e : Plane::h, prescription.beamwidth_deg, m, text);
  // One aperture and one slant radius: both planes have the phase deviation S.
  return {horn, numerics::axial_length(horn.aperture_height, horn.e_slant_radius, prescription.feed.height),
          prescription.plane == SquarePlane::h ? Plane::h : Plane::e};
}

}  // namespace

HornDesign square_by_pattern(const SquarePrescription& prescription, const LengthScale& lengths) {
  const std::string text = describe(prescription);
  return within_analysis_domain([&] { return square(prescription, lengths, text); }, text);
}

}  // namespace tarniq::detail
