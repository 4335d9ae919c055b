// Argument checks at the library's boundary: each failure names the quantity and its value.
#pragma once

#include <string_view>

#include "message_text.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq::detail {

// Throw InvalidArgument unless value is finite and above zero
// ("frequency -1 Hz is not positive and finite").
void require_positive(double value, std::string_view quantity, std::string_view unit);

// Throw InvalidArgument unless value is finite.
void require_finite(double value, std::string_view quantity, std::string_view unit);

// Throw InvalidArgument unless the guide's width and height are positive and finite.
void check_waveguide(const Waveguide& guide);

}  // namespace tarniq::detail
