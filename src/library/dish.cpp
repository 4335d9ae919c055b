// A horn on a front-fed paraboloid: its field integrated over the dish, and the dish geometry.
#include "tarniq/dish.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "tarniq/analysis_domain.hpp"
#include "beamwidth_search.hpp"
#include "checks.hpp"
#include "dish_integration.hpp"
#include "horn_field.hpp"
#include "horn_phase.hpp"
#include "quadrature.hpp"
#include "tabulated_feed.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

using detail::Phasor;

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
// The level of the phase-centre fit that puts a feed at the focus, dB.
constexpr double kPhaseCenterLevel = 10.0;
// The integrals follow the field's lobes over the sphere, about (B + 4s)²
// evaluations: at this B + 4s (a horn sixty wavelengths across, far beyond
// any feed) one edge angle takes about 60 ms, and every request must answer
// at once.
constexpr double kLargestWiggle = 60.0;

double checked_edge_angle(double edge_angle_deg) {
  if (!(edge_angle_deg > 0.0 && edge_angle_deg < 180.0))
    throw InvalidArgument(detail::show("edge angle", edge_angle_deg, "degrees") + " is not between 0 and 180");
  return edge_angle_deg * kDegree;
}

// The horn's field for the dish integrals: separable, so each ring sums φ
// numerically; a quarter turn suffices, the field being even in sin φ and
// in cos φ.
class HornFeed {
 public:
  HornFeed(const Horn& horn, double frequency_hz)
      : field_(detail::make_horn_field(horn, frequency_hz)),
        e_phase_(detail::cut_phase(field_.e, kPhaseCenterLevel)),
        h_phase_(detail::cut_phase(field_.h, kPhaseCenterLevel)) {
    // Lobes of the field per unit of sin θ, plus its phase's turns: what the
    // quadrature has to follow.
    wiggle_ = std::max(field_.e.size + 4.0 * field_.e.phase_deviation, field_.h.size + 4.0 * field_.h.phase_deviation);
  }

  // Throws InvalidArgument for a horn too large for the integrals.
  static void check_size(const Horn& horn, double frequency_hz) {
    for (const Plane plane : {Plane::e, Plane::h}) {
      const double lambda = wavelength(frequency_hz);
      const double size = aperture(horn, plane) / lambda + 4.0 * phase_deviation(horn, plane, frequency_hz);
      if (!(size <= kLargestWiggle))
        throw InvalidArgument(detail::show(detail::aperture_name(plane), aperture(horn, plane), "m") + " (" +
                              detail::short_number(aperture(horn, plane) / lambda) + " wavelengths, phase deviation " +
                              detail::short_number(phase_deviation(horn, plane, frequency_hz)) +
                              ") is too large for the dish integrals: a plane's size in wavelengths plus four times "
                              "its phase deviation may be up to " +
                              detail::show(kLargestWiggle));
    }
  }

  // k·d of the common phase centre: the shift that moves the phase to it.
  double phase_center_shift() const { return detail::common_phase_shift(e_phase_, h_phase_); }

  detail::Ring ring(double theta) const {
    const double sin_theta = std::sin(theta);
    const double cos_theta = std::cos(theta);
    const int panels = 1 + static_cast<int>(std::ceil(0.75 * wiggle_ * sin_theta));
    detail::Ring ring;
    detail::for_each_gauss_node(0.0, kPi / 2.0, panels, [&](double phi, double w) {
      const Phasor co = detail::co_field(field_, sin_theta, cos_theta, std::cos(phi), std::sin(phi));
      const double power = co.re * co.re + co.im * co.im;
      ring.co_power += w * power;
      ring.co_magnitude += w * std::sqrt(power);
      ring.co.re += w * co.re;
      ring.co.im += w * co.im;
    });
    // four quarter turns; no cross-polar field
    ring.co_power *= 4.0;
    ring.co_magnitude *= 4.0;
    ring.co = {4.0 * ring.co.re, 4.0 * ring.co.im};
    ring.power = ring.co_power;
    return ring;
  }

  template <class Visit>
  void for_each_node(double a, double b, Visit visit) const {
    const int panels = 2 + static_cast<int>(std::ceil(0.75 * wiggle_ * (b - a)));
    detail::for_each_gauss_node(a, b, panels, visit);
  }

  double edge_taper_db(Plane plane, double theta) const {
    const detail::ApertureCut& cut = plane == Plane::e ? field_.e : field_.h;
    const double power = detail::relative_power(cut, std::sin(theta), std::cos(theta));
    const double peak = (plane == Plane::e ? e_phase_ : h_phase_).beam.peak_power;
    return 10.0 * std::log10(power / peak);
  }

 private:
  detail::HornField field_;
  detail::CutPhase e_phase_, h_phase_;
  double wiggle_ = 0.0;
};

template <class Feed>
std::vector<DishIllumination> illuminate_all(const Feed& feed, std::span<const double> edge_angles_rad,
                                             double shift) {
  std::vector<DishIllumination> all;
  all.reserve(edge_angles_rad.size());
  for (const double theta0 : edge_angles_rad) all.push_back(detail::illuminate(feed, theta0, shift));
  return all;
}

std::vector<double> checked_edge_angles(std::span<const double> edge_angles_deg) {
  std::vector<double> radians;
  radians.reserve(edge_angles_deg.size());
  for (const double angle : edge_angles_deg) radians.push_back(checked_edge_angle(angle));
  return radians;
}

}  // namespace

double dish_edge_angle_deg(double f_over_d) {
  detail::require_positive(f_over_d, "f/D", "");
  return 2.0 * std::atan(1.0 / (4.0 * f_over_d)) / kDegree;
}

double dish_f_over_d(double edge_angle_deg) {
  return 1.0 / (4.0 * std::tan(checked_edge_angle(edge_angle_deg) / 2.0));
}

std::vector<DishIllumination> dish_illumination(const Horn& horn, double frequency_hz,
                                                std::span<const double> edge_angles_deg,
                                                const FeedPosition& position) {
  check_analysis_domain(horn, frequency_hz);
  HornFeed::check_size(horn, frequency_hz);
  detail::require_finite(position.offset, "feed offset", "m");
  const std::vector<double> edges = checked_edge_angles(edge_angles_deg);
  const HornFeed feed(horn, frequency_hz);
  const double k = 2.0 * kPi / wavelength(frequency_hz);
  return illuminate_all(feed, edges, feed.phase_center_shift() + k * position.offset);
}

std::vector<DishIllumination> dish_illumination(const TabulatedFeed& pattern, std::span<const double> edge_angles_deg,
                                                const FeedPosition& position) {
  detail::require_finite(position.offset, "feed offset", "m");
  if (position.offset != 0.0 && !(pattern.frequency_hz > 0.0 && std::isfinite(pattern.frequency_hz)))
    throw InvalidArgument("a feed offset of " + detail::show(position.offset) +
                          " m needs the pattern's frequency, not " + detail::show(pattern.frequency_hz) + " Hz");
  const std::vector<double> edges = checked_edge_angles(edge_angles_deg);
  const detail::TabulatedField feed(pattern);
  const double k = position.offset == 0.0 ? 0.0 : 2.0 * kPi / wavelength(pattern.frequency_hz);
  const double total = detail::power_between(feed, 0.0, kPi);
  if (!(total > 0.0)) throw InvalidArgument("the feed pattern has no field at any angle");
  return illuminate_all(feed, edges, feed.phase_center_shift(kPhaseCenterLevel) + k * position.offset);
}

}  // namespace tarniq
