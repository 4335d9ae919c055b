// CLI11's parse errors reworded in the program's own form, naming the option and the value.
#pragma once

#include <CLI/Error.hpp>

#include <string>

namespace tarniq::cli {

// The one-line message for a command-line parse error (without prefix or hint).
std::string parse_error_message(const CLI::ParseError& error, int argc, const char* const* argv);

// The verb named on the command line, or "" (for the help hint).
std::string named_verb(int argc, const char* const* argv);

}  // namespace tarniq::cli
