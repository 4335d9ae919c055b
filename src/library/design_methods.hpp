// The two ways of designing a horn to beamwidths, behind design_rectangular and design_square.
#pragma once

#include <optional>
#include <string>

#include "tarniq/design.hpp"

namespace tarniq::detail {

// Each takes a spec that design.cpp has checked (positive, finite, a square
// feed for a square horn) and throws NoSolution when no horn meets it.

// The interactive program's single-precision designs through the universal
// beamwidth table; InvalidArgument for a level the table lacks.
HornDesign rectangular_by_table(const RectangularSpec& spec);
HornDesign square_by_table(const SquareSpec& spec);

// The interactive program's level code (1 to 5) of a level in dB, 3 meaning
// 3.01 dB; none for a level the universal table lacks.
std::optional<int> table_level_code(double level_db);

// Designs whose pattern-true beamwidths equal the prescription.
HornDesign rectangular_by_pattern(const RectangularSpec& spec);
HornDesign square_by_pattern(const SquareSpec& spec);

// The prescription in words, for messages: "E plane 30°, H plane 20° at
// 3 dB, 10 GHz, phase deviation 0.25".
std::string describe(const RectangularSpec& spec);
std::string describe(const SquareSpec& spec);

}  // namespace tarniq::detail
