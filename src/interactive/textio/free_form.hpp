// Free-form (list-directed) numeric answers: a list of values for a list of items.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "textio/console_input.hpp"

namespace tarniq::textio {

// One item of the answer: the variable that receives its value. An item that
// gets a null value (or lies after a slash) keeps the value it had.
using ListItem = std::variant<std::int32_t*, float*>;

enum class ReadError { None, EndOfInput, Syntax, Conversion };

// How a read ended; for Syntax and Conversion also the value that could not
// be read and what is wrong with it ("is not a number").
struct ScanOutcome {
  ReadError error = ReadError::None;
  std::string text;
  std::string_view problem;
};

// Reads values for `items` from the next input line on, by these rules:
// values are separated by blanks, tabs, a comma (blanks around it allowed) or
// the end of a line; empty lines are skipped; a comma with no value before it
// is a null value; r*c is r times c and r* is r null values; a slash ends the
// read; once every item is settled the rest of the line is ignored. A real
// value given to an integer item is truncated toward zero. Values take the
// forms 10, -3.5, .5, 5., 1e3, 2.5D-1 (exponent letter E, D or Q).
// Syntax: anything else where a value belongs. Conversion: a value beyond the
// range of its item (32-bit integer, single-precision real).
ScanOutcome scan_free_form(ConsoleInput& input, std::span<const ListItem> items);

// As scan_free_form; a failure is thrown as the fatal error 24, 59 or 64,
// carrying the text that could not be read.
void read_free_form(ConsoleInput& input, std::span<const ListItem> items);

}  // namespace tarniq::textio
