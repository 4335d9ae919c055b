// The beamwidth of one prepared aperture cut, for callers that have already checked their horn.
#pragma once

#include <optional>

#include "aperture_pattern.hpp"

namespace tarniq::detail {

// Full width, degrees, between the points where the cut, going outward from
// its maximum within ±90°, first falls level_db (> 0, as given: no 3 → 3.01)
// below that maximum; to about 1e-7°. Empty when it never does within 90°.
std::optional<double> cut_beamwidth(const ApertureCut& cut, double level_db);

// The cut's maximum within ±90° (relative_power, 1 on boresight) with that beamwidth.
struct CutBeam {
  double peak_power;
  std::optional<double> width_deg;
};
CutBeam cut_beam(const ApertureCut& cut, double level_db);

}  // namespace tarniq::detail
