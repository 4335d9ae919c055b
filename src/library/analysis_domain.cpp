// The horns and frequencies the analysis calls compute for.
#include "tarniq/analysis_domain.hpp"

#include <string>

#include "checks.hpp"
#include "message_text.hpp"
#include "tarniq/errors.hpp"

namespace tarniq {
namespace {

constexpr double kShortestWavelength = 1e-90;  // m
constexpr double kLongestWavelength = 1e90;    // m
// Below this phase deviation (wavelengths) the closed-form gain loses more
// than five digits: its H-plane Fresnel arguments differ by 1/√(4s) of their size.
constexpr double kSmallestPhaseDeviation = 1e-12;

// A length as typed, to ten digits, in the message's unit.
std::string length_shown(double metres, const LengthScale& lengths) {
  return detail::show(metres / lengths.metres) + " " + std::string(lengths.symbol);
}

void check_plane(const Horn& horn, Plane plane, double lambda, double frequency_hz, const LengthScale& lengths) {
  const double size = aperture(horn, plane) / lambda;
  if (!(size >= smallest_analysed_aperture && size <= largest_analysed_aperture))
    throw InvalidArgument(std::string(detail::aperture_name(plane)) + " " + length_shown(aperture(horn, plane), lengths) +
                          " is " + detail::show(size) + " wavelengths at " + detail::gigahertz_text(frequency_hz) +
                          ", outside the " + detail::show(smallest_analysed_aperture) + " to " +
                          detail::show(largest_analysed_aperture) + " wavelengths the analysis computes");
  const double s = size * size / (8.0 * slant_radius(horn, plane) / lambda);
  if (!(s >= kSmallestPhaseDeviation))
    throw InvalidArgument(std::string(detail::plane_name(plane)) + " phase deviation " + detail::show(s) +
                          " wavelength at " + detail::gigahertz_text(frequency_hz) + " is below the " +
                          detail::show(kSmallestPhaseDeviation) + " the analysis computes (slant radius " +
                          length_shown(slant_radius(horn, plane), lengths) + ")");
}

}  // namespace

void check_analysis_domain(const Horn& horn, double frequency_hz, const LengthScale& message_lengths) {
  check_horn(horn);
  detail::require_positive(frequency_hz, "frequency", "Hz");
  const double lambda = wavelength(frequency_hz);
  if (!(lambda >= kShortestWavelength && lambda <= kLongestWavelength))
    throw InvalidArgument(detail::show("frequency", frequency_hz, "Hz") +
                          " is outside the range the analysis computes (wavelength " +
                          detail::show(kShortestWavelength) + " to " + detail::show(kLongestWavelength) + " m)");
  check_plane(horn, Plane::h, lambda, frequency_hz, message_lengths);
  check_plane(horn, Plane::e, lambda, frequency_hz, message_lengths);
}

}  // namespace tarniq
