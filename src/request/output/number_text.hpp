// Numbers as text for the output formats: exact (shortest round trip) or fixed decimals.
#pragma once

#include <string>

namespace tarniq::request {

// The shortest text that reads back as the same double ("0.3", "10.7188",
// "1e-05"); never "-0".
std::string exact_text(double value);

// The same text appended to `out`, without a string of its own: the CSV and
// JSON writers call it once per cell.
void append_exact_text(std::string& out, double value);

// Fixed decimals, rounded half to even on the binary value; never "-0.00".
std::string fixed_text(double value, int decimals);

// Fixed decimals with trailing zeros (and a bare point) removed: "10.72", "15".
std::string short_text(double value, int max_decimals);

}  // namespace tarniq::request
