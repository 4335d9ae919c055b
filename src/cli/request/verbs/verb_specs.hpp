// The verbs and their options: one table that the command line, its help and the request checks share.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tarniq::cli {

struct OptionSpec {
  std::string_view name;        // long name without dashes
  std::string_view value_name;  // "GHZ", "W,H"; empty for a flag
  std::string_view help;        // one line, with the default
  char short_name = 0;          // a one-letter alias on the command line, if any
};

struct VerbSpec {
  std::string_view name;
  std::string_view summary;  // one line
  std::string_view example;  // one command line
  std::vector<OptionSpec> options;
};

std::span<const VerbSpec> verb_specs();

// The verb of that name, or nullptr.
const VerbSpec* find_verb(std::string_view name);

// The option of that name in the verb, or nullptr.
const OptionSpec* find_option(const VerbSpec& verb, std::string_view name);

}  // namespace tarniq::cli
