// Fixed-point and text field rendering.
#include "textio/field_format.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace tarniq::textio {
namespace {

std::string fit_right(std::string_view text, int width) {
  if (width <= 0) return {};
  const auto w = static_cast<std::size_t>(width);
  if (text.size() > w) return std::string(w, '*');
  return std::string(w - text.size(), ' ') + std::string(text);
}

std::string render_not_finite(float value, int width) {
  if (std::isnan(value)) return fit_right("NaN", width);
  return fit_right(value < 0.0f ? "-Inf" : "Inf", width);
}

// The magnitude rounded to `digits` places, always with a decimal point:
// "12.50", "0.04", "3.".
std::string rounded_magnitude(float magnitude, int digits) {
  // The largest float has 39 integer digits; the precision is bounded by the
  // field width, which layouts keep small.
  std::array<char, 64 + 128> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, digits);
  std::string text(buffer.data(), result.ptr);
  if (digits == 0) text += '.';
  return text;
}

}  // namespace

std::string render_fixed(float value, int width, int digits) {
  if (width <= 0) return {};
  if (!std::isfinite(value)) return render_not_finite(value, width);
  if (digits < 0 || digits > 100) return std::string(static_cast<std::size_t>(width), '*');

  std::string magnitude = rounded_magnitude(std::fabs(value), digits);
  const bool rounds_to_zero = magnitude.find_first_of("123456789") == std::string::npos;
  const bool negative = std::signbit(value) && !rounds_to_zero;
  std::string text = (negative ? "-" : "") + magnitude;

  const auto w = static_cast<std::size_t>(width);
  const std::size_t sign_length = negative ? 1 : 0;
  const bool zero_integer_part = magnitude[0] == '0' && magnitude[1] == '.';
  if (text.size() > w && zero_integer_part) {
    // The zero before the point is optional: leave it out when it is what
    // keeps the number from fitting.
    text.erase(sign_length, 1);
  }
  return fit_right(text, width);
}

std::string render_text(std::string_view text, int width) {
  if (width <= 0) return {};
  const auto w = static_cast<std::size_t>(width);
  if (text.size() >= w) return std::string(text.substr(0, w));
  return std::string(w - text.size(), ' ') + std::string(text);
}

}  // namespace tarniq::textio
