// Plain-language warnings about a horn at a frequency: the feed, the table's range, the model's limits.
#include "tarniq/warnings.hpp"

#include <algorithm>
#include <cmath>

#include "axial_lengths.hpp"
#include "checks.hpp"
#include "common/beamwidth_table.hpp"
#include "tarniq/units.hpp"
#include "waveguide_band.hpp"

namespace tarniq {
namespace {

using detail::gigahertz_text;
using detail::short_number;

// Aperture dimension, wavelengths, below which aperture theory is not trusted.
constexpr double kSmallestTrustedAperture = 1.0;

// What every check needs.
struct Checked {
  const Horn& horn;
  double frequency_hz;
  const WarningOptions& options;
  std::vector<Warning>& warnings;

  std::string length(double metres) const { return detail::length_text(metres, options.message_lengths); }
  std::string feed() const { return detail::feed_text(horn.feed, options.message_lengths); }
  void add(WarningCode code, std::optional<Plane> plane, std::string message) const {
    warnings.push_back({code, plane, std::move(message)});
  }
};

void check_feed_modes(const Checked& c) {
  const double te10 = te10_cutoff(c.horn.feed);
  const WaveguideMode next = lowest_higher_mode(c.horn.feed);
  if (c.frequency_hz < te10)
    c.add(WarningCode::below_cutoff, std::nullopt,
          gigahertz_text(c.frequency_hz) + " is below the TE10 cutoff of " + c.feed() + ", " +
              gigahertz_text(te10) + ": nothing propagates in the feed.");
  if (c.frequency_hz > next.cutoff_hz) {
    const std::string square_note =
        is_square(c.horn.feed) ? " (TE01, the other polarisation of the fundamental, propagates from the TE10 cutoff)"
                               : "";
    c.add(WarningCode::overmoded, std::nullopt,
          gigahertz_text(c.frequency_hz) + " is above the " + std::string(next.name) + " cutoff of " + c.feed() +
              ", " + gigahertz_text(next.cutoff_hz) + ": higher-order modes can propagate in the feed" +
              square_note + ".");
  }
  const std::optional<Waveguide> entry = c.horn.feed.band ? c.horn.feed : catalogue_entry(c.horn.feed);
  if (entry && entry->band && !detail::in_band(*entry->band, c.frequency_hz))
    c.add(WarningCode::outside_band, std::nullopt,
          gigahertz_text(c.frequency_hz) + " is outside the recommended band of " + c.feed() + ", " +
              short_number(entry->band->low / hertz_per_gigahertz) + " to " + gigahertz_text(entry->band->high) +
              ".");
}

void check_table_range(const Checked& c) {
  for (const Plane plane : {Plane::e, Plane::h}) {
    const double s = phase_deviation(c.horn, plane, c.frequency_hz);
    const double end = static_cast<double>(plane == Plane::e ? numerics::kEPlaneLastS : numerics::kHPlaneLastS);
    if (s > end)
      c.add(WarningCode::beyond_table, plane,
            "The " + std::string(detail::plane_name(plane)) + " phase deviation " + short_number(s) +
                " wavelength is beyond the universal beamwidth table, which ends at " + short_number(end) +
                ": the table method's beamwidths are extrapolated.");
  }
}

void check_aperture_size(const Checked& c) {
  const double lambda = wavelength(c.frequency_hz);
  for (const Plane plane : {Plane::e, Plane::h}) {
    const double wavelengths = aperture(c.horn, plane) / lambda;
    if (wavelengths < kSmallestTrustedAperture)
      c.add(WarningCode::small_aperture, plane,
            "The " + std::string(detail::aperture_name(plane)) + " " + c.length(aperture(c.horn, plane)) + " is " +
                short_number(wavelengths) + " wavelength at " + gigahertz_text(c.frequency_hz) +
                ", under about one wavelength: aperture theory is unreliable there.");
  }
}

void check_axial_lengths(const Checked& c) {
  if (detail::axial_lengths_agree(c.horn)) return;
  const double e = axial_length(c.horn, Plane::e);
  const double h = axial_length(c.horn, Plane::h);
  c.add(WarningCode::unequal_axial_lengths, std::nullopt,
        "The E-plane flare needs an axial length of " + c.length(e) + " and the H-plane flare " + c.length(h) +
            ": no horn with one aperture has both flares.");
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

std::vector<Warning> horn_warnings(const Horn& horn, double frequency_hz, const WarningOptions& options) {
  check_horn(horn);
  detail::require_positive(frequency_hz, "frequency", "Hz");
  std::vector<Warning> warnings;
  const Checked checked{horn, frequency_hz, options, warnings};
  check_feed_modes(checked);
  if (options.method == DesignMethod::table) check_table_range(checked);
  check_aperture_size(checked);
  check_axial_lengths(checked);
  return warnings;
}

}  // namespace tarniq
