// Round axis scales and tick labels; the curve palette.
#include "request/svg/axis.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "request/output/number_text.hpp"

namespace tarniq::request::svg {
namespace {

double round_step(double raw, bool in_degrees) {
  if (in_degrees && raw > 10.0) {
    for (const double step : {15.0, 30.0, 45.0, 90.0})
      if (raw <= step) return step;
    return 90.0;
  }
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double normal = raw / magnitude;
  if (normal < 1.5) return magnitude;
  if (normal < 3.0) return 2.0 * magnitude;
  if (normal < 7.0) return 5.0 * magnitude;
  return 10.0 * magnitude;
}

}  // namespace

Scale nice_scale(double low, double high, int ticks, bool in_degrees) {
  if (!std::isfinite(low) || !std::isfinite(high)) return {};
  if (low > high) std::swap(low, high);
  double span = high - low;
  if (!(span > std::fabs(high) * 1e-12) || !std::isfinite(span)) {
    // One value, or a span lost in rounding: centre it in a small range.
    const double half = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
    low -= half;
    high += half;
    span = high - low;
    if (!std::isfinite(span)) return {};
  }
  const double step = round_step(span / ticks, in_degrees);
  if (!(step > 0.0) || !std::isfinite(step)) return {};
  return {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
}

std::vector<double> tick_values(const Scale& scale) {
  std::vector<double> ticks;
  constexpr int most = 60;
  for (int i = 0; i <= most; ++i) {
    const double value = scale.low + i * scale.step;
    if (value > scale.high + scale.step * 1e-6) break;
    ticks.push_back(std::fabs(value) < scale.step * 1e-9 ? 0.0 : value);
  }
  return ticks;
}

std::string tick_label(double value, const Scale& scale) {
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(scale.step) - 1e-9)), 0, 12);
  return fixed_text(value, decimals);
}

std::string_view curve_colour(std::size_t n) {
  static constexpr std::array<std::string_view, 6> colours = {"#0072b2", "#d55e00", "#009e73",
                                                             "#cc79a7", "#e69f00", "#56b4e9"};
  return colours[n % colours.size()];
}

std::string_view curve_dashes(std::size_t n) {
  static constexpr std::array<std::string_view, 5> dashes = {"none", "7 3", "2 2", "9 3 2 3", "4 4"};
  return dashes[n % dashes.size()];
}

}  // namespace tarniq::request::svg
