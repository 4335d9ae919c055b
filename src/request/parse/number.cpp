// Scanning one decimal number: std::from_chars over the whole trimmed text.
#include "request/parse/number.hpp"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tarniq::request {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

NumberScan scan_number(std::string_view text) {
  text = trim_blanks(text);
  if (text.empty()) return {0.0, NumberError::empty};
  // from_chars takes no plus sign; a user may well type one.
  if (text.front() == '+' && text.size() > 1 && text[1] != '-' && text[1] != '+')
    text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) return {0.0, NumberError::out_of_range};
  if (error != std::errc{} || end != text.data() + text.size()) return {0.0, NumberError::not_a_number};
  if (!std::isfinite(value)) return {0.0, NumberError::not_finite};
  return {value, NumberError::none};
}

}  // namespace tarniq::request
