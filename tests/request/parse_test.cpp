// Reading typed values: numbers, ranges, pairs and choices, with the exact usage messages.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <random>

#include "request/parse/number.hpp"
#include "request/parse/options.hpp"
#include "request/parse/range.hpp"

namespace tarniq::request {
namespace {

// A number is the whole text: blanks around it allowed, anything else refused.
TEST(ScanNumber, AcceptsDecimalFormsAndRefusesTheRest) {
  const struct {
    const char* text;
    double value;
    NumberError error;
  } cases[] = {
      {"10", 10.0, NumberError::none},          {" -3.5\t", -3.5, NumberError::none},
      {".5", 0.5, NumberError::none},           {"5.", 5.0, NumberError::none},
      {"+2", 2.0, NumberError::none},           {"1e3", 1000.0, NumberError::none},
      {"", 0.0, NumberError::empty},            {"  ", 0.0, NumberError::empty},
      {"12cm", 0.0, NumberError::not_a_number}, {"1,5", 0.0, NumberError::not_a_number},
      {"0x10", 0.0, NumberError::not_a_number}, {"+-1", 0.0, NumberError::not_a_number},
      {"++1", 0.0, NumberError::not_a_number},  {"1 2", 0.0, NumberError::not_a_number},
      {"nan", 0.0, NumberError::not_finite},    {"-inf", 0.0, NumberError::not_finite},
      {"Infinity", 0.0, NumberError::not_finite}, {"1e999", 0.0, NumberError::out_of_range},
  };
  for (const auto& c : cases) {
    const NumberScan scan = scan_number(c.text);
    EXPECT_EQ(scan.error, c.error) << c.text;
    if (c.error == NumberError::none) {
      EXPECT_EQ(scan.value, c.value) << c.text;
    }
  }
}

// STOP is reached when it lies on the grid and never passed; values are
// computed afresh and come out as the decimals typed.
TEST(Range, ValuesReachStopOnTheGridOnly) {
  const struct {
    const char* text;
    std::vector<double> values;
  } cases[] = {
      {"0.25", {0.25}},
      {"0.1:0.5:0.1", {0.1, 0.2, 0.3, 0.4, 0.5}},
      {"0.1:0.55:0.1", {0.1, 0.2, 0.3, 0.4, 0.5}},
      {"0.5:0.1:-0.1", {0.5, 0.4, 0.3, 0.2, 0.1}},
      {"3:3:7", {3.0}},
      {"-90:90:45", {-90.0, -45.0, 0.0, 45.0, 90.0}},
      {"8:12.4:0.2", {8.0, 8.2, 8.4, 8.6, 8.8, 9.0, 9.2, 9.4, 9.6, 9.8, 10.0, 10.2, 10.4, 10.6, 10.8, 11.0,
                      11.2, 11.4, 11.6, 11.8, 12.0, 12.2, 12.4}},
  };
  for (const auto& c : cases) {
    const RangeScan scan = scan_range(c.text, 100000);
    ASSERT_EQ(scan.error, RangeError::none) << c.text;
    EXPECT_EQ(range_values(scan.range), c.values) << c.text;
  }
}

// Every value of a long decimal range prints as the decimal it stands for.
TEST(Range, LongDecimalRangesCarryNoBinaryNoise) {
  const std::vector<double> values = range_values(scan_range("-90:90:0.1", 100000).range);
  ASSERT_EQ(values.size(), 1801u);
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(values[i], std::stod(std::to_string(-900 + static_cast<int>(i)) + "e-1")) << i;
}

// Listing a decimal range through integers gives exactly the values of
// rounding start + i·step to 12 digits when that moves it less than a
// millionth of a step, the rule for every range (fixed seed: starts and
// steps of 0 to 6 places, large and small, either sign, and noisy ones).
TEST(Range, DecimalRangesListTheSameValuesAsRoundingEach) {
  const auto rounded = [](const Range& r, std::size_t i) {
    const double value = r.start + static_cast<double>(i) * r.step;
    char text[32];
    double read = value;
    std::from_chars(text, std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12).ptr, read);
    return std::fabs(read - value) <= std::fabs(r.step) * 1e-6 ? read : value;
  };
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> places(0, 7), digits(1, 11), count(2, 400);
  for (int trial = 0; trial < 3000; ++trial) {
    const auto decimal = [&] {
      const double scale = std::pow(10.0, places(random));
      const double numerator = std::floor(std::pow(10.0, digits(random)) * std::generate_canonical<double, 53>(random));
      return (trial % 2 == 0 ? -numerator : numerator) / scale;
    };
    Range r{decimal(), 0.0, std::fabs(decimal()) + 1e-6};
    if (trial % 7 == 0) r.step = std::generate_canonical<double, 53>(random);  // not a short decimal
    r.stop = r.start + r.step * (count(random) - 1);
    if (trial % 3 == 0) {  // a long way to zero and past it: the sums lose digits there
      r.step = std::pow(10.0, -places(random));
      r.start = -std::round(std::pow(10.0, digits(random) % 7) * std::generate_canonical<double, 53>(random)) - 0.5;
      const double to_zero = std::floor(-r.start / r.step);
      r.start = -to_zero * r.step + (trial % 2 == 0 ? 0.0 : r.step / 2.0);
      r.stop = r.start + r.step * (to_zero + 5.0);
      if (!(to_zero < 1e5)) continue;
    }
    const std::vector<double> values = range_values(r);
    for (std::size_t i = 0; i + 1 < values.size(); ++i)
      ASSERT_EQ(values[i], rounded(r, i)) << r.start << ":" << r.stop << ":" << r.step << " at " << i;
  }
}

TEST(Range, DecimalsShowStartAndStep) {
  EXPECT_EQ(range_decimals(scan_range("8:12:0.5", 10).range), 1);
  EXPECT_EQ(range_decimals(scan_range("0.125:1:0.125", 10).range), 3);
  EXPECT_EQ(range_decimals(scan_range("-90:90:30", 10).range), 0);
}

// Each mistake names the option and the value as typed.
TEST(OptionReader, MessagesNameOptionAndValue) {
  const Options options{{"frequency", "12cm"},   {"nan", "nan"},         {"zero", "0"},
                        {"negative", "-1"},      {"step", "0.1:0.5:0"},  {"away", "0.5:0.1:0.1"},
                        {"many", "-90:90:1e-3"}, {"shape", "1:2"},       {"part", "1:x:1"},
                        {"pair", "1,2,3"},       {"one", "1"},           {"bad_pair", "1,-2"},
                        {"units", "km"},         {"flag", "maybe"},      {"huge", "1e999"}};
  const OptionReader reader(options);
  const struct {
    std::function<void()> read;
    const char* message;
  } cases[] = {
      {[&] { reader.number("frequency"); }, "--frequency \"12cm\" is not a number"},
      {[&] { reader.number("nan"); }, "--nan \"nan\" is not a finite number"},
      {[&] { reader.number("huge"); }, "--huge \"1e999\" is out of range"},
      {[&] { reader.positive("zero"); }, "--zero \"0\" is not positive"},
      {[&] { reader.positive("negative"); }, "--negative \"-1\" is not positive"},
      {[&] { reader.number("absent"); }, "missing --absent"},
      {[&] { reader.range("step", 100); }, "--step \"0.1:0.5:0\" has a step of 0"},
      {[&] { reader.range("away", 100); }, "--away \"0.5:0.1:0.1\" goes nowhere: a step of 0.1 leads away from 0.1"},
      {[&] { reader.range("many", 100000); }, "--many \"-90:90:1e-3\" gives 180001 rows, more than 100000"},
      {[&] { reader.range("shape", 100); }, "--shape \"1:2\" is not one value or START:STOP:STEP"},
      {[&] { reader.range("part", 100); }, "--part \"1:x:1\": \"x\" is not a number"},
      {[&] { reader.range("frequency", 100); }, "--frequency \"12cm\" is not a number"},
      {[&] { reader.positive_pair("pair", OptionReader::Pair::one_or_two_values); }, "--pair \"1,2,3\" is not W,H or one value"},
      {[&] { reader.positive_pair("one", OptionReader::Pair::two_values); }, "--one \"1\" is not two values W,H"},
      {[&] { reader.positive_pair("bad_pair", OptionReader::Pair::one_or_two_values); }, "--bad_pair \"1,-2\": \"-2\" is not positive"},
      {[&] { reader.choice("units", {{"cm", 1}, {"mm", 2}, {"in", 3}}, 0); }, "--units \"km\" is not one of cm, mm, in"},
      {[&] { reader.flag("flag"); }, "--flag \"maybe\" is not true or false"},
      {[&] { require_positive_range(reader.range("negative", 10), "negative", "-1"); }, "--negative \"-1\" is not positive"},
  };
  for (const auto& c : cases) {
    try {
      c.read();
      ADD_FAILURE() << "no error for: " << c.message;
    } catch (const UsageError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

// Whatever a user types, the message stays one printable line.
TEST(OptionReader, QuotesControlCharactersAndLongTextSafely) {
  EXPECT_EQ(in_quotes("a\nb\x1b[2J"), "\"a\\x0ab\\x1b[2J\"");
  EXPECT_EQ(in_quotes(std::string(70, 'x')), "\"" + std::string(60, 'x') + "...\"");
}

TEST(OptionReader, PairsAndFlags) {
  const Options options{{"aperture", " 10.5 , 7 "}, {"square", "5"}, {"on", ""}, {"off", "false"}};
  const OptionReader reader(options);
  EXPECT_EQ(reader.positive_pair("aperture", OptionReader::Pair::one_or_two_values), std::make_pair(10.5, 7.0));
  EXPECT_EQ(reader.positive_pair("square", OptionReader::Pair::one_or_two_values), std::make_pair(5.0, 5.0));
  EXPECT_TRUE(reader.flag("on"));
  EXPECT_FALSE(reader.flag("off"));
  EXPECT_FALSE(reader.flag("absent"));
}

}  // namespace
}  // namespace tarniq::request
