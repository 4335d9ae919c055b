// Argument checks at the library's boundary: each failure names the quantity and its value.
#pragma once

#include <string>
#include <string_view>

namespace tarniq::detail {

// The value as a short decimal ("0.02286", "1e+10", "nan"), for messages.
std::string show(double value);

// "aperture width 0.02 m": quantity, value and unit, for messages.
std::string show(std::string_view quantity, double value, std::string_view unit);

// Throw InvalidArgument unless value is finite and above zero
// ("frequency -1 Hz is not positive and finite").
void require_positive(double value, std::string_view quantity, std::string_view unit);

// Throw InvalidArgument unless value is finite.
void require_finite(double value, std::string_view quantity, std::string_view unit);

}  // namespace tarniq::detail
