// Axis scales for the plots: round tick steps, the ticks, their labels, the curve styles.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarniq::request::svg {

// An axis from low to high with a tick every step; low and high are
// multiples of step.
struct Scale {
  double low = 0.0;
  double high = 1.0;
  double step = 0.2;
};

// A scale holding [low, high] with about `ticks` intervals at steps of 1, 2
// or 5 times a power of ten (in_degrees: 15, 30, 45 or 90 where the span is
// wide). A span of zero widens to one step each side; non-finite input
// gives 0 to 1.
Scale nice_scale(double low, double high, int ticks, bool in_degrees = false);

// The tick values of a scale, low to high.
std::vector<double> tick_values(const Scale& scale);

// A tick label with as many decimals as the step needs.
std::string tick_label(double value, const Scale& scale);

// Colour and dash pattern of the n-th curve (colour-blind-safe palette; the
// dashes keep the curves apart in grey print).
std::string_view curve_colour(std::size_t n);
std::string_view curve_dashes(std::size_t n);

}  // namespace tarniq::request::svg
