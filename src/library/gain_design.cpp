// The optimum-gain pyramidal horn for a prescribed gain: the classical design and its refinement.
#include "tarniq/gain_design.hpp"

#include <cmath>
#include <numbers>
#include <string>

#include "checks.hpp"
#include "common/horn_geometry.hpp"
#include "root_finding.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

using detail::show;

constexpr double kEfficiency = 0.51;      // aperture efficiency of the optimum horn
constexpr double kEFactor = 2.0;          // AE² = 2λ·RE: E-plane phase deviation 1/4
constexpr double kHFactor = 3.0;          // AH² = 3λ·RH: H-plane phase deviation 3/8
constexpr double kGainTolerance = 0.001;  // dB; the refinement stops this close to the request
constexpr int kMaxRefinements = 20;

// The flares of an optimum horn whose aperture area is `area`, given its
// aperture height AE: the width follows from the area, each slant radius
// from its plane's phase deviation.
struct OptimumFlares {
  double AE;
  double AH;
  double RE;
  double RH;
  double LE;  // axial lengths of the two flares
  double LH;
};

OptimumFlares flares(double AE, double area, double lambda, const Waveguide& feed) {
  const double AH = area / AE;
  const double RE = AE * AE / (kEFactor * lambda);
  const double RH = AH * AH / (kHFactor * lambda);
  const double LE = numerics::axial_length(AE, RE, feed.height);
  const double LH = numerics::axial_length(AH, RH, feed.width);
  return {AE, AH, RE, RH, LE, LH};
}

std::string request(double dbi, double frequency_hz) {
  return show(dbi) + " dBi at " + show(frequency_hz / hertz_per_gigahertz) + " GHz";
}

// "WR-90 (2.286 cm by 1.016 cm)", or "the 2.286 cm by 1.016 cm waveguide".
std::string feed_text(const Waveguide& feed, const LengthScale& lengths) {
  if (feed.name.empty()) return detail::feed_text(feed, lengths);
  return feed.name + " (" + detail::length_text(feed.width, lengths) + " by " +
         detail::length_text(feed.height, lengths) + ")";
}

// Nominal gain, dBi, of the optimum horn with the given aperture area.
double nominal_dbi(double area, double lambda) {
  return 10.0 * std::log10(kEfficiency * 4.0 * std::numbers::pi * area / (lambda * lambda));
}

void check_arguments(double dbi, double frequency_hz, const Waveguide& feed) {
  detail::require_finite(dbi, "gain", "dBi");
  detail::require_positive(frequency_hz, "frequency", "Hz");
  detail::check_waveguide(feed);
}

// The classical horn, arguments already checked.
HornDesign classical(double dbi, double frequency_hz, const Waveguide& feed, const LengthScale& lengths) {
  const double lambda = wavelength(frequency_hz);
  const double gain = std::pow(10.0, dbi / 10.0);
  const double area = gain * lambda * lambda / (kEfficiency * 4.0 * std::numbers::pi);
  // Each aperture must be larger than its waveguide dimension and than the
  // smallest aperture its phase deviation allows (slant radius above half
  // the aperture: AE > λ, AH > 1.5λ). At the smallest height the E flare
  // has no length, at the smallest width the H flare: one height between
  // gives both the same length, and only one, as LE grows with AE and LH
  // falls.
  const double lowest_AE = std::max(feed.height, lambda * kEFactor / 2.0);
  const double lowest_AH = std::max(feed.width, lambda * kHFactor / 2.0);
  const double highest_AE = area / lowest_AH;
  // Just inside the ends, where the square roots are real.
  const double a = lowest_AE * (1.0 + 1e-12);
  const double b = highest_AE * (1.0 - 1e-12);
  if (!std::isfinite(area) || !(a < b))
    throw NoSolution("no optimum-gain horn gives " + request(dbi, frequency_hz) + " on " + feed_text(feed, lengths) +
                     ": the smallest one, whose flares just clear the waveguide (and are at least 1 "
                     "wavelength high and 1.5 wide), has about " +
                     show(std::round(nominal_dbi(lowest_AE * lowest_AH, lambda) * 100.0) / 100.0) + " dBi");
  const auto length_difference = [&](double AE) {
    const OptimumFlares f = flares(AE, area, lambda, feed);
    return f.LE - f.LH;
  };
  const double AE = detail::find_root(length_difference, a, b, length_difference(a), length_difference(b),
                                      1e-15 * highest_AE, "the search for the optimum-gain horn's aperture height");
  const OptimumFlares f = flares(AE, area, lambda, feed);
  try {
    return {make_horn_from_slant_radii(f.AH, f.AE, f.RH, f.RE, feed), f.LE, Plane::e};
  } catch (const InvalidArgument& e) {
    throw NoSolution("no optimum-gain horn gives " + request(dbi, frequency_hz) + ": " + e.what());
  }
}

// The true gain of a classical design, dBi. The request has been checked, so
// an InvalidArgument from the analysis means a horn beyond the sizes it
// computes (an aperture over 1e5 wavelengths): no design.
double true_gain(const HornDesign& design, double requested_dbi, double frequency_hz) {
  try {
    return tarniq::gain_dbi(design.horn, frequency_hz);
  } catch (const InvalidArgument& e) {
    throw NoSolution("the optimum-gain horn for " + request(requested_dbi, frequency_hz) +
                     " is beyond the sizes the analysis computes: " + e.what());
  }
}

}  // namespace

HornDesign classical_gain_horn(double dbi, double frequency_hz, const Waveguide& feed,
                               const LengthScale& message_lengths) {
  check_arguments(dbi, frequency_hz, feed);
  return classical(dbi, frequency_hz, feed, message_lengths);
}

HornDesign design_for_gain(double requested_dbi, double frequency_hz, const Waveguide& feed,
                           const LengthScale& message_lengths) {
  check_arguments(requested_dbi, frequency_hz, feed);
  // The secant on the nominal gain of the classical design: the true gain
  // of the horn follows the nominal one closely, with a slope near 1; a
  // secant slope far from that (a step lost in rounding) falls back to 1.
  double nominal = requested_dbi;
  HornDesign design = classical(nominal, frequency_hz, feed, message_lengths);
  double error = true_gain(design, requested_dbi, frequency_hz) - requested_dbi;
  double previous_nominal = nominal;
  double previous_error = error;
  double slope = 1.0;
  for (int i = 0; i < kMaxRefinements && std::abs(error) > kGainTolerance; ++i) {
    if (i > 0) slope = (error - previous_error) / (nominal - previous_nominal);
    if (!(slope > 0.5 && slope < 2.0)) slope = 1.0;
    previous_nominal = nominal;
    previous_error = error;
    nominal -= error / slope;
    try {
      design = classical(nominal, frequency_hz, feed, message_lengths);
    } catch (const NoSolution&) {
      throw NoSolution("no optimum-gain horn on " + feed_text(feed, message_lengths) + " has a true gain of " +
                       request(requested_dbi, frequency_hz) +
                       ": its aperture would not be larger than the waveguide");
    }
    error = true_gain(design, requested_dbi, frequency_hz) - requested_dbi;
  }
  if (!(std::abs(error) <= 10.0 * kGainTolerance))
    throw SearchFailed("the refinement of the optimum-gain horn for " + request(requested_dbi, frequency_hz) +
                       " stopped " + show(error) + " dB off after " + std::to_string(kMaxRefinements) + " steps");
  return design;
}

}  // namespace tarniq
