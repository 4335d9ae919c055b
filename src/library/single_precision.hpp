// The table method's way into the interactive program's single precision: one conversion, one rule for levels.
#pragma once

#include <optional>
#include <string_view>

namespace tarniq::detail {

// Whether a double rounds to a positive normal float.
bool fits_single(double value);

// The value rounded once to single precision. Throws InvalidArgument naming
// the quantity unless it fits (checked before the conversion, which is
// undefined beyond the float range).
float to_single(double value, std::string_view quantity, std::string_view unit);

// The interactive program's level code (1 to 5) of a level in dB when its
// single-precision value is one of the universal table's levels (0.5, 1, 2,
// 3.01, 10 dB); none otherwise.
std::optional<int> table_level_code(double level_db);

// The level code, or InvalidArgument naming the level and the table's levels.
int require_table_level(double level_db);

}  // namespace tarniq::detail
