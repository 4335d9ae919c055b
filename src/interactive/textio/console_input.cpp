// Console input lines.
#include "textio/console_input.hpp"

#include "textio/fatal_error.hpp"

namespace tarniq::textio {

std::optional<std::string> ConsoleInput::next_line() {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string ConsoleInput::require_line() {
  auto line = next_line();
  if (!line) throw console_input_error(ErrorNumber::EndOfFile);
  return std::move(*line);
}

}  // namespace tarniq::textio
