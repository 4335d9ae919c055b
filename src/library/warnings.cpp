// Plain-language warnings about a horn at a frequency: the feed, the table's range, the model's limits.
#include "tarniq/warnings.hpp"

#include <algorithm>
#include <cmath>

#include "axial_lengths.hpp"
#include "checks.hpp"
#include "common/beamwidth_table.hpp"
#include "model_limits.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/units.hpp"
#include "waveguide_band.hpp"

namespace tarniq {
namespace {

using detail::gigahertz_text;
using detail::short_number;

using detail::kSmallestTrustedAperture;

// A table-method design may miss its prescription on its own pattern by this much, degrees.
constexpr double kLargestTableMiss = 0.5;

double degrees(double radians) { return radians * 180.0 / 3.14159265358979323846; }

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
                ": the table method's beamwidths there come from the table's extrapolation and may be far off "
                "(empty where it gives none).");
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

// Where aperture theory stops holding: flares too wide, or phase deviations
// past those the pattern method designs with.
void check_flares(const Checked& c) {
  for (const Plane plane : {Plane::e, Plane::h}) {
    const std::string name(detail::plane_name(plane));
    const double semi_flare = degrees(std::asin(aperture(c.horn, plane) / (2.0 * slant_radius(c.horn, plane))));
    if (semi_flare > detail::kWidestTrustedSemiFlareDeg)
      c.add(WarningCode::wide_flare, plane,
            "The " + name + " flare opens " + short_number(semi_flare) + "° to each side, over " +
                short_number(detail::kWidestTrustedSemiFlareDeg) +
                "°: aperture theory is unreliable for so wide a flare.");
    const double s = phase_deviation(c.horn, plane, c.frequency_hz);
    if (s > detail::kLargestPhaseDeviation)
      c.add(WarningCode::large_phase_deviation, plane,
            "The " + name + " phase deviation " + short_number(s) + " wavelength at " +
                gigahertz_text(c.frequency_hz) + " is over " + short_number(detail::kLargestPhaseDeviation) +
                ", the largest the pattern method designs with: the model is untried there.");
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
    case WarningCode::wide_flare: return "wide_flare";
    case WarningCode::large_phase_deviation: return "large_phase_deviation";
    case WarningCode::missed_prescription: return "missed_prescription";
    case WarningCode::shoulder: return "shoulder";
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
  check_flares(checked);
  check_axial_lengths(checked);
  return warnings;
}

namespace {

// A table-method design's beamwidth (the plane's, or the planes' mean when
// plane is empty) on its own pattern against the prescription.
void check_miss(std::vector<Warning>& warnings, std::optional<Plane> plane, std::optional<double> measured,
                double prescribed, double level_db) {
  const std::string what = plane ? "an " + std::string(detail::plane_name(*plane)) + " beamwidth" : "a mean beamwidth";
  const std::string wanted = short_number(prescribed) + "°";
  if (!measured) {
    warnings.push_back({WarningCode::missed_prescription, plane,
                        "On its pattern the table method's design has no " + what.substr(what.find(' ') + 1) + " at " +
                            short_number(level_db) + " dB: the beam never falls that far within 90°, against the "
                            "prescribed " + wanted + "."});
    return;
  }
  const double miss = *measured - prescribed;
  if (std::abs(miss) <= kLargestTableMiss) return;
  warnings.push_back({WarningCode::missed_prescription, plane,
                      "On its pattern the table method's design has " + what + " of " + short_number(*measured) +
                          "°, " + short_number(std::abs(miss)) + "° " + (miss > 0.0 ? "wider" : "narrower") +
                          " than the prescribed " + wanted + "."});
}

// A beam that falls to a dip and rises again by more than this, dB, before
// it crosses its level has a shoulder worth a warning.
constexpr double kShoulderRiseDb = 0.01;
constexpr int kShoulderSamples = 400;

// A pattern-method design's plane whose beam, between the axis and the
// crossing at half its beamwidth, dips and rises again.
void check_shoulder(std::vector<Warning>& warnings, const Horn& horn, double frequency_hz, Plane plane,
                    std::optional<double> width_deg, double level_db) {
  if (!width_deg) return;
  std::vector<double> angles(kShoulderSamples + 1);
  for (int i = 0; i <= kShoulderSamples; ++i) angles[i] = *width_deg / 2.0 * i / kShoulderSamples;
  const std::vector<double> cut = pattern_cut(horn, frequency_hz, plane, angles);
  double dip = cut.front();
  for (const double level : cut) {
    dip = std::min(dip, level);
    if (level - dip > kShoulderRiseDb) {
      warnings.push_back({WarningCode::shoulder, plane,
                          "The " + std::string(detail::plane_name(plane)) + " beam dips and rises again above " +
                              short_number(level_db) + " dB within its " + short_number(*width_deg) +
                              "° beamwidth: a small change of frequency or level makes the beamwidth jump."});
      return;
    }
  }
}

void check_shoulders(std::vector<Warning>& warnings, const Horn& horn, double frequency_hz, double level_db) {
  const Beamwidths widths = beamwidths(horn, frequency_hz, level_db);
  check_shoulder(warnings, horn, frequency_hz, Plane::e, widths.e_plane, level_db);
  check_shoulder(warnings, horn, frequency_hz, Plane::h, widths.h_plane, level_db);
}

}  // namespace

std::vector<Warning> design_warnings(const HornDesign& design, const RectangularPrescription& prescription,
                                     const WarningOptions& options) {
  std::vector<Warning> warnings = horn_warnings(design.horn, prescription.frequency_hz, options);
  if (options.method != DesignMethod::table) {
    check_shoulders(warnings, design.horn, prescription.frequency_hz, prescription.level_db);
    return warnings;
  }
  const Beamwidths measured = beamwidths(design.horn, prescription.frequency_hz, prescription.level_db);
  check_miss(warnings, Plane::e, measured.e_plane, prescription.e_beamwidth_deg, prescription.level_db);
  check_miss(warnings, Plane::h, measured.h_plane, prescription.h_beamwidth_deg, prescription.level_db);
  return warnings;
}

std::vector<Warning> design_warnings(const HornDesign& design, const SquarePrescription& prescription,
                                     const WarningOptions& options) {
  std::vector<Warning> warnings = horn_warnings(design.horn, prescription.frequency_hz, options);
  if (options.method != DesignMethod::table) {
    check_shoulders(warnings, design.horn, prescription.frequency_hz, prescription.level_db);
    return warnings;
  }
  const Beamwidths measured = beamwidths(design.horn, prescription.frequency_hz, prescription.level_db);
  switch (prescription.plane) {
    case SquarePlane::e:
      check_miss(warnings, Plane::e, measured.e_plane, prescription.beamwidth_deg, prescription.level_db);
      break;
    case SquarePlane::h:
      check_miss(warnings, Plane::h, measured.h_plane, prescription.beamwidth_deg, prescription.level_db);
      break;
    case SquarePlane::average: {
      std::optional<double> mean;
      if (measured.e_plane && measured.h_plane) mean = (measured.e_plane.value() + measured.h_plane.value()) / 2.0;
      check_miss(warnings, std::nullopt, mean, prescription.beamwidth_deg, prescription.level_db);
      break;
    }
  }
  return warnings;
}

}  // namespace tarniq
