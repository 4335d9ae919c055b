// Column names with units, and the conversion of library values into cells.
#include "request/columns.hpp"

#include "tarniq/units.hpp"

namespace tarniq::request {

std::string column_name(std::string_view name, Quantity quantity, LengthUnit unit) {
  std::string full{name};
  switch (quantity) {
    case Quantity::length: return full + "_" + std::string(unit_name(unit));
    case Quantity::frequency: return full + "_ghz";
    case Quantity::angle: return full + "_deg";
    case Quantity::gain: return full + "_dbi";
    case Quantity::level: return full + "_db";
    case Quantity::plain:
    case Quantity::text: break;
  }
  return full;
}

Cell to_cell(const Value& value, Quantity quantity, LengthUnit unit) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  const auto* number = std::get_if<double>(&value);
  if (number == nullptr || !std::isfinite(*number)) return {};
  switch (quantity) {
    case Quantity::length: return from_metres(*number, unit);
    case Quantity::frequency: return *number / hertz_per_gigahertz;
    default: return *number;
  }
}

std::size_t column_index(const Result& result, std::string_view name) {
  std::size_t index = 0;
  while (index < result.columns.size() && result.columns[index].name != name) ++index;
  return index;
}

}  // namespace tarniq::request
