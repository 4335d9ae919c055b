// Scanning one decimal number typed by a user: the whole text, finite, nothing else.
#pragma once

#include <string_view>

namespace tarniq::request {

enum class NumberError {
  none,
  empty,         // nothing but blanks
  not_a_number,  // text that is not a decimal number, or a number followed by more ("12cm")
  not_finite,    // "nan", "inf", "infinity"
  out_of_range,  // too large or too small for a double ("1e999")
};

struct NumberScan {
  double value = 0.0;
  NumberError error = NumberError::none;
};

// Reads text such as "10", "-3.5", ".5", "5.", "+2", "1e3", with blanks
// around it allowed; any other character makes it not a number.
NumberScan scan_number(std::string_view text);

// Text without the blanks (spaces, tabs, line ends) at its two ends.
std::string_view trim_blanks(std::string_view text);

}  // namespace tarniq::request
