// Whether a frequency lies in a catalogue guide's recommended band.
#pragma once

#include "tarniq/waveguide.hpp"

namespace tarniq::detail {

// Band ends included, with a relative allowance of 1e-12 so that a frequency
// computed as 8.2 * 1e9 (a little below 8.2e9 in binary) is in the band that
// begins at 8.2 GHz.
inline bool in_band(const FrequencyBand& band, double frequency_hz) {
  constexpr double kAllowance = 1e-12;
  return band.low * (1.0 - kAllowance) <= frequency_hz && frequency_hz <= band.high * (1.0 + kAllowance);
}

}  // namespace tarniq::detail
