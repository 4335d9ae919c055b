// Plain-language warnings about a horn at a frequency: the feed, the table's range, the model's limits.
#include "tarniq/warnings.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "checks.hpp"
#include "tarniq/units.hpp"
#include "waveguide_band.hpp"

namespace tarniq {
namespace {

// Last tabulated phase deviations of the universal beamwidth table, wavelengths.
constexpr double kTableEndE = 0.46;
constexpr double kTableEndH = 1.00;
// Aperture dimension, wavelengths, below which aperture theory is not trusted.
constexpr double kSmallestTrustedAperture = 1.0;
// Difference of the two planes' axial lengths taken as unequal, relative to
// the horn's largest length (axial or slant): single-precision designs of
// short horns, whose axial lengths come from nearly equal slant radius and
// half aperture, differ by about 1e-6 of the length itself.
constexpr double kAxialLengthTolerance = 1e-6;

// A number as a warning shows it: four significant digits ("6.557", "0.02286").
std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

std::string gigahertz(double frequency_hz) { return number(frequency_hz / hertz_per_gigahertz) + " GHz"; }
std::string metres(double length) { return number(length) + " m"; }

// The feed as a sentence names it: "WR-90" or "the 0.02286 m by 0.01016 m waveguide".
std::string feed_name(const Waveguide& feed) {
  if (!feed.name.empty()) return feed.name;
  return "the " + metres(feed.width) + " by " + metres(feed.height) + " waveguide";
}

std::string_view plane_name(Plane plane) { return plane == Plane::E ? "E-plane" : "H-plane"; }
std::string_view aperture_name(Plane plane) {
  return plane == Plane::E ? "aperture height" : "aperture width";
}

void check_feed_modes(const Horn& horn, double frequency_hz, std::vector<Warning>& warnings) {
  const double te10 = te10_cutoff(horn.feed);
  const double te20 = te20_cutoff(horn.feed);
  if (frequency_hz < te10)
    warnings.push_back({WarningCode::below_cutoff, gigahertz(frequency_hz) + " is below the TE10 cutoff of " +
                                                       feed_name(horn.feed) + ", " + gigahertz(te10) +
                                                       ": nothing propagates in the feed."});
  if (frequency_hz > te20)
    warnings.push_back({WarningCode::overmoded, gigahertz(frequency_hz) + " is above the TE20 cutoff of " +
                                                    feed_name(horn.feed) + ", " + gigahertz(te20) +
                                                    ": higher modes can propagate in the feed."});
  if (const std::optional<StandardWaveguide> row = catalogue_entry(horn.feed)) {
    if (!detail::in_band(*row, frequency_hz))
      warnings.push_back({WarningCode::outside_band,
                          gigahertz(frequency_hz) + " is outside the recommended band of " +
                              std::string(row->name) + ", " + number(row->band_low / hertz_per_gigahertz) +
                              " to " + gigahertz(row->band_high) + "."});
  }
}

void check_table_range(const Horn& horn, double frequency_hz, std::vector<Warning>& warnings) {
  for (const Plane plane : {Plane::E, Plane::H}) {
    const double s = phase_deviation(horn, plane, frequency_hz);
    const double end = plane == Plane::E ? kTableEndE : kTableEndH;
    if (s > end)
      warnings.push_back({WarningCode::beyond_table,
                          "The " + std::string(plane_name(plane)) + " phase deviation " + number(s) +
                              " wavelength is beyond the universal beamwidth table, which ends at " +
                              number(end) + ": the table method's beamwidths are extrapolated."});
  }
}

void check_aperture_size(const Horn& horn, double frequency_hz, std::vector<Warning>& warnings) {
  const double lambda = wavelength(frequency_hz);
  for (const Plane plane : {Plane::E, Plane::H}) {
    const double wavelengths = aperture(horn, plane) / lambda;
    if (wavelengths < kSmallestTrustedAperture)
      warnings.push_back({WarningCode::small_aperture,
                          "The " + std::string(aperture_name(plane)) + " " + metres(aperture(horn, plane)) +
                              " is " + number(wavelengths) + " wavelength at " + gigahertz(frequency_hz) +
                              ", under about one wavelength: aperture theory is unreliable there."});
  }
}

void check_axial_lengths(const Horn& horn, std::vector<Warning>& warnings) {
  const double e = axial_length(horn, Plane::E);
  const double h = axial_length(horn, Plane::H);
  const double scale = std::max({e, h, horn.e_slant_radius, horn.h_slant_radius});
  if (std::abs(e - h) > kAxialLengthTolerance * scale)
    warnings.push_back(
        {WarningCode::unequal_axial_lengths, "The E-plane flare needs an axial length of " + metres(e) +
                                                 " and the H-plane flare " + metres(h) +
                                                 ": no horn with one aperture has both flares."});
}

}  // namespace

std::string_view to_string(WarningCode code) {
  switch (code) {
    case WarningCode::below_cutoff: return "below_cutoff";
    case WarningCode::overmoded: return "overmoded";
    case WarningCode::outside_band: return "outside_band";
    case WarningCode::beyond_table: return "beyond_table";
    case WarningCode::small_aperture: return "small_aperture";
    case WarningCode::unequal_axial_lengths: return "unequal_axial_lengths";
  }
  return "unknown";
}

std::vector<Warning> horn_warnings(const Horn& horn, double frequency_hz, bool table_method) {
  check_horn(horn);
  detail::require_positive(frequency_hz, "frequency", "Hz");
  std::vector<Warning> warnings;
  check_feed_modes(horn, frequency_hz, warnings);
  if (table_method) check_table_range(horn, frequency_hz, warnings);
  check_aperture_size(horn, frequency_hz, warnings);
  check_axial_lengths(horn, warnings);
  return warnings;
}

}  // namespace tarniq
