// The two ways of designing a horn to beamwidths, behind design_rectangular and design_square.
#pragma once

#include <string>

#include "tarniq/design.hpp"

namespace tarniq::detail {

// Each takes a prescription that design.cpp has checked (positive, finite, a square
// feed for a square horn) and throws NoSolution when no horn meets it.

// The interactive program's single-precision designs through the universal
// beamwidth table; InvalidArgument for a level the table lacks.
HornDesign rectangular_by_table(const RectangularPrescription& prescription);
HornDesign square_by_table(const SquarePrescription& prescription);

// Designs whose pattern-true beamwidths equal the prescription; messages
// show lengths in the given unit.
HornDesign rectangular_by_pattern(const RectangularPrescription& prescription, const LengthScale& lengths);
HornDesign square_by_pattern(const SquarePrescription& prescription, const LengthScale& lengths);

// The prescription in words, for messages: "E plane 30°, H plane 20° at
// 3 dB, 10 GHz, phase deviation 0.25".
std::string describe(const RectangularPrescription& prescription);
std::string describe(const SquarePrescription& prescription);

}  // namespace tarniq::detail
