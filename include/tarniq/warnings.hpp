// Plain-language warnings about a horn at a frequency: where the model or the feed stops holding.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tarniq/design.hpp"
#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"

namespace tarniq {

enum class WarningCode {
  below_cutoff,           // below the feed's TE10 cutoff: nothing propagates
  overmoded,              // above the cutoff of the feed's lowest higher-order mode
  outside_band,           // outside a standard feed's recommended band
  beyond_table,           // table method: a phase deviation past the tabulated range
  small_aperture,         // an aperture under about one wavelength: aperture theory unreliable
  unequal_axial_lengths,  // the planes need different axial lengths: it cannot be built
  wide_flare,             // a semi-flare angle over 40°: aperture theory unreliable
  large_phase_deviation,  // a phase deviation over 2 wavelengths, beyond what the pattern method designs
  missed_prescription,    // table method: the design's pattern misses a prescribed beamwidth by over 0.5°
  shoulder,               // a beam that dips and rises again above the level: its beamwidth jumps easily
};

// The code as text: "below_cutoff", "overmoded", ...
[[nodiscard]] std::string_view to_string(WarningCode code);

struct Warning {
  WarningCode code;
  std::optional<Plane> plane;  // the plane it is about, when it is about one
  std::string message;         // one sentence naming the values, e.g. "8 GHz is outside ..."
};

// What to check and how to say it: the table method adds the check of the
// phase deviations against the universal table's range; messages show
// lengths in message_lengths and frequencies in GHz.
struct WarningOptions {
  DesignMethod method = DesignMethod::pattern;
  LengthScale message_lengths = metres_scale;
};

// Warnings for the horn at a frequency (hertz). The axial lengths count as
// unequal when they differ by more than 1e-6 of the horn's largest length
// (axial or slant), beyond the rounding of a single-precision design; the
// outside_band check needs a feed with a band or a catalogue name. Empty
// when all is well. Throws InvalidArgument for a bad horn or frequency.
[[nodiscard]] std::vector<Warning> horn_warnings(const Horn& horn, double frequency_hz,
                                                 const WarningOptions& options = {});

// Warnings for a design of the prescription: those of its horn at the
// prescription's frequency and, for a table-method design (options.method),
// each prescribed beamwidth that the horn's pattern (beamwidth() at the
// prescription's level) misses by more than 0.5°, with the miss and the
// plane. The mean of a square horn's planes counts as one beamwidth. A
// pattern-method design warns of a plane whose beam, inside its beamwidth,
// falls to a dip and rises again by more than 0.01 dB: a small change of
// frequency or level moves its crossing past the shoulder.
[[nodiscard]] std::vector<Warning> design_warnings(const HornDesign& design,
                                                   const RectangularPrescription& prescription,
                                                   const WarningOptions& options = {});
[[nodiscard]] std::vector<Warning> design_warnings(const HornDesign& design, const SquarePrescription& prescription,
                                                   const WarningOptions& options = {});

}  // namespace tarniq
