// Floating-point std::to_chars and std::from_chars for the web build, whose C++ library (libc++ 13) lacks them.
#pragma once

#include <charconv>

namespace tarniq::web {

// The standard's contracts, computed with the C library's correctly rounded
// printf and strtod: the shortest text that reads back as the same double
// (the closest such, in fixed or scientific form, whichever is shorter, fixed
// on a tie); the given precision in fixed, scientific or general (%g) form;
// a decimal number, "inf", "infinity" or "nan" read in the given format.
std::to_chars_result shortest_to_chars(char* first, char* last, double value);
std::to_chars_result precise_to_chars(char* first, char* last, double value, std::chars_format format,
                                      int precision);
std::from_chars_result decimal_from_chars(const char* first, const char* last, double& value,
                                          std::chars_format format);

}  // namespace tarniq::web

// Included into every file of the web build; an up-to-date library brings its own.
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
namespace std {
inline to_chars_result to_chars(char* first, char* last, double value) {
  return tarniq::web::shortest_to_chars(first, last, value);
}
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format, int precision) {
  return tarniq::web::precise_to_chars(first, last, value, format, precision);
}
}  // namespace std
#endif
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 200000
namespace std {
inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format format = chars_format::general) {
  return tarniq::web::decimal_from_chars(first, last, value, format);
}
}  // namespace std
#endif
