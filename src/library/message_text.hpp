// How the library's messages show values: numbers, lengths, angles, frequencies, planes, feeds and quoted text.
#pragma once

#include <string>
#include <string_view>

#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {

// The value as a short decimal ("0.02286", "1e+10", "nan"), for messages.
std::string show(double value);

// "aperture width 0.02 m": quantity, value and unit.
std::string show(std::string_view quantity, double value, std::string_view unit);

// Four significant digits: "6.557", "0.02286".
std::string short_number(double value);

// "51.5285°": six significant digits.
std::string degrees_text(double degrees);

// A length in metres shown in the scale's unit, four digits: "2.286 cm".
std::string length_text(double metres, const LengthScale& scale);

// A frequency in hertz as GHz, four digits: "10.5 GHz".
std::string gigahertz_text(double frequency_hz);

// "E-plane" or "H-plane".
std::string_view plane_name(Plane plane);

// "aperture height" (E plane) or "aperture width" (H plane).
std::string_view aperture_name(Plane plane);

// The feed as a sentence names it: "WR-90", or "the 2.286 cm by 1.016 cm
// waveguide" for a custom size.
std::string feed_text(const Waveguide& feed, const LengthScale& scale);

// Text a user typed, safe to echo: in double quotes, at most 40 characters,
// anything unprintable as '?'.
std::string quoted(std::string_view text);

}  // namespace tarniq::detail
