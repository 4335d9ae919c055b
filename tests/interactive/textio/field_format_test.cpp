// Fixed-point and text field rendering.
#include "textio/field_format.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace tarniq::textio {
namespace {

struct FixedCase {
  float value;
  int width;
  int digits;
  const char* expected;
};

// The rendering rules, one example each: rounding of exact halves to even on
// the binary value, the optional leading zero, no minus sign on zero,
// asterisks when too wide.
TEST(FixedField, RenderingRules) {
  const FixedCase cases[] = {
      {0.125f, 5, 2, " 0.12"},   {0.375f, 5, 2, " 0.38"},   {12.25f, 6, 1, "  12.2"},
      {0.5f, 3, 2, ".50"},       {0.5f, 4, 2, "0.50"},      {-0.5f, 4, 2, "-.50"},
      {-0.5f, 5, 2, "-0.50"},    {-0.04f, 4, 1, " 0.0"},    {0.04f, 4, 1, " 0.0"},
      {-0.0f, 4, 1, " 0.0"},     {9.96f, 3, 1, "***"},      {2.36f, 6, 1, "   2.4"},
      {-5.26f, 6, 1, "  -5.3"},  {10.0f, 7, 2, "  10.00"},  {99.5f, 4, 1, "99.5"},
      {99.96f, 4, 1, "****"},    {0.0f, 2, 1, ".0"},        {0.5f, 2, 2, "**"},
      {-0.5f, 3, 2, "***"},      {123456.0f, 10, 4, "**********"},
      {12345.0f, 10, 4, "12345.0000"}, {-1.0f, 6, 1, "  -1.0"}, {1.0e30f, 10, 3, "**********"},
      {2.5f, 4, 0, "  2."},      {3.5f, 4, 0, "  4."},      {0.4f, 2, 0, "0."},
      {-0.4f, 3, 0, " 0."},      {-0.6f, 3, 0, "-1."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(render_fixed(c.value, c.width, c.digits), c.expected)
        << c.value << " in F" << c.width << "." << c.digits;
}

// A field is written in place inside a record: nothing before or after it
// may change, however the value fits.
TEST(FixedField, WritesOnlyItsOwnColumns) {
  const FixedCase cases[] = {
      {0.5f, 3, 2, ".50"},  {-0.5f, 4, 2, "-.50"}, {-0.5f, 3, 2, "***"}, {0.0f, 2, 1, ".0"},
      {99.96f, 4, 1, "****"}, {-1.0f, 6, 1, "  -1.0"}, {1.0e30f, 10, 3, "**********"},
      {std::numeric_limits<float>::quiet_NaN(), 2, 1, "**"}, {0.4f, 2, 0, "0."},
  };
  for (const auto& c : cases) {
    std::string record(static_cast<std::size_t>(c.width) + 8, '#');
    put_fixed(std::span<char>(record).subspan(4, static_cast<std::size_t>(c.width)), c.value, c.digits);
    EXPECT_EQ(record, "####" + std::string(c.expected) + "####") << c.value << " in F" << c.width << "." << c.digits;
  }
}

TEST(FixedField, ValuesThatAreNotNumbers) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(render_fixed(nan, 7, 2), "    NaN");
  EXPECT_EQ(render_fixed(inf, 6, 1), "   Inf");
  EXPECT_EQ(render_fixed(-inf, 6, 1), "  -Inf");
  EXPECT_EQ(render_fixed(-inf, 4, 1), "-Inf");
  EXPECT_EQ(render_fixed(-inf, 3, 1), "***");
  EXPECT_EQ(render_fixed(nan, 2, 1), "**");
}

TEST(TextField, RightJustifiedOrCut) {
  EXPECT_EQ(render_text(" cm ", 4), " cm ");
  EXPECT_EQ(render_text("10", 2), "10");
  EXPECT_EQ(render_text("E", 3), "  E");
  EXPECT_EQ(render_text("abcdef", 3), "abc");
}

// An independent renderer for the cross-check below: the exact decimal value
// of the float from its bits, by schoolbook big-number arithmetic, rounded
// half to even by hand.
class ExactDecimal {
 public:
  explicit ExactDecimal(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    negative_ = (bits >> 31) != 0;
    const int biased = static_cast<int>((bits >> 23) & 0xffu);
    std::uint32_t mantissa = bits & 0x7fffffu;
    int exponent = biased - 150;
    if (biased == 0) {
      exponent = -149;
    } else {
      mantissa |= 0x800000u;
    }
    digits_ = std::to_string(mantissa);  // value = digits_ * 10^-fraction_digits_
    for (; exponent > 0; --exponent) multiply(2);
    for (; exponent < 0; ++exponent) {
      multiply(5);
      ++fraction_digits_;
    }
  }

  // Sign, integer digits and `d` decimals, rounded half to even; "0" integer
  // part kept.
  std::string fixed(int d) const {
    std::string all = digits_;
    int fraction = fraction_digits_;
    while (fraction < d) {
      all += '0';
      ++fraction;
    }
    if (all.size() <= static_cast<std::size_t>(fraction))
      all.insert(0, static_cast<std::size_t>(fraction) + 1 - all.size(), '0');
    const std::size_t keep = all.size() - static_cast<std::size_t>(fraction - d);
    std::string kept = all.substr(0, keep);
    const std::string dropped = all.substr(keep);
    if (!dropped.empty()) {
      const bool above_half = dropped[0] > '5' ||
                              (dropped[0] == '5' && dropped.find_first_not_of('0', 1) != std::string::npos);
      const bool exactly_half = dropped[0] == '5' && !above_half;
      const bool odd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
      if (above_half || (exactly_half && odd)) increment(kept);
    }
    while (kept.size() < static_cast<std::size_t>(d) + 1) kept.insert(kept.begin(), '0');
    std::string integer = kept.substr(0, kept.size() - static_cast<std::size_t>(d));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    const std::string text = integer + "." + kept.substr(kept.size() - static_cast<std::size_t>(d));
    const bool zero = text.find_first_of("123456789") == std::string::npos;
    return (negative_ && !zero ? "-" : "") + text;
  }

 private:
  void multiply(int factor) {
    int carry = 0;
    for (auto digit = digits_.rbegin(); digit != digits_.rend(); ++digit) {
      const int product = (*digit - '0') * factor + carry;
      *digit = static_cast<char>('0' + product % 10);
      carry = product / 10;
    }
    if (carry > 0) digits_.insert(digits_.begin(), static_cast<char>('0' + carry));
  }
  static void increment(std::string& number) {
    for (auto digit = number.rbegin(); digit != number.rend(); ++digit) {
      if (*digit != '9') {
        ++*digit;
        return;
      }
      *digit = '0';
    }
    number.insert(number.begin(), '1');
  }

  bool negative_ = false;
  std::string digits_;
  int fraction_digits_ = 0;
};

std::string independent_fixed(float value, int width, int digits) {
  std::string text = ExactDecimal(value).fixed(digits);
  const auto w = static_cast<std::size_t>(width);
  const std::size_t zero_at = text[0] == '-' ? 1 : 0;
  if (text.size() > w && text.compare(zero_at, 2, "0.") == 0) text.erase(zero_at, 1);
  if (text.size() > w) return std::string(w, '*');
  return std::string(w - text.size(), ' ') + text;
}

// Thousands of values of every magnitude the tables print, including exact
// halves built from their bit patterns, agree with the exact decimal value.
TEST(FixedField, AgreesWithExactDecimalRendering) {
  std::mt19937 random(20261207);
  std::uniform_real_distribution<float> log_magnitude(-6.0f, 7.0f);
  std::uniform_int_distribution<int> pick_digits(0, 5);
  int checked = 0;
  for (int i = 0; i < 4000; ++i) {
    float value = std::pow(10.0f, log_magnitude(random));
    if (i % 2 == 1) value = -value;
    if (i % 7 == 0) value = std::round(value * 8.0f) / 8.0f;  // exact halves at 1 and 2 digits
    const int digits = pick_digits(random);
    for (const int width : {digits + 2, digits + 4, digits + 8}) {
      ASSERT_EQ(render_fixed(value, width, digits), independent_fixed(value, width, digits))
          << std::hexfloat << value << " in F" << width << "." << digits;
      ++checked;
    }
  }
  for (std::uint32_t bits = 0x3e000000u; bits < 0x3e000000u + 2000u; ++bits) {
    const float value = std::bit_cast<float>(bits);
    ASSERT_EQ(render_fixed(value, 12, 9), independent_fixed(value, 12, 9)) << std::hexfloat << value;
    ++checked;
  }
  EXPECT_GT(checked, 10000);
}

// Rendering takes an exact integer route while the value times 10^d fits in
// 64 bits, and the general one beyond: both agree with the exact decimal
// value on every magnitude, on wide fields, and on the values next to each
// power of two where the integer route gives way.
TEST(FixedField, BothRoutesAgreeWithExactDecimalRendering) {
  std::mt19937 random(20261208);
  std::uniform_real_distribution<float> log_magnitude(-20.0f, 38.0f);
  std::uniform_int_distribution<int> pick_digits(0, 16);
  for (int i = 0; i < 3000; ++i) {
    const float value = (i % 2 == 1 ? -1.0f : 1.0f) * std::pow(10.0f, log_magnitude(random));
    const int digits = pick_digits(random);
    for (const int width : {digits + 2, digits + 9, digits + 45})
      ASSERT_EQ(render_fixed(value, width, digits), independent_fixed(value, width, digits))
          << std::hexfloat << value << " in F" << width << "." << digits;
  }
  for (int power = -45; power <= 64; ++power) {
    const float two_to_power = std::ldexp(1.0f, power);
    for (const float value : {std::nextafter(two_to_power, 0.0f), two_to_power,
                              std::nextafter(two_to_power, 2.0f * two_to_power)}) {
      for (int digits = 0; digits <= 14; ++digits)
        ASSERT_EQ(render_fixed(value, 40, digits), independent_fixed(value, 40, digits))
            << std::hexfloat << value << " in F40." << digits;
    }
  }
}

}  // namespace
}  // namespace tarniq::textio
