// The table method's way into single precision.
#include "single_precision.hpp"

#include <limits>

#include "common/levels.hpp"
#include "message_text.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::detail {

bool fits_single(double value) {
  constexpr double kSmallest = static_cast<double>(std::numeric_limits<float>::min());
  constexpr double kLargest = static_cast<double>(std::numeric_limits<float>::max());
  return value >= kSmallest && value <= kLargest;
}

float to_single(double value, std::string_view quantity, std::string_view unit) {
  if (!fits_single(value))
    throw InvalidArgument(show(quantity, value, unit) + " is outside the table method's single-precision range");
  return static_cast<float>(value);
}

std::optional<int> table_level_code(double level_db) {
  if (!fits_single(level_db)) return std::nullopt;
  const int code = numerics::level_code_of(static_cast<float>(level_db));
  if (code == 0) return std::nullopt;
  return code;
}

int require_table_level(double level_db) {
  if (const std::optional<int> code = table_level_code(level_db)) return *code;
  throw InvalidArgument(show("level", level_db, "dB") +
                        " is not one of the table method's levels, 0.5, 1, 2, 3.01 (half power) or 10 dB");
}

}  // namespace tarniq::detail
