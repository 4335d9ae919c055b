// A request's options as text, and reading them into checked values with usage errors.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "request/parse/range.hpp"

namespace tarniq::request {

// Long option names without dashes, each with the text given for it; a flag
// holds "" or "true" (or "false").
using Options = std::map<std::string, std::string, std::less<>>;

// A mistake in the request itself: the message names the option and the
// value, e.g. `--frequency "12cm" is not a number`; option() is the option's
// name without dashes ("frequency"), or empty when no one option is at fault.
class UsageError : public std::runtime_error {
 public:
  UsageError(std::string_view option, const std::string& message)
      : std::runtime_error(message), option_(option) {}
  const std::string& option() const { return option_; }

 private:
  std::string option_;
};

// The text as a user would recognise it in a one-line message: in double
// quotes, control characters as \xNN, at most 60 characters.
std::string in_quotes(std::string_view text);

// Typed reads of one request's options. Every read throws UsageError naming
// the option and the value; "required" reads also throw when it is absent.
class OptionReader {
 public:
  explicit OptionReader(const Options& options) : options_(options) {}

  bool has(std::string_view name) const;
  std::optional<std::string> text(std::string_view name) const;

  // A finite number; positive() also requires it above 0.
  double number(std::string_view name) const;
  double positive(std::string_view name) const;
  std::optional<double> optional_number(std::string_view name) const;
  std::optional<double> optional_positive(std::string_view name) const;

  // A value or START:STOP:STEP naming at most max_values values.
  Range range(std::string_view name, std::size_t max_values) const;

  // "A,B" or, where a single value is allowed, "A" (returned as A,A); both positive.
  enum class Pair { two_values, one_or_two_values };
  std::pair<double, double> positive_pair(std::string_view name, Pair form) const;

  // A flag: absent, "", "true" or "false".
  bool flag(std::string_view name) const;

  // One of the named choices; fallback when absent.
  template <class Choice>
  Choice choice(std::string_view name, std::initializer_list<std::pair<std::string_view, Choice>> choices,
                Choice fallback) const {
    const auto given = text(name);
    if (!given) return fallback;
    std::string names;
    for (const auto& [choice_name, value] : choices) {
      if (*given == choice_name) return value;
      names += names.empty() ? "" : ", ";
      names += choice_name;
    }
    throw UsageError(name, option_name(name) + " " + in_quotes(*given) + " is not one of " + names);
  }

  // "--name", as messages show an option.
  static std::string option_name(std::string_view name);

 private:
  const std::string& required_text(std::string_view name) const;
  const Options& options_;
};

// Throws UsageError for a range whose values are not all positive.
void require_positive_range(const Range& range, std::string_view name, std::string_view text);

}  // namespace tarniq::request
