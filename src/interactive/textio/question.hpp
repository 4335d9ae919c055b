// The question a prompt asks, as diagnostics quote it, and how an input error learns it.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "textio/fatal_error.hpp"
#include "textio/records.hpp"

namespace tarniq::textio {

// The question of a prompt: its records after the last empty one (a heading
// set off above it by an empty line is not part of the question), blanks
// around each removed, joined by one blank. "Enter units: 1 cm, 2 inches"
// for the units prompt.
std::string question_of(const Records& prompt);

// Runs `read` (a read of the console input); a fatal error it throws leaves
// knowing the question that was being answered.
template <typename Read>
decltype(auto) answering(std::string_view question, Read&& read) {
  try {
    return std::forward<Read>(read)();
  } catch (FatalError& error) {
    if (error.question.empty()) error.question = question;
    throw;
  }
}

// As above, for the question of `prompt` (worked out only on an error).
template <typename Read>
decltype(auto) answering(const Records& prompt, Read&& read) {
  try {
    return std::forward<Read>(read)();
  } catch (FatalError& error) {
    if (error.question.empty()) error.question = question_of(prompt);
    throw;
  }
}

}  // namespace tarniq::textio
