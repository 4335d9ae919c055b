// Boresight gain of a pyramidal horn: the shared closed form in double precision.
#include "tarniq/gain.hpp"

#include <cmath>

#include "tarniq/analysis_domain.hpp"
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

}  // namespace

double gain_ratio(const Horn& horn, double frequency_hz) {
  check_analysis_domain(horn, frequency_hz);
  return numerics::horn_gain_ratio(wavelength(frequency_hz), horn.aperture_width,
                                   horn.aperture_height, horn.e_slant_radius, horn.h_slant_radius,
                                   fresnel_values, kConstants);
}

double gain_dbi(const Horn& horn, double frequency_hz) {
  return 10.0 * std::log10(gain_ratio(horn, frequency_hz));
}

}  // namespace tarniq
