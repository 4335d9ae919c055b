// Principal-plane pattern cuts of a pyramidal horn: boresight gain plus the relative aperture pattern.
#include "tarniq/pattern.hpp"

#include <cmath>
#include <cstddef>
#include <limits>

#include "tarniq/analysis_domain.hpp"
#include "aperture_pattern.hpp"
#include "checks.hpp"
#include "cos_sin_pi.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/gain.hpp"

namespace tarniq {
namespace {

constexpr double kDecibelsPerNeper = 4.34294481903251827651;  // 10/ln 10: 10·log10(p) = this·ln p

void check_angles(std::span<const double> angles_deg) {
  for (const double angle : angles_deg) {
    if (!(std::fabs(angle) <= 180.0))
      throw InvalidArgument(detail::show("angle", angle, "degrees") + " is not within [-180, 180]");
  }
}

// A list symmetric about 0 (angles[i] = -angles[n-1-i], the usual sweep).
bool is_symmetric(std::span<const double> angles_deg) {
  const std::size_t n = angles_deg.size();
  for (std::size_t i = 0; i < n / 2; ++i) {
    if (angles_deg[i] != -angles_deg[n - 1 - i]) return false;
  }
  return true;
}

// An angle as the cut needs it: |sin θ| and cos θ. The cut is even in θ;
// taking |θ| makes mirrored angles give identical values.
struct Direction {
  double sine;
  double cosine;
};

Direction direction(double angle_deg) {
  const detail::CosSin p = detail::cos_sin_pi(std::fabs(angle_deg) / 180.0);
  return {p.sin, p.cos};
}

// The cut's value, dBi, in one direction. At ±180° the obliquity factor
// vanishes: -infinity.
double cut_dbi(const detail::ApertureCut& cut, double gain_dbi, double angle_deg, Direction d) {
  if (std::fabs(angle_deg) == 180.0) return -std::numeric_limits<double>::infinity();
  return gain_dbi + kDecibelsPerNeper * std::log(detail::relative_power(cut, d.sine, d.cosine));
}

// Fills one value per angle, computing only one half of a symmetric list.
template <typename Value>
void fill_even(std::span<const double> angles_deg, Value value) {
  const std::size_t n = angles_deg.size();
  if (is_symmetric(angles_deg)) {
    for (std::size_t i = n / 2; i < n; ++i) value(i, n - 1 - i);
    return;
  }
  for (std::size_t i = 0; i < n; ++i) value(i, i);
}

void check_arguments(const Horn& horn, double frequency_hz, std::span<const double> angles_deg) {
  check_analysis_domain(horn, frequency_hz);
  check_angles(angles_deg);
}

}  // namespace

std::vector<double> pattern_cut(const Horn& horn, double frequency_hz, Plane plane,
                                std::span<const double> angles_deg) {
  check_arguments(horn, frequency_hz, angles_deg);
  const double gain = gain_dbi(horn, frequency_hz);
  const detail::ApertureCut cut = detail::make_aperture_cut(horn, frequency_hz, plane);
  std::vector<double> values(angles_deg.size());
  fill_even(angles_deg, [&](std::size_t i, std::size_t mirror) {
    values[i] = cut_dbi(cut, gain, angles_deg[i], direction(angles_deg[i]));
    values[mirror] = values[i];
  });
  return values;
}

PatternCuts pattern_cuts(const Horn& horn, double frequency_hz, std::span<const double> angles_deg) {
  check_arguments(horn, frequency_hz, angles_deg);
  const double gain = gain_dbi(horn, frequency_hz);
  const detail::ApertureCut e_cut = detail::make_aperture_cut(horn, frequency_hz, Plane::e);
  const detail::ApertureCut h_cut = detail::make_aperture_cut(horn, frequency_hz, Plane::h);
  PatternCuts cuts;
  cuts.angles_deg.assign(angles_deg.begin(), angles_deg.end());
  cuts.e_plane_dbi.resize(angles_deg.size());
  cuts.h_plane_dbi.resize(angles_deg.size());
  fill_even(angles_deg, [&](std::size_t i, std::size_t mirror) {
    const Direction d = direction(angles_deg[i]);
    cuts.e_plane_dbi[i] = cut_dbi(e_cut, gain, angles_deg[i], d);
    cuts.h_plane_dbi[i] = cut_dbi(h_cut, gain, angles_deg[i], d);
    cuts.e_plane_dbi[mirror] = cuts.e_plane_dbi[i];
    cuts.h_plane_dbi[mirror] = cuts.h_plane_dbi[i];
  });
  return cuts;
}

}  // namespace tarniq
