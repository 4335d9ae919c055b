// The verbs and their options: the one table that the request checks, the command line and its help, the man
// page and the web page's form are made from.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "request/result.hpp"
#include "request/verbs/verb_context.hpp"

namespace tarniq::request {

// Whether a request must give an option.
enum class Need {
  optional,
  required,     // every request gives it, unless it gives one of `unless`
  with_option,  // required when the request gives the option `with` (a flag set, or any value)
};

// What an option's value is, where a face treats it apart from other text.
enum class ValueKind {
  plain,   // a number, a range, a name or a choice, as the value name shows
  length,  // lengths in the request's --units: a face that changes the unit converts them
  input,   // a file the request reads, by its path on the caller's file system
  file,    // a file the request writes, by its path on the caller's file system
};

struct OptionDefinition {
  std::string_view name;        // long name without dashes
  std::string_view value_name;  // "GHZ", "W,H"; empty for a flag
  std::string_view help;        // one line, with the unit and the default
  char short_name = 0;          // a one-letter alias on the command line, if any
  Need need = Need::optional;
  // required: space-separated options any of which stands in for it (those
  // the verb has)
  std::string_view unless = {};
  // The option it goes with: given without it, the request is refused; with
  // Need::with_option, also required whenever that option is given.
  std::string_view with = {};
  ValueKind kind = ValueKind::plain;
};

struct VerbDefinition {
  std::string_view name;
  std::string_view summary;  // one line
  std::string_view example;  // one command line
  std::vector<OptionDefinition> options;
  // Reads the options, computes, fills the result; throws UsageError for a
  // bad option, NoSolution (or the library's errors) when nothing answers.
  Result (*run)(const VerbContext& context) = nullptr;
};

[[nodiscard]] std::span<const VerbDefinition> verb_table();

// The verb of that name, or nullptr.
[[nodiscard]] const VerbDefinition* find_verb(std::string_view name);

// The option of that name in the verb, or nullptr.
[[nodiscard]] const OptionDefinition* find_option(const VerbDefinition& verb, std::string_view name);

// "design, gain-design, analyze, ...": every verb's name, in the table's order.
[[nodiscard]] std::string verb_names();

// The help line as --help and the man page show it: the option's own line,
// then what makes it required: "design frequency, GHz (required)".
[[nodiscard]] std::string help_line(const VerbDefinition& verb, const OptionDefinition& option);

// The options the request lacks: each required option absent with none of
// its stand-ins given, and each with_option option absent while its option
// is given. "--waveguide (or --waveguide-size)" for one with stand-ins.
[[nodiscard]] std::vector<std::string> missing_options(const VerbDefinition& verb, const Options& options);

// The name among `known` nearest to `given` (by edit distance), when it is
// close enough to be a likely typing slip; empty otherwise.
[[nodiscard]] std::string nearest_name(std::string_view given, const std::vector<std::string_view>& known);

}  // namespace tarniq::request
