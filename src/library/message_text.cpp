// How the library's messages show values.
#include "message_text.hpp"

#include <cctype>
#include <cstdio>

namespace tarniq::detail {
namespace {

std::string printed(const char* format, double value) {
  char text[40];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string show(double value) { return printed("%.10g", value); }

std::string show(std::string_view quantity, double value, std::string_view unit) {
  std::string text{quantity};
  text += ' ';
  text += show(value);
  if (!unit.empty()) {
    text += ' ';
    text += unit;
  }
  return text;
}

std::string short_number(double value) { return printed("%.4g", value); }

std::string degrees_text(double degrees) { return printed("%.6g", degrees) + "°"; }

std::string length_text(double metres, const LengthScale& scale) {
  return short_number(metres / scale.metres) + " " + std::string(scale.symbol);
}

std::string gigahertz_text(double frequency_hz) {
  return short_number(frequency_hz / hertz_per_gigahertz) + " GHz";
}

std::string_view plane_name(Plane plane) { return plane == Plane::e ? "E-plane" : "H-plane"; }

std::string_view aperture_name(Plane plane) { return plane == Plane::e ? "aperture height" : "aperture width"; }

std::string feed_text(const Waveguide& feed, const LengthScale& scale) {
  if (!feed.name.empty()) return feed.name;
  return "the " + length_text(feed.width, scale) + " by " + length_text(feed.height, scale) + " waveguide";
}

std::string quoted(std::string_view text) {
  constexpr std::size_t kMaxShown = 40;
  std::string shown = "\"";
  for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    shown += std::isprint(c) != 0 ? static_cast<char>(c) : '?';
  }
  if (text.size() > kMaxShown) shown += "...";
  return shown + "\"";
}

}  // namespace tarniq::detail
