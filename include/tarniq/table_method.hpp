// The interactive program's analysis of a horn, for comparison with the pattern-true results.
#pragma once

#include <optional>

#include "tarniq/horn.hpp"

namespace tarniq {

// The beamwidth (degrees) that the interactive program's frequency response
// gives for this horn: the universal beamwidth table read at each plane's
// phase deviation, corrected for the obliquity factor, in single precision.
// level_db is a table level (is_table_level), else InvalidArgument. Past the
// table (0.46 wavelength E plane, 1.00 H plane) the values are extrapolated
// and may be far off; a negative 10 dB value is the program's estimate from
// a fitted pattern (its magnitude is the estimate). Where it takes that
// estimate, the program leaves its 0.5, 1 and 2 dB values as the sines of the
// half-angles (and prints them so); they are returned here converted to
// degrees as it converts them otherwise. Empty where the program has no
// number (NaN). Throws InvalidArgument for a bad horn, a frequency not
// positive and finite, or a size beyond single precision in inches or GHz.
[[nodiscard]] std::optional<double> table_beamwidth(const Horn& horn, double frequency_hz, Plane plane,
                                                    double level_db);

// Whether the universal table has this level: 0.5, 1, 2, 3.01 (half power)
// or 10 dB, compared in the table's single precision (10.0000001 is 10 dB,
// 3 is not 3.01). The table method's designs and beamwidths take these only.
[[nodiscard]] bool is_table_level(double level_db);

}  // namespace tarniq
