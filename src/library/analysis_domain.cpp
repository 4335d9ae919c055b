// The horns and frequencies the analysis calls compute for.
#include "analysis_domain.hpp"

#include <string>

#include "checks.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

constexpr double kShortestWavelength = 1e-90;  // m
constexpr double kLongestWavelength = 1e90;    // m
constexpr double kSmallestAperture = 1e-6;     // wavelengths
constexpr double kLargestAperture = 1e5;       // wavelengths
// Below this phase deviation (wavelengths) the closed-form gain loses more
// than five digits: its H-plane Fresnel arguments differ by 1/√(4s) of their size.
constexpr double kSmallestPhaseDeviation = 1e-12;

void check_plane(const Horn& horn, Plane plane, double lambda, double frequency_hz) {
  const std::string name = plane == Plane::e ? "aperture height" : "aperture width";
  const double size = aperture(horn, plane) / lambda;
  if (!(size >= kSmallestAperture && size <= kLargestAperture))
    throw InvalidArgument(show(name, aperture(horn, plane), "m") + " is " + show(size) +
                          " wavelengths at " + show(frequency_hz) + " Hz, outside the " +
                          show(kSmallestAperture) + " to " + show(kLargestAperture) +
                          " wavelengths the analysis computes");
  const double s = size * size / (8.0 * slant_radius(horn, plane) / lambda);
  if (!(s >= kSmallestPhaseDeviation))
    throw InvalidArgument(std::string(plane == Plane::e ? "E-plane" : "H-plane") + " phase deviation " +
                          show(s) + " wavelength at " + show(frequency_hz) + " Hz is below the " +
                          show(kSmallestPhaseDeviation) + " the analysis computes (slant radius " +
                          show(slant_radius(horn, plane)) + " m)");
}

}  // namespace

void check_analysis_domain(const Horn& horn, double frequency_hz) {
  check_horn(horn);
  require_positive(frequency_hz, "frequency", "Hz");
  const double lambda = wavelength(frequency_hz);
  if (!(lambda >= kShortestWavelength && lambda <= kLongestWavelength))
    throw InvalidArgument(show("frequency", frequency_hz, "Hz") +
                          " is outside the range the analysis computes (wavelength " +
                          show(kShortestWavelength) + " to " + show(kLongestWavelength) + " m)");
  check_plane(horn, Plane::h, lambda, frequency_hz);
  check_plane(horn, Plane::e, lambda, frequency_hz);
}

}  // namespace tarniq::detail
