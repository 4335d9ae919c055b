// Beamwidths measured on a horn's pattern.
#pragma once

#include <optional>

#include "tarniq/horn.hpp"

namespace tarniq {

// Full beamwidth, degrees, of one cut at level_db below the cut's maximum
// (within ±90°; the maximum lies off boresight when the phase error is
// large): twice the angle at which the pattern, going outward from its
// maximum, first falls level_db below it. Found on the pattern of
// pattern_cut to 0.001°. level_db is the level exactly as given (pass
// half_power_db for half power). Empty when the cut never falls that far within
// ±90°. Throws InvalidArgument for a bad horn, a frequency not positive and
// finite, a horn outside the sizes the analysis computes (as gain_dbi), or a
// level not positive and finite.
[[nodiscard]] std::optional<double> beamwidth(const Horn& horn, double frequency_hz, Plane plane,
                                              double level_db);

struct Beamwidths {
  std::optional<double> e_plane;
  std::optional<double> h_plane;
};
[[nodiscard]] Beamwidths beamwidths(const Horn& horn, double frequency_hz, double level_db);

}  // namespace tarniq
