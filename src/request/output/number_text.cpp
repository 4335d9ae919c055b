// Numbers as text: std::to_chars, with negative zero shown as zero.
#include "request/output/number_text.hpp"

#include <charconv>

namespace tarniq::request {
namespace {

// "-0", "-0.000": a value that rounds to zero prints without its sign.
std::string without_negative_zero(std::string text) {
  if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);
  return text;
}

}  // namespace

std::string exact_text(double value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  return without_negative_zero({text, written.ptr});
}

std::string fixed_text(double value, int decimals) {
  char text[400];  // the largest double in fixed notation with a few decimals fits
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return without_negative_zero({text, written.ptr});
}

std::string short_text(double value, int max_decimals) {
  std::string text = fixed_text(value, max_decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

}  // namespace tarniq::request
