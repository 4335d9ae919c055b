// Errors and warnings on standard error, one line each.
#include "diagnostics.hpp"

#include <iostream>
#include <string>

namespace tarniq::cli {
namespace {

// A message is one line whatever it quotes.
std::string one_line(std::string_view message) {
  std::string line{message};
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  return line;
}

}  // namespace

void report_error(std::string_view message) { std::cerr << "tarniq-cli: error: " << one_line(message) << '\n'; }

void report_usage_error(std::string_view message, std::string_view verb) {
  const std::string command = verb.empty() ? "tarniq-cli --help" : "tarniq-cli " + std::string(verb) + " --help";
  std::cerr << "tarniq-cli: error: " << one_line(message) << " (see " << command << ")\n";
}

void report_warning(std::string_view message) { std::cerr << "tarniq-cli: warning: " << one_line(message) << '\n'; }

}  // namespace tarniq::cli
