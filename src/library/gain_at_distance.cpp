// Gain at a finite distance: the closed-form gain with the range's quadratic phase added to the aperture's.
#include "tarniq/gain_at_distance.hpp"

#include <cmath>

#include "tarniq/analysis_domain.hpp"
#include "checks.hpp"
#include "common/horn_gain_formula.hpp"
#include "fresnel_parts.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

constexpr numerics::GainConstants<double> kConstants{
    1.41421356237309504880,  // √2
    25.1327412287183459077,  // 8π
};

numerics::FresnelValues<double> fresnel_values(double x) {
  const FresnelIntegrals f = detail::fresnel_unchecked(x);
  return {f.S, f.C};
}

// The radius of the phase front that the aperture's (radius R) and the
// range's (radius r) quadratic lags make together, R·r/(R + r), in a form
// that gives R itself for a huge r.
double combined_radius(double R, double r) { return R / (1.0 + R / r); }

}  // namespace

double gain_at_distance_ratio(const Horn& horn, double frequency_hz, double distance_m) {
  check_analysis_domain(horn, frequency_hz);
  detail::require_positive(distance_m, "distance", "m");
  return numerics::horn_gain_ratio(wavelength(frequency_hz), horn.aperture_width, horn.aperture_height,
                                   combined_radius(horn.e_slant_radius, distance_m),
                                   combined_radius(horn.h_slant_radius, distance_m), fresnel_values, kConstants);
}

double gain_at_distance_dbi(const Horn& horn, double frequency_hz, double distance_m) {
  return 10.0 * std::log10(gain_at_distance_ratio(horn, frequency_hz, distance_m));
}

}  // namespace tarniq
