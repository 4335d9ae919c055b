// Line-by-line access to the console input (standard input).
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tarniq::textio {

class ConsoleInput {
 public:
  explicit ConsoleInput(std::istream& in) : in_(in) {}

  // The next whole line without its line end (a carriage return before the
  // line feed, as in files written on Windows, is part of the line end), or
  // nothing at the end of the input.
  std::optional<std::string> next_line();

  // As next_line, but the end of the input is the fatal error 24.
  std::string require_line();

 private:
  std::istream& in_;
};

}  // namespace tarniq::textio
