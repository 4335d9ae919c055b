// Length units: names, scale to metres, table precision.
#include "request/parse/units.hpp"

#include <charconv>
#include <cmath>

#include "tarniq/units.hpp"

namespace tarniq::request {

std::string_view unit_name(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::mm: return "mm";
    case LengthUnit::in: return "in";
    case LengthUnit::cm: break;
  }
  return "cm";
}

double to_metres(double length, LengthUnit unit) {
  switch (unit) {
    case LengthUnit::mm: return length / 1000.0;
    case LengthUnit::in: return length * metres_per_inch;
    case LengthUnit::cm: break;
  }
  return length / 100.0;
}

double from_metres(double metres, LengthUnit unit) {
  double length = metres * 100.0;
  switch (unit) {
    case LengthUnit::mm: length = metres * 1000.0; break;
    case LengthUnit::in: length = metres / metres_per_inch; break;
    case LengthUnit::cm: break;
  }
  // The conversion's last-bit error shows in full precision: 0.75 in stored
  // as 0.01905 m comes back as 0.7499999999999999. A length within two units
  // in the last place of a 15-digit decimal is taken as that decimal.
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, length, std::chars_format::general, 15);
  double decimal = length;
  std::from_chars(text, written.ptr, decimal);
  const double last_place = std::nextafter(std::fabs(length), HUGE_VAL) - std::fabs(length);
  return std::fabs(decimal - length) <= 2.0 * last_place ? decimal : length;
}

int length_decimals(LengthUnit unit) { return unit == LengthUnit::mm ? 2 : 3; }

}  // namespace tarniq::request
