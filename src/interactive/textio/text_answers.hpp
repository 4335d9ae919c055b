// Answers read as text: a fixed-width text line and the yes/no answer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "textio/console_input.hpp"

namespace tarniq::textio {

// The next input line as a text of exactly `width` characters: filled up with
// blanks, or cut after `width`. The end of the input is the fatal error 24.
std::string read_text(ConsoleInput& input, std::size_t width);

// The yes/no reader: scans the first 20 characters of the next input line
// for the first of the letters y, Y, s, S, d, D, j, J (yes: 1) or n, N
// (no: -1); 0 when none occurs. It writes no prompt and never asks again.
int NYES(ConsoleInput& input);

// The yes/no decision on one answer line, as NYES makes it.
int yes_no_answer(std::string_view line);

// `text` without its leading and trailing blanks.
std::string_view trim_blanks(std::string_view text);

}  // namespace tarniq::textio
