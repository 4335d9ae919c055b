// Ranges START:STOP:STEP: scanning, counting and listing their values.
#include "request/parse/range.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace tarniq::request {
namespace {

// A range's last value counts as reaching STOP when it falls short by less
// than this fraction of a step (decimal steps are inexact in binary).
constexpr double grid_tolerance = 1e-9;

// Number of values from start to stop; negative when the step leads away.
double value_count(double start, double stop, double step) {
  if (start == stop) return 1.0;
  const double steps = (stop - start) / step;
  if (std::isnan(steps) || steps < 0.0) return -1.0;
  return std::floor(steps + grid_tolerance) + 1.0;
}

// The value rounded to 12 significant digits when that moves it by less than
// a millionth of a step: removes the noise of start + i·step.
double clean(double value, double step) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
  double rounded = value;
  std::from_chars(text, written.ptr, rounded);
  return std::fabs(rounded - value) <= std::fabs(step) * 1e-6 ? rounded : value;
}

// A range whose start and step are decimals of a few places, as integers
// over 10^places: its values are decimals of those places, computed exactly
// in integers, which is what clean() finds by printing and reading back, at
// a small part of the cost.
struct DecimalGrid {
  std::int64_t start = 0;
  std::int64_t step = 0;
  double scale = 1.0;  // 10^places
};

constexpr int kGridPlaces = 6;
constexpr double kLargestGridValue = 1e11;  // 11 digits: inside clean()'s 12

std::optional<DecimalGrid> decimal_grid(const Range& range) {
  double scale = 1.0;
  for (int places = 0; places <= kGridPlaces; ++places, scale *= 10.0) {
    const double a = std::round(range.start * scale);
    const double b = std::round(range.step * scale);
    if (std::fabs(a) < kLargestGridValue && std::fabs(b) < kLargestGridValue && a / scale == range.start &&
        b / scale == range.step)
      return DecimalGrid{static_cast<std::int64_t>(a), static_cast<std::int64_t>(b), scale};
  }
  return std::nullopt;
}

// clean(start + i·step) through the grid: the decimal when the value lies
// well within half a unit of its 12th digit from it (so that printing to
// 12 digits gives that decimal), else clean() itself.
double grid_value(const DecimalGrid& grid, const Range& range, std::size_t i) {
  const double value = range.start + static_cast<double>(i) * range.step;
  const std::int64_t numerator = grid.start + static_cast<std::int64_t>(i) * grid.step;
  if (std::abs(numerator) >= static_cast<std::int64_t>(kLargestGridValue)) return clean(value, range.step);
  const double decimal = static_cast<double>(numerator) / grid.scale;
  // A unit of the 12th digit is at least 1e-12 of the magnitude.
  const double magnitude = std::max(std::fabs(value), std::fabs(decimal));
  if (!(std::fabs(value - decimal) <= 0.25e-12 * magnitude)) return clean(value, range.step);
  return std::fabs(decimal - value) <= std::fabs(range.step) * 1e-6 ? decimal : value;
}

int decimals_of(double value) {
  for (int decimals = 0; decimals < 6; ++decimals) {
    const double scaled = value * std::pow(10.0, decimals);
    if (std::fabs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, std::fabs(scaled))) return decimals;
  }
  return 6;
}

}  // namespace

RangeScan scan_range(std::string_view text, std::size_t max_values) {
  RangeScan scan;
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t colon = text.find(':', from);
    parts.push_back(text.substr(from, colon == std::string_view::npos ? colon : colon - from));
    if (colon == std::string_view::npos) break;
    from = colon + 1;
  }
  if (parts.size() != 1 && parts.size() != 3) {
    scan.error = RangeError::bad_shape;
    return scan;
  }
  double values[3] = {0.0, 0.0, 0.0};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const NumberScan number = scan_number(parts[i]);
    if (number.error != NumberError::none) {
      scan.error = RangeError::bad_number;
      scan.number_error = number.error;
      scan.part = std::string(trim_blanks(parts[i]));
      return scan;
    }
    values[i] = number.value;
  }
  if (parts.size() == 1) {
    scan.range = {values[0], values[0], 0.0};
    return scan;
  }
  scan.range = {values[0], values[1], values[2]};
  if (scan.range.step == 0.0) {
    scan.error = RangeError::zero_step;
    return scan;
  }
  const double count = value_count(scan.range.start, scan.range.stop, scan.range.step);
  if (count < 0.0) {
    scan.error = RangeError::nowhere;
  } else if (!(count <= static_cast<double>(max_values))) {
    scan.error = RangeError::too_many;
    scan.count = count;
  }
  return scan;
}

std::vector<double> range_values(const Range& range) {
  if (range.step == 0.0) return {range.start};
  const double count = value_count(range.start, range.stop, range.step);
  std::vector<double> values;
  if (!(count >= 1.0)) return values;
  const auto n = static_cast<std::size_t>(count);
  values.reserve(n);
  const std::optional<DecimalGrid> grid = decimal_grid(range);
  for (std::size_t i = 0; i < n; ++i)
    values.push_back(grid ? grid_value(*grid, range, i) : clean(range.start + static_cast<double>(i) * range.step, range.step));
  // The last value stands for STOP when it lies within the grid tolerance.
  if (n > 1 && std::fabs(values.back() - range.stop) <= std::fabs(range.step) * grid_tolerance)
    values.back() = range.stop;
  return values;
}

int range_decimals(const Range& range) {
  return std::max(decimals_of(range.start), range.step == 0.0 ? 0 : decimals_of(range.step));
}

}  // namespace tarniq::request
