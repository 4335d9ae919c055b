// The length units of the command line and how they map to the library's metres.
#pragma once

#include <string_view>

namespace tarniq::request {

enum class LengthUnit { cm, mm, in };

// "cm", "mm", "in": the option value and the suffix of column names.
std::string_view unit_name(LengthUnit unit);

// A length in the unit as metres, and back. Centimetres and millimetres
// divide and multiply by 100 and 1000 (exact factors); inches use 0.0254 m.
// A length out within two units in the last place of a 15-digit decimal
// becomes that decimal (the conversion's own error), so that 0.75 in reads
// 0.75 again rather than 0.7499999999999999.
double to_metres(double length, LengthUnit unit);
double from_metres(double metres, LengthUnit unit);

// Decimals the text table shows for a length in this unit.
int length_decimals(LengthUnit unit);

}  // namespace tarniq::request
