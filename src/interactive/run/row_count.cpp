// Row counts of the design and frequency tables.
#include "run/row_count.hpp"

#include <cmath>
#include <limits>

namespace tarniq::run {
namespace {

constexpr float kExtraRow = 1.4f;  // 1.39999998: one row for the start, 0.4 of a step of slack

}  // namespace

std::int32_t truncate_row_count(double count) {
  constexpr auto kNoRows = std::numeric_limits<std::int32_t>::min();
  if (std::isnan(count)) return kNoRows;
  const double truncated = std::trunc(count);
  if (truncated < std::numeric_limits<std::int32_t>::min() ||
      truncated > std::numeric_limits<std::int32_t>::max())
    return kNoRows;
  return static_cast<std::int32_t>(truncated);
}

std::int32_t design_row_count(float start, float stop, float step) {
  return truncate_row_count((static_cast<double>(stop) - static_cast<double>(start)) /
                                static_cast<double>(step) +
                            static_cast<double>(kExtraRow));
}

std::int32_t frequency_row_count(float start, float stop, float step) {
  const float steps = (stop - start) / step;
  return truncate_row_count(static_cast<double>(steps + kExtraRow));  // summed in single precision
}

}  // namespace tarniq::run
