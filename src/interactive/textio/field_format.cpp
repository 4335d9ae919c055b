// Fixed-point and text field rendering, without heap memory.
#include "textio/field_format.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace tarniq::textio {
namespace {

// Writes `text` right-justified in `field`, or asterisks when it is too long.
void fit_right(std::span<char> field, std::string_view text) {
  if (text.size() > field.size()) {
    std::fill(field.begin(), field.end(), '*');
    return;
  }
  const auto blanks = field.begin() + static_cast<std::ptrdiff_t>(field.size() - text.size());
  std::fill(field.begin(), blanks, ' ');
  std::copy(text.begin(), text.end(), blanks);
}

// Up to 12 decimals, a 24-bit significand times 10^digits stays below 2^64.
constexpr int kMaxExactDigits = 12;
constexpr std::array<std::uint64_t, kMaxExactDigits + 1> kPowersOfTen = {
    1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u,
    1000000000u, 10000000000u, 100000000000u, 1000000000000u};

// |value| · 10^digits rounded half to even, computed exactly from the bits of
// the float (significand m, exponent e: |value| = m · 2^e), when the result
// and its intermediate product fit in 64 bits; nothing otherwise.
std::optional<std::uint64_t> scaled_magnitude(float value, int digits) {
  if (digits > kMaxExactDigits) return std::nullopt;
  const auto bits = std::bit_cast<std::uint32_t>(value) & 0x7fffffffu;
  const int biased_exponent = static_cast<int>(bits >> 23);
  std::uint64_t m = bits & 0x7fffffu;
  int e = -149;  // subnormal
  if (biased_exponent != 0) {
    m |= 0x800000u;
    e = biased_exponent - 150;
  }
  const std::uint64_t product = m * kPowersOfTen[static_cast<std::size_t>(digits)];
  if (e >= 0) {
    if (e >= 64 || product > (std::numeric_limits<std::uint64_t>::max() >> e)) return std::nullopt;
    return product << e;
  }
  const int shift = -e;
  if (shift >= 64) return std::nullopt;  // below 2^-40: rare, left to the general route
  std::uint64_t scaled = product >> shift;
  const std::uint64_t rest = product & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (scaled & 1u) != 0)) ++scaled;
  return scaled;
}

// The magnitude of a value rounded to `digits` places by the standard
// library (which rounds the exact binary value half to even), always with a
// decimal point ("12.50", "0.04", "3."), held in a fixed buffer.
class RoundedMagnitude {
 public:
  RoundedMagnitude(float magnitude, int digits) {
    const auto result = std::to_chars(buffer_.data(), buffer_.data() + buffer_.size(), magnitude,
                                      std::chars_format::fixed, digits);
    length_ = static_cast<std::size_t>(result.ptr - buffer_.data());
    if (digits == 0) buffer_[length_++] = '.';
  }

  std::string_view text() const { return {buffer_.data(), length_}; }
  bool is_zero() const { return text().find_first_of("123456789") == std::string_view::npos; }
  bool integer_part_is_zero() const { return text().starts_with("0."); }

 private:
  // The largest float has 39 integer digits; layouts keep d far below 100.
  std::array<char, 39 + 1 + 100 + 8> buffer_{};
  std::size_t length_ = 0;
};

void put_not_finite(std::span<char> field, float value) {
  if (std::isnan(value)) return fit_right(field, "NaN");
  fit_right(field, value < 0.0f ? "-Inf" : "Inf");
}

// Writes the last `count` decimal digits of `number` leftwards, ending just
// before `end`; returns where they start. Numbers of 32 bits (nearly all the
// tables print) take the cheaper 32-bit division.
char* digits_before(char* end, std::uint64_t number, int count) {
  if (number <= std::numeric_limits<std::uint32_t>::max()) {
    auto narrow = static_cast<std::uint32_t>(number);
    for (int i = 0; i < count; ++i) {
      *--end = static_cast<char>('0' + narrow % 10);
      narrow /= 10;
    }
    return end;
  }
  for (int i = 0; i < count; ++i) {
    *--end = static_cast<char>('0' + number % 10);
    number /= 10;
  }
  return end;
}

// The common case, straight into the field from the right: the value scaled
// to an integer of units in the last place (`scaled`), split at the point.
void put_scaled(std::span<char> field, std::uint64_t scaled, bool sign_bit, int digits) {
  const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(digits)];
  std::uint64_t integer_part = scaled / unit;
  const std::size_t sign = sign_bit && scaled != 0 ? 1 : 0;  // no minus sign on a zero
  const std::size_t width = field.size();
  const auto fraction = static_cast<std::size_t>(digits) + 1;  // the point and the decimals
  // Without the zero of a zero integer part, the shortest text there is.
  if (sign + fraction > width) return std::fill(field.begin(), field.end(), '*');
  char* at = digits_before(field.data() + width, scaled % unit, digits);
  *--at = '.';
  std::size_t room = width - fraction - sign;  // for integer digits
  if (integer_part == 0) {
    // The zero before the point is optional: left out when there is no room.
    if (room > 0) *--at = '0';
  } else {
    for (; integer_part != 0 && room != 0; --room) {
      *--at = static_cast<char>('0' + integer_part % 10);
      integer_part /= 10;
    }
    if (integer_part != 0) return std::fill(field.begin(), field.end(), '*');
  }
  if (sign != 0) *--at = '-';
  std::fill(field.data(), at, ' ');
}

}  // namespace

void put_fixed(std::span<char> field, float value, int digits) {
  if (field.empty()) return;
  if (!std::isfinite(value)) return put_not_finite(field, value);
  if (digits < 0 || digits > 100) return std::fill(field.begin(), field.end(), '*');
  if (const auto scaled = scaled_magnitude(value, digits))
    return put_scaled(field, *scaled, std::signbit(value), digits);

  // Huge values, tiny ones and many decimals: the general route.
  const RoundedMagnitude magnitude(std::fabs(value), digits);
  const bool negative = std::signbit(value) && !magnitude.is_zero();
  std::string_view digits_text = magnitude.text();
  if (digits_text.size() + (negative ? 1 : 0) > field.size() && magnitude.integer_part_is_zero())
    digits_text.remove_prefix(1);
  const std::size_t length = digits_text.size() + (negative ? 1 : 0);
  if (length > field.size()) return std::fill(field.begin(), field.end(), '*');

  const auto start = field.begin() + static_cast<std::ptrdiff_t>(field.size() - length);
  std::fill(field.begin(), start, ' ');
  auto at = start;
  if (negative) *at++ = '-';
  std::copy(digits_text.begin(), digits_text.end(), at);
}

void put_text(std::span<char> field, std::string_view text) {
  if (text.size() >= field.size()) {
    std::copy_n(text.begin(), field.size(), field.begin());
    return;
  }
  fit_right(field, text);
}

std::string render_fixed(float value, int width, int digits) {
  std::string field(static_cast<std::size_t>(std::max(width, 0)), ' ');
  put_fixed(field, value, digits);
  return field;
}

std::string render_text(std::string_view text, int width) {
  std::string field(static_cast<std::size_t>(std::max(width, 0)), ' ');
  put_text(field, text);
  return field;
}

}  // namespace tarniq::textio
