// The interactive program's beamwidths of a horn: the universal table in single precision.
#include "tarniq/table_method.hpp"

#include <array>
#include <cmath>
#include <cstddef>

#include "analysis/horn_beamwidths.hpp"
#include "checks.hpp"
#include "single_precision.hpp"
#include "tarniq/units.hpp"

namespace tarniq {

std::optional<double> table_beamwidth(const Horn& horn, double frequency_hz, Plane plane, double level) {
  check_horn(horn);
  detail::require_positive(frequency_hz, "frequency", "Hz");
  detail::require_positive(level, "level", "dB");
  const int LEVEL = detail::require_table_level(level);
  using detail::to_single;
  // In the interactive program's units, converted in this order so that a
  // refusal names the first value out of range.
  const float FGHZ = to_single(frequency_hz / hertz_per_gigahertz, "frequency", "GHz");
  const float AH = to_single(horn.aperture_width / metres_per_inch, "aperture width", "in");
  const float AE = to_single(horn.aperture_height / metres_per_inch, "aperture height", "in");
  const float RH = to_single(horn.h_slant_radius / metres_per_inch, "H-plane slant radius", "in");
  const float RE = to_single(horn.e_slant_radius / metres_per_inch, "E-plane slant radius", "in");
  const analysis::Beamwidths bw = analysis::beamwidths_in_degrees(FGHZ, AH, AE, RH, RE);
  const std::array<float, 5>& plane_bw = plane == Plane::e ? bw.EBW : bw.HBW;
  const float value = plane_bw[static_cast<std::size_t>(LEVEL - 1)];
  if (!std::isfinite(value)) return std::nullopt;
  return static_cast<double>(value);
}

bool is_table_level(double level_db) { return detail::table_level_code(level_db).has_value(); }

}  // namespace tarniq
