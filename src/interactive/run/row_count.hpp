// Row counts of the two tables and the conversion they share.
#pragma once

#include <cstdint>

namespace tarniq::run {

// Truncates toward zero; a value that is not a number or lies beyond the
// 32-bit range gives no rows (the smallest 32-bit integer).
std::int32_t truncate_row_count(double count);

// Rows of a design table: (stop - start) / step + 1.4, evaluated in double
// from the single-precision values, truncated.
std::int32_t design_row_count(float start, float stop, float step);

// Rows of a frequency table: the same formula evaluated in single precision.
std::int32_t frequency_row_count(float start, float stop, float step);

}  // namespace tarniq::run
