// Floating-point to_chars and from_chars on the C library's printf and strtod.
#include "floating_charconv.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace tarniq::web {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether [p, last) starts with the lower-case word, case ignored.
bool starts_with_word(const char* p, const char* last, const char* word) {
  for (; *word != '\0'; ++p, ++word)
    if (p == last || lower(*p) != *word) return false;
  return true;
}

std::to_chars_result copy_out(char* first, char* last, const std::string& text) {
  if (text.size() > static_cast<std::size_t>(last - first)) return {last, std::errc::value_too_large};
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), std::errc{}};
}

double read_back(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// A decimal of `count` significant digits: mantissa · 10^power.
struct Decimal {
  std::uint64_t mantissa = 0;
  int power = 0;
};

std::string decimal_text(const Decimal& d) { return std::to_string(d.mantissa) + "e" + std::to_string(d.power); }

// The closest decimal of `count` digits to the value (printf rounds
// correctly), or its neighbour on the other side when only that one reads
// back as the value; nothing when neither does.
bool round_trip_digits(double value, int count, Decimal& out) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*e", count - 1, value);
  Decimal nearest;
  int exponent = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (is_digit(*p)) nearest.mantissa = nearest.mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    if (*p == 'e') {
      exponent = std::atoi(p + 1);
      break;
    }
  }
  nearest.power = exponent - (count - 1);
  const Decimal candidates[3] = {nearest, {nearest.mantissa - 1, nearest.power}, {nearest.mantissa + 1, nearest.power}};
  const double magnitude = std::fabs(value);
  for (const Decimal& candidate : candidates) {
    if (read_back(decimal_text(candidate)) == magnitude) {
      out = candidate;
      return true;
    }
  }
  return false;
}

// The shortest digits that read back as the value (a positive finite number):
// having a decimal of n digits that does is monotone in n, so a binary search
// over 1 to 17 digits finds the fewest.
Decimal shortest_digits(double value) {
  Decimal best;
  round_trip_digits(value, 17, best);
  int low = 1, high = 17;
  while (low < high) {
    const int middle = (low + high) / 2;
    Decimal found;
    if (round_trip_digits(value, middle, found)) {
      best = found;
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  while (best.mantissa % 10 == 0 && best.mantissa != 0) {
    best.mantissa /= 10;
    ++best.power;
  }
  return best;
}

// The digits in fixed form and in scientific form (exponent of at least two
// digits, as printf writes it); the shorter is chosen, fixed on a tie. A
// whole number in fixed form is written exactly, as the standard library
// does, rather than padded with zeros.
std::string shortest_form(double magnitude, const Decimal& decimal) {
  const std::string digits = std::to_string(decimal.mantissa);
  const int count = static_cast<int>(digits.size());
  const int exponent = decimal.power + count - 1;  // of the first digit
  std::string fixed;
  if (exponent >= count - 1) {
    char whole[400];
    std::snprintf(whole, sizeof whole, "%.0f", magnitude);
    fixed = whole;
  } else if (exponent >= 0) {
    fixed = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
            digits.substr(static_cast<std::size_t>(exponent) + 1);
  } else {
    fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  std::string scientific = digits.substr(0, 1);
  if (count > 1) scientific += "." + digits.substr(1);
  const int size = exponent < 0 ? -exponent : exponent;
  scientific += std::string(exponent < 0 ? "e-" : "e+") + (size < 10 ? "0" : "") + std::to_string(size);
  return fixed.size() <= scientific.size() ? fixed : scientific;
}

}  // namespace

std::to_chars_result shortest_to_chars(char* first, char* last, double value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return copy_out(first, last, sign + "nan");
  if (std::isinf(value)) return copy_out(first, last, sign + "inf");
  if (value == 0.0) return copy_out(first, last, sign + "0");
  return copy_out(first, last, sign + shortest_form(std::fabs(value), shortest_digits(value)));
}

std::to_chars_result precise_to_chars(char* first, char* last, double value, std::chars_format format,
                                      int precision) {
  if (precision < 0) precision = 6;
  const char* pattern = "%.*g";
  if (format == std::chars_format::fixed) pattern = "%.*f";
  if (format == std::chars_format::scientific) pattern = "%.*e";
  if (format == std::chars_format::hex) pattern = "%.*a";
  const int size = std::snprintf(nullptr, 0, pattern, precision, value);
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), pattern, precision, value);
  text.pop_back();
  if (format == std::chars_format::hex) text.erase(text.find('x') - 1, 2);  // no "0x", as to_chars writes it
  return copy_out(first, last, text);
}

std::from_chars_result decimal_from_chars(const char* first, const char* last, double& value,
                                          std::chars_format format) {
  const char* p = first;
  const bool negative = p != last && *p == '-';
  if (negative) ++p;
  if (starts_with_word(p, last, "inf")) {
    p += starts_with_word(p, last, "infinity") ? 8 : 3;
    value = negative ? -HUGE_VAL : HUGE_VAL;
    return {p, std::errc{}};
  }
  if (starts_with_word(p, last, "nan")) {
    p += 3;
    // "nan(chars)": letters, digits and underscores in parentheses.
    const char* q = p;
    if (q != last && *q == '(') {
      ++q;
      while (q != last && (is_digit(*q) || (lower(*q) >= 'a' && lower(*q) <= 'z') || *q == '_')) ++q;
      if (q != last && *q == ')') p = q + 1;
    }
    value = negative ? -std::nan("") : std::nan("");
    return {p, std::errc{}};
  }
  int digits = 0;
  bool nonzero = false;
  const auto count_digit = [&] {
    nonzero = nonzero || *p != '0';
    ++digits;
    ++p;
  };
  while (p != last && is_digit(*p)) count_digit();
  if (p != last && *p == '.') {
    ++p;
    while (p != last && is_digit(*p)) count_digit();
  }
  if (digits == 0) return {first, std::errc::invalid_argument};
  bool has_exponent = false;
  if (format != std::chars_format::fixed && p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && is_digit(*q)) {
      while (q != last && is_digit(*q)) ++q;
      p = q;
      has_exponent = true;
    }
  }
  if (format == std::chars_format::scientific && !has_exponent) return {first, std::errc::invalid_argument};
  const std::string text(first, p);
  // Out of range: beyond the largest double, or a non-zero number that
  // rounds to zero; a result among the subnormals is a value.
  const double read = std::strtod(text.c_str(), nullptr);
  if (std::isinf(read) || (read == 0.0 && nonzero)) return {p, std::errc::result_out_of_range};
  value = read;
  return {p, std::errc{}};
}

}  // namespace tarniq::web
