// Fuzz target: tarniq-cli's readers of typed values (numbers, ranges, pairs, choices, flags) on arbitrary text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "request/parse/number.hpp"
#include "request/parse/options.hpp"
#include "request/parse/range.hpp"

using namespace tarniq::request;

namespace {

constexpr std::size_t kMaxValues = 1000;

void check_range(const std::string& text) {
  const RangeScan scan = scan_range(text, kMaxValues);
  if (scan.error != RangeError::none) return;
  const auto values = range_values(scan.range);
  if (values.empty() || values.size() > kMaxValues) std::abort();
  for (const double value : values)
    if (!std::isfinite(value)) std::abort();
  (void)range_decimals(scan.range);
}

template <class Read>
void expect_value_or_usage_error(Read read) {
  try {
    read();
  } catch (const UsageError& error) {
    // Every message is one line, whatever was typed.
    for (const char c : std::string(error.what()))
      if (c == '\n' || c == '\r') std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const NumberScan number = scan_number(text);
  if (number.error == NumberError::none && !std::isfinite(number.value)) std::abort();
  check_range(text);

  const Options options{{"value", text}};
  const OptionReader reader(options);
  expect_value_or_usage_error([&] { (void)reader.positive("value"); });
  expect_value_or_usage_error([&] {
    const Range range = reader.range("value", kMaxValues);
    require_positive_range(range, "value", text);
  });
  expect_value_or_usage_error([&] { (void)reader.positive_pair("value", OptionReader::Pair::one_or_two_values); });
  expect_value_or_usage_error([&] { (void)reader.positive_pair("value", OptionReader::Pair::two_values); });
  expect_value_or_usage_error([&] { (void)reader.flag("value"); });
  expect_value_or_usage_error([&] { (void)reader.choice("value", {{"cm", 1}, {"mm", 2}}, 0); });
  return 0;
}
