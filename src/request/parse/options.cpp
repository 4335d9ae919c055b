// Typed reads of a request's options, with one message form for every mistake.
#include "request/parse/options.hpp"

#include <charconv>
#include <cstdio>

namespace tarniq::request {
namespace {

std::string shortest(double value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  return {text, written.ptr};
}

std::string number_problem(NumberError error) {
  switch (error) {
    case NumberError::empty: return "is empty";
    case NumberError::not_finite: return "is not a finite number";
    case NumberError::out_of_range: return "is out of range";
    case NumberError::not_a_number:
    case NumberError::none: break;
  }
  return "is not a number";
}

}  // namespace

std::string in_quotes(std::string_view text) {
  constexpr std::size_t longest = 60;
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size() && i < longest; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  if (text.size() > longest) out += "...";
  return out + "\"";
}

std::string OptionReader::option_name(std::string_view name) { return "--" + std::string(name); }

bool OptionReader::has(std::string_view name) const { return options_.find(name) != options_.end(); }

std::optional<std::string> OptionReader::text(std::string_view name) const {
  const auto found = options_.find(name);
  if (found == options_.end()) return std::nullopt;
  return found->second;
}

const std::string& OptionReader::required_text(std::string_view name) const {
  const auto found = options_.find(name);
  if (found == options_.end()) throw UsageError(name, "missing " + option_name(name));
  return found->second;
}

double OptionReader::number(std::string_view name) const {
  const std::string& given = required_text(name);
  const NumberScan scan = scan_number(given);
  if (scan.error != NumberError::none)
    throw UsageError(name, option_name(name) + " " + in_quotes(given) + " " + number_problem(scan.error));
  return scan.value;
}

double OptionReader::positive(std::string_view name) const {
  const double value = number(name);
  if (!(value > 0.0)) throw UsageError(name, option_name(name) + " " + in_quotes(required_text(name)) + " is not positive");
  return value;
}

std::optional<double> OptionReader::optional_number(std::string_view name) const {
  if (!has(name)) return std::nullopt;
  return number(name);
}

std::optional<double> OptionReader::optional_positive(std::string_view name) const {
  if (!has(name)) return std::nullopt;
  return positive(name);
}

Range OptionReader::range(std::string_view name, std::size_t max_values) const {
  const std::string& given = required_text(name);
  const RangeScan scan = scan_range(given, max_values);
  const std::string head = option_name(name) + " " + in_quotes(given);
  switch (scan.error) {
    case RangeError::none: return scan.range;
    case RangeError::bad_number:
      if (scan.range.step == 0.0 && given.find(':') == std::string::npos)
        throw UsageError(name, head + " " + number_problem(scan.number_error));
      throw UsageError(name, head + ": " + in_quotes(scan.part) + " " + number_problem(scan.number_error));
    case RangeError::bad_shape: throw UsageError(name, head + " is not one value or START:STOP:STEP");
    case RangeError::zero_step: throw UsageError(name, head + " has a step of 0");
    case RangeError::nowhere:
      throw UsageError(name, head + " goes nowhere: a step of " + shortest(scan.range.step) + " leads away from " +
                       shortest(scan.range.stop));
    case RangeError::too_many: {
      char count[32];
      std::snprintf(count, sizeof count, "%.0f", scan.count);
      throw UsageError(name, head + " gives " + count + " rows, more than " + std::to_string(max_values));
    }
  }
  return scan.range;
}

std::pair<double, double> OptionReader::positive_pair(std::string_view name, Pair form) const {
  const bool one_allowed = form == Pair::one_or_two_values;
  const std::string& given = required_text(name);
  const std::string head = option_name(name) + " " + in_quotes(given);
  const std::size_t comma = given.find(',');
  const bool two = comma != std::string::npos;
  if (!two && !one_allowed) throw UsageError(name, head + " is not two values W,H");
  if (two && given.find(',', comma + 1) != std::string::npos)
    throw UsageError(name, head + (one_allowed ? " is not W,H or one value" : " is not two values W,H"));
  const std::string_view all{given};
  const std::string_view parts[2] = {all.substr(0, comma), two ? all.substr(comma + 1) : all};
  double values[2] = {0.0, 0.0};
  for (int i = 0; i < 2; ++i) {
    const NumberScan scan = scan_number(parts[i]);
    if (scan.error != NumberError::none) {
      if (!two) throw UsageError(name, head + " " + number_problem(scan.error));
      throw UsageError(name, head + ": " + in_quotes(trim_blanks(parts[i])) + " " + number_problem(scan.error));
    }
    if (!(scan.value > 0.0)) {
      if (!two) throw UsageError(name, head + " is not positive");
      throw UsageError(name, head + ": " + in_quotes(trim_blanks(parts[i])) + " is not positive");
    }
    values[i] = scan.value;
  }
  return {values[0], values[1]};
}

bool OptionReader::flag(std::string_view name) const {
  const auto given = text(name);
  if (!given) return false;
  if (given->empty() || *given == "true") return true;
  if (*given == "false") return false;
  throw UsageError(name, option_name(name) + " " + in_quotes(*given) + " is not true or false");
}

void require_positive_range(const Range& range, std::string_view name, std::string_view text) {
  const std::vector<double> ends = {range.start, range_values(range).back()};
  for (const double end : ends)
    if (!(end > 0.0))
      throw UsageError(name, OptionReader::option_name(name) + " " + in_quotes(text) + " is not positive" +
                       (range.single() ? "" : " throughout"));
}

}  // namespace tarniq::request
