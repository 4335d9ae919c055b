// The three output formats of one result: whole texts compared, CSV and JSON read back.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include <limits>

#include "support/readers.hpp"
#include "request/output/formats.hpp"
#include "request/output/number_text.hpp"

namespace tarniq::request {
namespace {

Result sample() {
  Result result;
  result.verb = "waveguides";
  result.units = "cm";
  result.input = {{"frequency_ghz", 10.0}};
  result.columns = {{"name", 0, true}, {"width_cm", 3, false}, {"gain_dbi", 2, false}};
  result.rows.start(3);
  result.rows.add(std::vector<Cell>{std::string("WR-90"), 2.286, -0.004});
  result.rows.add(std::vector<Cell>{std::string("odd, \"quoted\""), 0.1 + 0.2, Cell()});
  result.warnings = {{"outside_band", "8 GHz is outside the band."}};
  return result;
}

TEST(Formats, TableAlignsNumbersRightTextLeftWarningsAfter) {
  EXPECT_EQ(format_table(sample()),
            "name           width_cm  gain_dbi\n"
            "WR-90             2.286      0.00\n"
            "odd, \"quoted\"     0.300\n"
            "\n"
            "warning: 8 GHz is outside the band.\n");
}

// CSV keeps full precision, leaves no value empty and quotes only when needed.
TEST(Formats, CsvIsRfc4180WithExactNumbers) {
  const std::string csv = format_csv(sample());
  EXPECT_EQ(csv,
            "name,width_cm,gain_dbi\r\n"
            "WR-90,2.286,-0.004\r\n"
            "\"odd, \"\"quoted\"\"\",0.30000000000000004,\r\n");
  const auto records = testing::read_csv(csv);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[2][0], "odd, \"quoted\"");
  EXPECT_EQ(std::stod(records[2][1]), 0.1 + 0.2);
}

TEST(Formats, JsonHasUnitsInputRowsAndWarnings) {
  const auto json = nlohmann::ordered_json::parse(format_json(sample()));
  EXPECT_EQ(json["units"], "cm");
  EXPECT_EQ(json["input"]["frequency_ghz"], 10.0);
  ASSERT_EQ(json["rows"].size(), 2u);
  EXPECT_EQ(json["rows"][1]["width_cm"].get<double>(), 0.1 + 0.2);
  EXPECT_TRUE(json["rows"][1]["gain_dbi"].is_null());
  std::vector<std::string> keys;
  for (const auto& item : json["rows"][0].items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"name", "width_cm", "gain_dbi"}));
  EXPECT_EQ(json["warnings"][0]["code"], "outside_band");
  EXPECT_EQ(json["warnings"][0]["message"], "8 GHz is outside the band.");
}

TEST(Formats, AnEmptyResultIsAHeadingOnly) {
  Result result = sample();
  result.rows.clear();
  result.warnings.clear();
  EXPECT_EQ(format_table(result), "name  width_cm  gain_dbi\n");
  EXPECT_EQ(format_csv(result), "name,width_cm,gain_dbi\r\n");
  EXPECT_TRUE(nlohmann::json::parse(format_json(result))["rows"].empty());
}

TEST(NumberText, NoNegativeZeroAndShortestRoundTrip) {
  const struct {
    std::string text, expected;
  } cases[] = {
      {exact_text(-0.0), "0"},          {fixed_text(-0.0004, 3), "0.000"}, {fixed_text(-0.0006, 3), "-0.001"},
      {exact_text(1e-5), "1e-05"},      {exact_text(10.7188), "10.7188"},  {short_text(10.7200, 4), "10.72"},
      {short_text(15.0, 4), "15"},      {fixed_text(2.5, 0), "2"},         {short_text(-0.00001, 3), "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

// The exact text is the standard library's shortest to_chars, character for
// character, whatever writes it: every binary exponent, random bit patterns
// (fixed seed), short decimals, integers and the boundaries where fixed and
// scientific notation trade places.
TEST(NumberText, ExactTextIsTheStandardShortestForm) {
  const auto standard = [](double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value == 0.0 ? 0.0 : value).ptr);
  };
  std::vector<double> values = {5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 1e23, 9.5e21,
                                1e21, 1e22, 123456789012345680.0, 0.3, 1e-5, 1e-4, 1e-7, 100000.0,
                                1234567.0, 1e15, 1e16, 0.001, -0.001, 99.99999999999999};
  for (int power = -20; power <= 22; ++power) {
    values.push_back(std::pow(10.0, power));
    values.push_back(1.5 * std::pow(10.0, power));
    values.push_back(-123.0 * std::pow(10.0, power));
  }
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 300000; ++i) {
    const std::uint64_t bits = random();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
    values.push_back(static_cast<double>(static_cast<std::int64_t>(bits % 2000001) - 1000000) / 1000.0);
    values.push_back(std::ldexp(static_cast<double>(bits >> 11), static_cast<int>(bits % 200) - 100));
  }
  for (const double value : values) ASSERT_EQ(exact_text(value), standard(value)) << value;
}

}  // namespace
}  // namespace tarniq::request
