// Three-point lookup in the universal beamwidth table.
#pragma once

#include "common/beamwidth_table.hpp"

namespace tarniq::numerics {

// Beamwidth factor D·sin φ (dimensionless) of the given sub-table at the
// aperture phase deviation S (wavelengths) and level code LEVEL (1 to 5),
// interpolated quadratically between table rows and extrapolated beyond the
// last row (S > 0.46 in the E plane, S > 1.00 in the H plane).
// Never reads outside the table: a negative S uses the first three rows, a
// NaN or huge S the last three (a NaN S gives NaN). A LEVEL outside 1 to 5
// gives NaN.
float BWFAC(float S, int LEVEL, Subtable plane);

}  // namespace tarniq::numerics
