// The interactive program's beamwidths of a horn: the universal table in single precision.
#include "tarniq/table_method.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "analysis/horn_beamwidths.hpp"
#include "checks.hpp"
#include "common/bwfac.hpp"
#include "common/constants.hpp"
#include "common/horn_geometry.hpp"
#include "common/levels.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

constexpr int kTenDbCode = 2;
constexpr float kNeperToDb = 8.68589f;  // 20 log10(e), as the interactive analysis has it

// The level code of a level in dB: 0.5, 1, 2, 3 (3.01) or 10.
int level_code(double level) {
  detail::require_positive(level, "level", "dB");
  const double wanted = level_db(level);
  for (int code = 1; code <= numerics::kLevelCount; ++code) {
    if (std::fabs(wanted - static_cast<double>(numerics::level_row(code).dB)) < 1e-6) return code;
  }
  throw InvalidArgument(detail::show("level", level, "dB") +
                        " is not a table level: 0.5, 1, 2, 3 (3.01) or 10 dB");
}

// A length or frequency in the interactive program's units, as a float.
float to_single(double value, std::string_view quantity) {
  if (!(value <= static_cast<double>(std::numeric_limits<float>::max())))
    throw InvalidArgument(detail::show(quantity, value, "") +
                          " is beyond the single precision of the table method");
  return static_cast<float>(value);
}

struct SingleHorn {
  float FGHZ, AH, AE, RH, RE;
};

SingleHorn to_interactive_units(const Horn& horn, double frequency_hz) {
  return {to_single(frequency_hz / hertz_per_gigahertz, "frequency (GHz)"),
          to_single(horn.aperture_width / metres_per_inch, "aperture width (in)"),
          to_single(horn.aperture_height / metres_per_inch, "aperture height (in)"),
          to_single(horn.h_slant_radius / metres_per_inch, "H-plane slant radius (in)"),
          to_single(horn.e_slant_radius / metres_per_inch, "E-plane slant radius (in)")};
}

// When a plane's 10 dB point has no real angle, the interactive analysis
// estimates that width and leaves the 0.5, 1 and 2 dB elements as the sines of
// their half-angles, never converted (its frequency response prints them as
// they are). Returning a sine as degrees would be wrong: such an element is
// converted here the way the analysis converts it whenever the 10 dB point is
// real.
bool holds_sine(const SingleHorn& h, Plane plane, int LEVEL) {
  if (LEVEL <= kTenDbCode) return false;
  const float lambda = numerics::wavelength(h.FGHZ);
  const float aperture = plane == Plane::E ? h.AE : h.AH;
  const float radius = plane == Plane::E ? h.RE : h.RH;
  const float s = numerics::phase_deviation(aperture, radius, lambda);
  const auto subtable = plane == Plane::E ? numerics::Subtable::EPlane : numerics::Subtable::HPlane;
  return numerics::BWFAC(s, kTenDbCode, subtable) * lambda / aperture >= 1.0f;
}

float sine_to_beamwidth(float v, Plane plane, int LEVEL) {
  const numerics::LevelRow& row = numerics::level_row(LEVEL);
  const float a = plane == Plane::E ? row.e_amplitude : row.h_amplitude;
  const float theta = std::asin(v);
  const float ob = (std::cos(theta) + 1.0f) / 2.0f;  // obliquity factor
  const float D = -(std::log(ob * a) * kNeperToDb);  // fall of the horn pattern at theta, dB
  return theta * 2.0f * std::sqrt(row.dB / D) / numerics::kRadiansPerDegree;
}

}  // namespace

std::optional<double> table_beamwidth(const Horn& horn, double frequency_hz, Plane plane,
                                      double level) {
  check_horn(horn);
  detail::require_positive(frequency_hz, "frequency", "Hz");
  const int LEVEL = level_code(level);
  const SingleHorn h = to_interactive_units(horn, frequency_hz);
  const analysis::Beamwidths bw = analysis::HRNBW(h.FGHZ, h.AH, h.AE, h.RH, h.RE);
  const std::array<float, 5>& plane_bw = plane == Plane::E ? bw.EBW : bw.HBW;
  float value = plane_bw[static_cast<std::size_t>(LEVEL - 1)];
  if (holds_sine(h, plane, LEVEL)) value = sine_to_beamwidth(value, plane, LEVEL);
  if (!std::isfinite(value)) return std::nullopt;
  return static_cast<double>(value);
}

}  // namespace tarniq
