// Argument checks at the library's boundary.
#include "checks.hpp"

#include <cmath>
#include <cstdio>

#include "tarniq/errors.hpp"

namespace tarniq::detail {

std::string show(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string show(std::string_view quantity, double value, std::string_view unit) {
  std::string text{quantity};
  text += ' ';
  text += show(value);
  if (!unit.empty()) {
    text += ' ';
    text += unit;
  }
  return text;
}

void require_positive(double value, std::string_view quantity, std::string_view unit) {
  if (!(std::isfinite(value) && value > 0.0))
    throw InvalidArgument(show(quantity, value, unit) + " is not positive and finite");
}

void require_finite(double value, std::string_view quantity, std::string_view unit) {
  if (!std::isfinite(value)) throw InvalidArgument(show(quantity, value, unit) + " is not finite");
}

}  // namespace tarniq::detail
