// Principal-plane pattern cuts of a pyramidal horn: boresight gain plus the relative aperture pattern.
#include "tarniq/pattern.hpp"

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "tarniq/analysis_domain.hpp"
#include "aperture_pattern.hpp"
#include "checks.hpp"
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

// The cut in dBi at the angles. Of a symmetric list only the second half is
// computed and the first mirrors it: the cut is even in θ, and taking |θ|
// makes mirrored angles give identical values. At ±180° the obliquity factor
// vanishes: -infinity.
void fill_cut(const detail::ApertureCut& cut, double gain_dbi, std::span<const double> angles_deg,
              std::span<double> values) {
  const std::size_t offset = mirrored_angle_count(angles_deg);
  const std::span<const double> computed = angles_deg.subspan(offset);
  const std::span<double> own = values.subspan(offset);
  detail::relative_powers_at(cut, computed, own);
  for (std::size_t i = 0; i < computed.size(); ++i) {
    own[i] = std::fabs(computed[i]) == 180.0 ? -std::numeric_limits<double>::infinity()
                                             : gain_dbi + kDecibelsPerNeper * std::log(own[i]);
  }
  for (std::size_t i = 0; i < offset; ++i) values[i] = values[values.size() - 1 - i];
}

void check_arguments(const Horn& horn, double frequency_hz, std::span<const double> angles_deg) {
  check_analysis_domain(horn, frequency_hz);
  check_angles(angles_deg);
}

void check_storage(std::span<const double> angles_deg, std::span<double> values) {
  if (values.size() != angles_deg.size())
    throw InvalidArgument("storage for " + std::to_string(values.size()) + " values given for " +
                          std::to_string(angles_deg.size()) + " angles");
}

}  // namespace

std::size_t mirrored_angle_count(std::span<const double> angles_deg) {
  const std::size_t n = angles_deg.size();
  for (std::size_t i = 0; i < n / 2; ++i) {
    if (angles_deg[i] != -angles_deg[n - 1 - i]) return 0;
  }
  return n / 2;
}

void pattern_cut(const Horn& horn, double frequency_hz, Plane plane, std::span<const double> angles_deg,
                 std::span<double> values_dbi) {
  check_arguments(horn, frequency_hz, angles_deg);
  check_storage(angles_deg, values_dbi);
  fill_cut(detail::make_aperture_cut(horn, frequency_hz, plane), gain_dbi(horn, frequency_hz), angles_deg,
           values_dbi);
}

std::vector<double> pattern_cut(const Horn& horn, double frequency_hz, Plane plane,
                                std::span<const double> angles_deg) {
  std::vector<double> values(angles_deg.size());
  pattern_cut(horn, frequency_hz, plane, angles_deg, values);
  return values;
}

void pattern_cuts(const Horn& horn, double frequency_hz, std::span<const double> angles_deg,
                  std::span<double> e_plane_dbi, std::span<double> h_plane_dbi) {
  check_arguments(horn, frequency_hz, angles_deg);
  check_storage(angles_deg, e_plane_dbi);
  check_storage(angles_deg, h_plane_dbi);
  const double gain = gain_dbi(horn, frequency_hz);
  fill_cut(detail::make_aperture_cut(horn, frequency_hz, Plane::e), gain, angles_deg, e_plane_dbi);
  fill_cut(detail::make_aperture_cut(horn, frequency_hz, Plane::h), gain, angles_deg, h_plane_dbi);
}

PatternCuts pattern_cuts(const Horn& horn, double frequency_hz, std::span<const double> angles_deg) {
  PatternCuts cuts;
  cuts.angles_deg.assign(angles_deg.begin(), angles_deg.end());
  cuts.e_plane_dbi.resize(angles_deg.size());
  cuts.h_plane_dbi.resize(angles_deg.size());
  pattern_cuts(horn, frequency_hz, angles_deg, cuts.e_plane_dbi, cuts.h_plane_dbi);
  return cuts;
}

}  // namespace tarniq
