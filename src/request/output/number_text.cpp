// Numbers as text: std::to_chars's shortest form (through Dragonbox where it is built in), negative zero as zero.
#include "request/output/number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>

#if TARNIQ_HAVE_DRAGONBOX
#include <dragonbox/dragonbox.h>
#endif

namespace tarniq::request {
namespace {

#if TARNIQ_HAVE_DRAGONBOX
// "00" to "99", so that digits are written two at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Decimal digits of n (n < 10^17), written backwards from `end`.
char* write_digits_backwards(char* end, std::uint64_t n) {
  while (n >= 100) {
    const auto pair = static_cast<std::size_t>(n % 100) * 2;
    n /= 100;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  if (n >= 10) {
    const auto pair = static_cast<std::size_t>(n) * 2;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  } else {
    *--end = static_cast<char>('0' + n);
  }
  return end;
}

// The shortest round-trip text of a finite, non-zero value below 2^53 in
// magnitude, laid out as std::to_chars(value) lays it out: the same digits
// (Dragonbox and the standard library both give the shortest decimal nearest
// the value), in fixed notation unless scientific is strictly shorter.
// (Larger integers in fixed notation get their exact digits from the
// standard library, not the shortest ones padded with zeros.) Returns the end.
char* shortest_text(char* out, double value) {
  const auto decimal = jkj::dragonbox::to_decimal(value);
  const std::uint64_t significand = decimal.significand;
  const int exponent = decimal.exponent;  // value = ±significand · 10^exponent
  char buffer[24];
  char* const buffer_end = buffer + sizeof buffer;
  const char* first = write_digits_backwards(buffer_end, significand);
  const int digits = static_cast<int>(buffer_end - first);
  const int scientific_exponent = exponent + digits - 1;
  const int exponent_digits = std::abs(scientific_exponent) >= 100 ? 3 : 2;
  const int scientific_length = digits + (digits > 1 ? 1 : 0) + 2 + exponent_digits;
  const int fixed_length = exponent >= 0 ? digits + exponent : digits + exponent > 0 ? digits + 1 : 2 - exponent;
  if (decimal.is_negative) *out++ = '-';
  if (scientific_length < fixed_length) {  // d.ddde±XX
    *out++ = *first++;
    if (first != buffer_end) {
      *out++ = '.';
      while (first != buffer_end) *out++ = *first++;
    }
    *out++ = 'e';
    *out++ = scientific_exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(scientific_exponent);
    if (exponent_digits == 3) *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
  }
  if (exponent >= 0) {  // digits then zeros
    while (first != buffer_end) *out++ = *first++;
    for (int i = 0; i < exponent; ++i) *out++ = '0';
  } else if (digits + exponent > 0) {  // a point among the digits
    for (int i = 0; i < digits + exponent; ++i) *out++ = *first++;
    *out++ = '.';
    while (first != buffer_end) *out++ = *first++;
  } else {  // 0.000ddd
    *out++ = '0';
    *out++ = '.';
    for (int i = 0; i < -(digits + exponent); ++i) *out++ = '0';
    while (first != buffer_end) *out++ = *first++;
  }
  return out;
}
#endif

// "-0", "-0.000": a value that rounds to zero prints without its sign.
std::string without_negative_zero(std::string text) {
  if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);
  return text;
}

}  // namespace

std::string exact_text(double value) {
  std::string text;
  append_exact_text(text, value);
  return text;
}

void append_exact_text(std::string& out, double value) {
  // Only zero prints as "-0" in the shortest form.
  if (value == 0.0) value = 0.0;
  char text[32];
#if TARNIQ_HAVE_DRAGONBOX
  constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
  if (value != 0.0 && std::fabs(value) < kExactIntegers) {
    out.append(text, shortest_text(text, value));
    return;
  }
#endif
  const auto written = std::to_chars(text, text + sizeof text, value);
  out.append(text, written.ptr);
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
