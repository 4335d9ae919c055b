// Plain-language warnings about a horn at a frequency: where the model or the feed stops holding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tarniq/horn.hpp"

namespace tarniq {

enum class WarningCode {
  below_cutoff,           // below the feed's TE10 cutoff: nothing propagates
  overmoded,              // above the feed's TE20 cutoff: higher modes propagate
  outside_band,           // outside a standard feed's recommended band
  beyond_table,           // table method: a phase deviation past the tabulated range
  small_aperture,         // an aperture under about one wavelength: aperture theory unreliable
  unequal_axial_lengths,  // the planes need different axial lengths: it cannot be built
};

// The code as text: "below_cutoff", "overmoded", ...
std::string_view to_string(WarningCode code);

struct Warning {
  WarningCode code;
  std::string message;  // one sentence naming the values, e.g. "8.2 GHz is outside ..."
};

// Warnings for the horn at a frequency (hertz); table_method adds the check
// of the phase deviations against the universal table's range (0.46
// wavelength in the E plane, 1.00 in the H plane). The axial lengths count
// as unequal when they differ by more than 1e-6 of the horn's largest length
// (axial or slant), beyond the rounding of a single-precision design; the
// outside_band check needs a feed whose name is in the catalogue. Empty when
// all is well.
// Throws InvalidArgument for a bad horn or frequency.
std::vector<Warning> horn_warnings(const Horn& horn, double frequency_hz, bool table_method = false);

}  // namespace tarniq
