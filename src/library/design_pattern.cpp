// Pattern-method rectangular horn: the larger-aperture plane at its phase deviation, the other on its axial length.
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

#include "aperture_search.hpp"
#include "checks.hpp"
#include "common/horn_geometry.hpp"
#include "design_methods.hpp"
#include "message_text.hpp"
#include "model_limits.hpp"
#include "pattern_design_parts.hpp"
#include "root_finding.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

// A horn whose plane has the aperture a and slant radius r. A plane's cut
// does not depend on the other plane, which is a placeholder check_horn accepts.
Horn horn_for_plane(Plane plane, double a, double r, const Waveguide& feed) {
  Horn horn{2.0 * feed.width, 2.0 * feed.height, 2.0 * feed.width, 2.0 * feed.height, feed};
  if (plane == Plane::e) {
    horn.aperture_height = a;
    horn.e_slant_radius = r;
  } else {
    horn.aperture_width = a;
    horn.h_slant_radius = r;
  }
  return horn;
}

// The aperture above the waveguide dimension w at which a flare of axial
// length L reaches the phase deviation s_max: the upper end of its search.
double aperture_at_phase_deviation(double L, double w, double s_max, double lambda) {
  const auto excess = [&](double a) {
    return numerics::phase_deviation(a, numerics::slant_radius(L, a, w), lambda) - s_max;
  };
  const double a = w * (1.0 + 1e-9);
  double b = std::max(2.0 * w, std::sqrt(8.0 * lambda * L * s_max));
  while (excess(b) <= 0.0) b *= 2.0;
  return find_root(excess, a, b, excess(a), excess(b), 1e-9 * b, "the search for the widest flare searched");
}

// One principal plane of a rectangular design.
struct PlanePrescription {
  Plane plane;
  double beamwidth;  // prescribed, degrees
  double guide;      // waveguide dimension in this plane, metres
  int table_plane;   // the universal table's code: 1 E plane, 2 H plane
};

// A plane's flare: aperture and slant radius, metres.
struct PlaneFlare {
  double aperture;
  double radius;
};

// The S plane's flare at the phase deviation S, which fixes the horn's axial
// length. Its slant radius a²/(8λS) exceeds half its aperture only when the
// aperture exceeds 4λS.
PlaneFlare s_plane_flare(const PlanePrescription& p, double S, const Measure& m, const Waveguide& feed,
                        const std::string& wanted) {
  const double lambda = wavelength(m.frequency_hz);
  const auto beamwidth_of = [&](double a) {
    return full_beamwidth(horn_for_plane(p.plane, a, radius_at_phase_deviation(a, S, lambda), feed), p.plane,
                          m);
  };
  const double start = estimated_aperture(p.table_plane, S, p.beamwidth, m);
  const ApertureRange range{std::max(p.guide, 4.0 * lambda * S),
                            std::min(kLargestApertureFactor * start, kLargestApertureWavelengths * lambda)};
  const std::optional<double> a = aperture_for_beamwidth(beamwidth_of, start, range, p.beamwidth);
  if (!a) {
    const double smallest = range.lowest * (1.0 + 1e-6);
    no_aperture(wanted, std::string(plane_name(p.plane)) + " flare at that phase deviation", smallest,
                beamwidth_of(smallest), p.beamwidth, " up to aperture " + length_text(range.highest, m.lengths),
                m.lengths);
  }
  return {*a, radius_at_phase_deviation(*a, S, lambda)};
}

// The other plane: of the flares of axial length L from its waveguide
// dimension, the one with the smallest aperture (and phase deviation) whose
// beamwidth is the prescription, as the table method takes the smallest
// phase deviation; searched up to the phase deviation kLargestPhaseDeviation.
PlaneFlare other_plane_flare(const PlanePrescription& p, double L, const Measure& m, const Waveguide& feed,
                      const std::string& wanted) {
  const double lambda = wavelength(m.frequency_hz);
  const auto radius = [&](double a) { return numerics::slant_radius(L, a, p.guide); };
  const auto beamwidth_of = [&](double a) {
    return full_beamwidth(horn_for_plane(p.plane, a, radius(a), feed), p.plane, m);
  };
  // Below the aperture that gives the beamwidth without phase error.
  const double start = 0.8 * estimated_aperture(p.table_plane, 0.0, p.beamwidth, m);
  const ApertureRange range{p.guide,
                            std::min(aperture_at_phase_deviation(L, p.guide, kLargestPhaseDeviation, lambda),
                                     kLargestApertureWavelengths * lambda)};
  const std::optional<double> a = smallest_aperture_for_beamwidth(beamwidth_of, start, range, p.beamwidth);
  if (!a) {
    const double smallest = range.lowest * (1.0 + 1e-6);
    no_aperture(wanted, std::string(plane_name(p.plane)) + " flare of the axial length " + length_text(L, m.lengths),
                smallest, beamwidth_of(smallest), p.beamwidth,
                " up to phase deviation " + show(kLargestPhaseDeviation), m.lengths);
  }
  return {*a, radius(*a)};
}

// The design with S in the plane first: that plane's flare at S fixes the
// axial length, the other plane's flare of that length follows.
HornDesign with_s_in(const PlanePrescription& first, const PlanePrescription& second, double S, const Measure& m,
                     const Waveguide& feed, const std::string& text) {
  const PlaneFlare f1 = s_plane_flare(first, S, m, feed, text);
  const double L = numerics::axial_length(f1.aperture, f1.radius, first.guide);
  const PlaneFlare f2 = other_plane_flare(second, L, m, feed, text);
  const bool e_first = first.plane == Plane::e;
  const PlaneFlare& fe = e_first ? f1 : f2;
  const PlaneFlare& fh = e_first ? f2 : f1;
  const Horn horn = make_horn_from_slant_radii(fh.aperture, fe.aperture, fh.radius, fe.radius, feed);
  verify(horn, Plane::e, e_first ? first.beamwidth : second.beamwidth, m, text);
  verify(horn, Plane::h, e_first ? second.beamwidth : first.beamwidth, m, text);
  return {horn, L, first.plane};
}

// Whether the design's S plane has the larger aperture, as the rule wants.
bool s_plane_is_larger(const HornDesign& d) {
  return aperture(d.horn, d.s_plane) >= aperture(d.horn, d.s_plane == Plane::e ? Plane::h : Plane::e);
}

// The rectangular design, prescription checked. S belongs to the plane with
// the larger aperture: its flare, the longer at a given phase deviation, sets
// the axial length, and the other plane's smaller aperture on that length has
// a smaller phase deviation, which can still narrow its beam. Taken the other
// way round, the other plane would need the larger aperture on a length too
// short for it, and near-equal beams (E < H < about 1.3 E, where the cosine
// taper of the H plane needs the larger aperture) would fail. Which plane that
// is, the estimates at S tell; a design whose S plane comes out the smaller
// (close calls) or that fails is tried the other way round.
HornDesign rectangular(const RectangularPrescription& prescription, const LengthScale& lengths,
                       const std::string& text) {
  const Measure m{prescription.frequency_hz, prescription.level_db, lengths};
  const double S = prescription.phase_deviation;
  const PlanePrescription e{Plane::e, prescription.e_beamwidth_deg, prescription.feed.height, 1};
  const PlanePrescription h{Plane::h, prescription.h_beamwidth_deg, prescription.feed.width, 2};
  const bool e_first = estimated_aperture(e.table_plane, S, e.beamwidth, m) >=
                       estimated_aperture(h.table_plane, S, h.beamwidth, m);
  const PlanePrescription& first = e_first ? e : h;
  const PlanePrescription& second = e_first ? h : e;
  std::optional<HornDesign> preferred;
  std::exception_ptr reason;
  try {
    preferred = with_s_in(first, second, S, m, prescription.feed, text);
    if (s_plane_is_larger(*preferred)) return *preferred;
  } catch (const NoSolution&) {
    reason = std::current_exception();
  }
  try {
    HornDesign other = with_s_in(second, first, S, m, prescription.feed, text);
    if (!preferred || s_plane_is_larger(other)) return other;
  } catch (const NoSolution&) {
  }
  if (preferred) return *preferred;
  std::rethrow_exception(reason);  // the preferred plane's reason
}

}  // namespace

HornDesign rectangular_by_pattern(const RectangularPrescription& prescription, const LengthScale& lengths) {
  const std::string text = describe(prescription);
  return within_analysis_domain([&] { return rectangular(prescription, lengths, text); }, text);
}

}  // namespace tarniq::detail
