// The horn's far field in any direction: the boresight gain's amplitude times the separable aperture field.
#include "tarniq/far_field.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "tarniq/analysis_domain.hpp"
#include "checks.hpp"
#include "cos_sin_pi.hpp"
#include "horn_field.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/gain.hpp"

namespace tarniq {
namespace {

void check_theta(double theta_deg) {
  if (!(std::fabs(theta_deg) <= 180.0))
    throw InvalidArgument(detail::show("angle θ", theta_deg, "degrees") + " is not within [-180, 180]");
}

void check_arguments(const Horn& horn, double frequency_hz, std::span<const double> theta_deg,
                     std::span<const double> phi_deg) {
  check_analysis_domain(horn, frequency_hz);
  for (const double theta : theta_deg) check_theta(theta);
  for (const double phi : phi_deg) detail::require_finite(phi, "angle φ", "degrees");
}

// The field in one direction, given the amplitude √(gain ratio). θ < 0 is
// (-θ, φ + 180°); the field is even in sin θ, so |θ| serves for both.
FarField field_at(const detail::HornField& field, double amplitude, double theta_deg, detail::CosSin phi) {
  const detail::CosSin theta = detail::cos_sin_pi(std::fabs(theta_deg) / 180.0);
  const detail::Phasor co = detail::co_field(field, theta.sin, theta.cos, phi.cos, phi.sin);
  return {{amplitude * co.re, amplitude * co.im}, {0.0, 0.0}};
}

// The distinct magnitudes of cos φ or sin φ over a list of φ, and which one
// each φ has.
struct DistinctValues {
  std::vector<double> values;
  std::vector<std::size_t> index;
};

template <class Part>
DistinctValues distinct_magnitudes(std::span<const double> phi_deg, Part part) {
  DistinctValues distinct;
  for (const double phi : phi_deg) {
    const double value = std::fabs(part(detail::cos_sin_pi(phi / 180.0)));
    const auto found = std::find(distinct.values.begin(), distinct.values.end(), value);
    distinct.index.push_back(static_cast<std::size_t>(found - distinct.values.begin()));
    if (found == distinct.values.end()) distinct.values.push_back(value);
  }
  return distinct;
}

}  // namespace

FarField far_field(const Horn& horn, double frequency_hz, double theta_deg, double phi_deg) {
  check_arguments(horn, frequency_hz, {&theta_deg, 1}, {&phi_deg, 1});
  const double amplitude = std::sqrt(gain_ratio(horn, frequency_hz));
  return field_at(detail::make_horn_field(horn, frequency_hz), amplitude, theta_deg,
                  detail::cos_sin_pi(phi_deg / 180.0));
}

std::vector<FarField> far_field_grid(const Horn& horn, double frequency_hz, std::span<const double> theta_deg,
                                     std::span<const double> phi_deg) {
  check_arguments(horn, frequency_hz, theta_deg, phi_deg);
  const double amplitude = std::sqrt(gain_ratio(horn, frequency_hz));
  const detail::HornField field = detail::make_horn_field(horn, frequency_hz);
  // Each plane's factor depends on |cos φ| (H) or |sin φ| (E) alone, and a
  // grid of φ repeats those values (0°, 180°, 360° ...): each is computed
  // once per θ.
  const DistinctValues cosines = distinct_magnitudes(phi_deg, [](detail::CosSin p) { return p.cos; });
  const DistinctValues sines = distinct_magnitudes(phi_deg, [](detail::CosSin p) { return p.sin; });
  std::vector<detail::Phasor> h(cosines.values.size()), e(sines.values.size());
  std::vector<FarField> values;
  values.reserve(theta_deg.size() * phi_deg.size());
  for (const double theta : theta_deg) {
    const detail::CosSin t = detail::cos_sin_pi(std::fabs(theta) / 180.0);
    for (std::size_t i = 0; i < h.size(); ++i) h[i] = detail::relative_field(field.h, field.h.size * t.sin * cosines.values[i]);
    for (std::size_t i = 0; i < e.size(); ++i) e[i] = detail::relative_field(field.e, field.e.size * t.sin * sines.values[i]);
    const double scale = amplitude * (1.0 + t.cos) / 2.0;
    for (std::size_t j = 0; j < phi_deg.size(); ++j) {
      const detail::Phasor a = h[cosines.index[j]];
      const detail::Phasor b = e[sines.index[j]];
      values.push_back({{scale * (a.re * b.re - a.im * b.im), scale * (a.re * b.im + a.im * b.re)}, {0.0, 0.0}});
    }
  }
  return values;
}

}  // namespace tarniq
