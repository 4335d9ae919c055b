// The free-form reader: scanning the answer, then converting each value.
#include "textio/free_form.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "textio/fatal_error.hpp"

namespace tarniq::textio {
namespace {

constexpr bool is_blank(char c) { return c == ' ' || c == '\t'; }
constexpr bool ends_token(char c) { return is_blank(c) || c == ',' || c == '/'; }
constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }
constexpr bool is_exponent_letter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q';
}

// A value that has the form of a number, rewritten for the standard
// converters: no leading plus sign, exponent letter 'e'.
struct NumberText {
  std::string text;
  bool integer_form = true;  // no decimal point and no exponent
};

std::size_t scan_digits(std::string_view s, std::size_t at) {
  while (at < s.size() && is_digit(s[at])) ++at;
  return at;
}

std::optional<NumberText> scan_number(std::string_view token) {
  NumberText number;
  std::size_t at = 0;
  if (at < token.size() && (token[at] == '+' || token[at] == '-')) {
    if (token[at] == '-') number.text += '-';
    ++at;
  }
  const std::size_t integer_end = scan_digits(token, at);
  std::size_t digit_count = integer_end - at;
  std::size_t end = integer_end;
  if (end < token.size() && token[end] == '.') {
    number.integer_form = false;
    const std::size_t fraction_end = scan_digits(token, end + 1);
    digit_count += fraction_end - (end + 1);
    end = fraction_end;
  }
  if (digit_count == 0) return std::nullopt;
  number.text.append(token.substr(at, end - at));
  if (end < token.size() && is_exponent_letter(token[end])) {
    number.integer_form = false;
    std::size_t exponent = end + 1;
    number.text += 'e';
    if (exponent < token.size() && (token[exponent] == '+' || token[exponent] == '-'))
      number.text += token[exponent++];
    const std::size_t exponent_end = scan_digits(token, exponent);
    if (exponent_end == exponent) return std::nullopt;
    number.text.append(token.substr(exponent, exponent_end - exponent));
    end = exponent_end;
  }
  if (end != token.size()) return std::nullopt;
  return number;
}

// Too large in magnitude for the converter's type? (The alternative is a
// value too small, which becomes zero.)
bool overflows(const std::string& text) { return std::fabs(std::strtod(text.c_str(), nullptr)) > 1.0; }

ReadError convert(const NumberText& number, float& item) {
  const char* first = number.text.data();
  const char* last = first + number.text.size();
  float value = 0.0f;
  const auto result = std::from_chars(first, last, value);
  if (result.ec == std::errc::result_out_of_range) {
    if (overflows(number.text)) return ReadError::Conversion;
    value = number.text.front() == '-' ? -0.0f : 0.0f;
  } else if (result.ec != std::errc{} || result.ptr != last) {
    return ReadError::Syntax;
  }
  item = value;
  return ReadError::None;
}

ReadError convert(const NumberText& number, std::int32_t& item) {
  const char* first = number.text.data();
  const char* last = first + number.text.size();
  if (number.integer_form) {
    std::int32_t value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) return ReadError::Conversion;
    if (result.ec != std::errc{} || result.ptr != last) return ReadError::Syntax;
    item = value;
    return ReadError::None;
  }
  // A real value for an integer item: truncated toward zero.
  double value = 0.0;
  const auto result = std::from_chars(first, last, value);
  if (result.ec == std::errc::result_out_of_range) {
    if (overflows(number.text)) return ReadError::Conversion;
    value = 0.0;
  } else if (result.ec != std::errc{} || result.ptr != last) {
    return ReadError::Syntax;
  }
  const double truncated = std::trunc(value);
  if (truncated < std::numeric_limits<std::int32_t>::min() ||
      truncated > std::numeric_limits<std::int32_t>::max())
    return ReadError::Conversion;
  item = static_cast<std::int32_t>(truncated);
  return ReadError::None;
}

// What is wrong with a value that cannot be read, for the diagnostic.
constexpr std::string_view kNotANumber = "is not a number";
constexpr std::string_view kRealOutOfRange =
    "is beyond the range of a real number (at most about 3.4E+38 in size)";
constexpr std::string_view kWholeOutOfRange =
    "is beyond the range of a whole number (-2147483648 to 2147483647)";
constexpr std::string_view kRepeatOutOfRange = "has a repeat count beyond 2147483647";

struct TokenOutcome {
  ReadError error = ReadError::None;
  std::string_view problem;
};

TokenOutcome assign(const ListItem& item, std::string_view token) {
  const auto number = scan_number(token);
  if (!number) return {ReadError::Syntax, kNotANumber};
  switch (std::visit([&](auto* variable) { return convert(*number, *variable); }, item)) {
    case ReadError::None: return {};
    case ReadError::Conversion:
      return {ReadError::Conversion,
              std::holds_alternative<float*>(item) ? kRealOutOfRange : kWholeOutOfRange};
    default: return {ReadError::Syntax, kNotANumber};
  }
}

// The repeat count r of r*c or r*: an unsigned integer of at least 1.
ReadError scan_repeat(std::string_view digits, std::size_t& count) {
  if (digits.empty() || scan_digits(digits, 0) != digits.size()) return ReadError::Syntax;
  std::uint32_t value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range || value > 0x7fffffffu) return ReadError::Conversion;
  if (value == 0) return ReadError::Syntax;
  count = value;
  return ReadError::None;
}

// Settles items from `next` on with one token: a value, r*c or r*.
TokenOutcome take_token(std::string_view token, std::span<const ListItem> items, std::size_t& next) {
  const std::size_t star = token.find('*');
  if (star == std::string_view::npos) return assign(items[next++], token);
  std::size_t count = 0;
  switch (scan_repeat(token.substr(0, star), count)) {
    case ReadError::None: break;
    case ReadError::Conversion: return {ReadError::Conversion, kRepeatOutOfRange};
    default: return {ReadError::Syntax, kNotANumber};
  }
  const std::string_view value = token.substr(star + 1);
  const std::size_t settled = std::min(count, items.size() - next);
  if (value.empty()) {  // r null values
    next += settled;
    return {};
  }
  for (std::size_t i = 0; i < settled; ++i)
    if (const TokenOutcome outcome = assign(items[next++], value); outcome.error != ReadError::None)
      return outcome;
  return {};
}

}  // namespace

ScanOutcome scan_free_form(ConsoleInput& input, std::span<const ListItem> items) {
  std::optional<std::string> line = input.next_line();
  if (!line) return {ReadError::EndOfInput, {}, {}};
  std::size_t at = 0;
  std::size_t next = 0;  // the first item not yet settled
  bool value_since_comma = false;
  while (next < items.size()) {
    while (at < line->size() && is_blank((*line)[at])) ++at;
    if (at == line->size()) {  // the end of a line separates like a blank
      line = input.next_line();
      if (!line) return {ReadError::EndOfInput, {}, {}};
      at = 0;
      continue;
    }
    const char c = (*line)[at];
    if (c == '/') return {};
    if (c == ',') {
      if (!value_since_comma) ++next;  // null value
      value_since_comma = false;
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < line->size() && !ends_token((*line)[end])) ++end;
    const std::string_view token = std::string_view(*line).substr(at, end - at);
    if (const TokenOutcome outcome = take_token(token, items, next); outcome.error != ReadError::None)
      return {outcome.error, std::string(token), outcome.problem};
    value_since_comma = true;
    at = end;
  }
  return {};
}

void read_free_form(ConsoleInput& input, std::span<const ListItem> items) {
  const ScanOutcome outcome = scan_free_form(input, items);
  switch (outcome.error) {
    case ReadError::None: return;
    case ReadError::EndOfInput: throw console_input_error(ErrorNumber::EndOfFile);
    case ReadError::Syntax:
      throw console_input_error(ErrorNumber::SyntaxError, outcome.text, outcome.problem);
    case ReadError::Conversion:
      throw console_input_error(ErrorNumber::ConversionError, outcome.text, outcome.problem);
  }
}

}  // namespace tarniq::textio
