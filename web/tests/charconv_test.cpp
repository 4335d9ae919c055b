// The web build's floating-point to_chars and from_chars against the host's standard library, case by case.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "compat/floating_charconv.hpp"

namespace {

std::string host_shortest(double value) {
  char text[64];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::string web_shortest(double value) {
  char text[64];
  return {text, tarniq::web::shortest_to_chars(text, text + sizeof text, value).ptr};
}

std::string host_precise(double value, std::chars_format format, int precision) {
  char text[400];
  const auto result = std::to_chars(text, text + sizeof text, value, format, precision);
  return result.ec == std::errc{} ? std::string(text, result.ptr) : "too large";
}

std::string web_precise(double value, std::chars_format format, int precision) {
  char text[400];
  const auto result = tarniq::web::precise_to_chars(text, text + sizeof text, value, format, precision);
  return result.ec == std::errc{} ? std::string(text, result.ptr) : "too large";
}

// Doubles of every kind: random bit patterns, short decimals, quotients as
// the program computes them, powers of two and ten at the ends of the range.
std::vector<double> sample_doubles() {
  std::mt19937_64 random(20240607);
  std::vector<double> values = {0.0, -0.0, 1.0, 0.1, 0.3, 1e-5, 1e-4, 1e15, 1e16, 1e17, 1e21, 1e22, 1e23,
                                5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 123456789012345680.0,
                                0.000123, 9.5367431640625e-07, 2.0 / 3.0, 100000.0, 1234567.0};
  for (int i = 0; i < 20000; ++i) {
    const double bits = std::bit_cast<double>(random());
    if (std::isfinite(bits)) values.push_back(bits);
    values.push_back(static_cast<double>(random() % 100000) / std::pow(10.0, static_cast<double>(random() % 8)));
    values.push_back(static_cast<double>(random() % 1000 + 1) / static_cast<double>(random() % 997 + 1) *
                     std::pow(10.0, static_cast<double>(random() % 40) - 20.0));
  }
  for (int e = -1074; e <= 1023; e += 7) values.push_back(std::ldexp(1.0, e));
  return values;
}

// Shortest text: the same characters as the host's for every sample, either sign.
TEST(WebCharconv, ShortestMatchesHost) {
  for (const double value : sample_doubles()) {
    ASSERT_EQ(web_shortest(value), host_shortest(value)) << std::hexfloat << value;
    ASSERT_EQ(web_shortest(-value), host_shortest(-value)) << std::hexfloat << value;
  }
}

// Fixed decimals (the tables) and 12 and 15 significant digits (ranges and
// unit conversions) match the host's text.
TEST(WebCharconv, PrecisionMatchesHost) {
  const std::vector<std::pair<std::chars_format, int>> forms = {
      {std::chars_format::fixed, 0}, {std::chars_format::fixed, 1}, {std::chars_format::fixed, 2},
      {std::chars_format::fixed, 3}, {std::chars_format::fixed, 4}, {std::chars_format::general, 12},
      {std::chars_format::general, 15}, {std::chars_format::scientific, 5}};
  const auto values = sample_doubles();
  for (std::size_t i = 0; i < values.size(); i += 3)
    for (const auto& [format, precision] : forms)
      ASSERT_EQ(web_precise(values[i], format, precision), host_precise(values[i], format, precision))
          << std::hexfloat << values[i] << " precision " << precision;
}

void expect_same_reading(const std::string& text) {
  double host = -1.5, web = -1.5;
  const auto h = std::from_chars(text.data(), text.data() + text.size(), host);
  const auto w = tarniq::web::decimal_from_chars(text.data(), text.data() + text.size(), web,
                                                 std::chars_format::general);
  ASSERT_EQ(w.ec, h.ec) << '"' << text << '"';
  ASSERT_EQ(w.ptr - text.data(), h.ptr - text.data()) << '"' << text << '"';
  if (h.ec != std::errc{}) return;
  if (std::isnan(host)) {
    ASSERT_TRUE(std::isnan(web)) << '"' << text << '"';
  } else {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(web), std::bit_cast<std::uint64_t>(host)) << '"' << text << '"';
  }
}

// Reading: where it stops, its error and the value equal the host's, for
// typed forms, the ends of the range, and random text over a number's alphabet.
TEST(WebCharconv, ReadingMatchesHost) {
  const std::vector<std::string> typed = {
      "10", "-3.5", ".5", "5.", "+2", "1e3", "1E-3", "1e", "1e+", "1e-x", "12cm", "0x1p3", ".", "-", "-.", "",
      " 1", "inf", "-Infinity", "infin", "nan", "NaN(123)", "nan(", "nan()x", "1e999", "-1e999", "1e-400",
      "1e-310", "4.9406564584124654e-324", "2.4703282292062327e-324", "2.4703282292062328e-324",
      "0.1000000000000000055511151231257827", "9007199254740993", "1.7976931348623158e308",
      "1.7976931348623159e308", std::string(400, '9'), "0." + std::string(400, '0') + "1"};
  for (const auto& text : typed) expect_same_reading(text);
  for (const double value : sample_doubles()) expect_same_reading(host_shortest(value));
  std::mt19937 random(7);
  const std::string alphabet = "0123456789..eE+-nNaifty()x ";
  for (int i = 0; i < 200000; ++i) {
    std::string text(random() % 12, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    expect_same_reading(text);
  }
}

}  // namespace
