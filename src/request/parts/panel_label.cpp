// Fitting a panel's label inside the panel.
#include "request/parts/panel_label.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarniq::request {
namespace {

constexpr double kCharWidth = 0.6;   // ems per character, on average
constexpr double kLeading = 1.4;     // line spacing, ems
constexpr double kLargest = 4.0;     // mm
constexpr double kSmallest = 1.2;    // mm: below this a label cannot be read
constexpr double kSizeStep = 0.2;    // mm
constexpr double kBaselineDrop = 0.35;  // ems from a line's middle down to its baseline

// Where a block of text goes along the panel's axis, and whether it fits:
// a block `along_axis` long (measured up the axis) and `across_axis` wide
// must keep `pad` clear of every edge.
struct Fit {
  bool fits = false;
  double y = 0.0;  // the block's centre, up the axis from the throat edge
};

Fit fit_block(const Panel& panel, double centroid_y, double along_axis, double across_axis, double pad) {
  const double h = panel.height;
  if (along_axis + 2.0 * pad > h) return {};
  const double y = std::clamp(centroid_y, pad + along_axis / 2.0, h - pad - along_axis / 2.0);
  // The panel is narrowest at the block's throat end.
  const double low = y - along_axis / 2.0;
  const double width = panel.short_edge + (panel.long_edge - panel.short_edge) * low / h;
  return {across_axis + 2.0 * pad <= width, y};
}

double readable(double angle_deg) {
  double angle = std::remainder(angle_deg, 360.0);
  if (angle > 90.0) angle -= 180.0;
  if (angle <= -90.0) angle += 180.0;
  return angle;
}

}  // namespace

double text_width(std::string_view text, double size) {
  // Characters, not bytes: UTF-8 continuation bytes are not counted.
  const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
  return static_cast<double>(characters) * kCharWidth * size;
}

std::vector<LabelLine> fit_label(const PlacedPanel& panel_mm, const Panel& panel, const std::vector<std::string>& lines) {
  const double s = panel.short_edge;
  const double l = panel.long_edge;
  const double centroid_y = panel.height * (s + 2.0 * l) / (3.0 * (s + l));
  const auto longest = [&](double size) {
    double width = 0.0;
    for (const auto& line : lines) width = std::max(width, text_width(line, size));
    return width;
  };
  const auto thickness = [&](double size) {
    return (static_cast<double>(lines.size() - 1) * kLeading + 1.0) * size;
  };
  double size = kSmallest;
  bool along = true;
  Fit fit{false, centroid_y};
  for (double trial = kLargest; trial >= kSmallest - 1e-9; trial -= kSizeStep) {
    const double pad = std::max(1.5, 0.5 * trial);
    const Fit across = fit_block(panel, centroid_y, thickness(trial), longest(trial), pad);
    const Fit lengthwise = fit_block(panel, centroid_y, longest(trial), thickness(trial), pad);
    if (across.fits || lengthwise.fits) {
      size = trial;
      along = !across.fits;
      fit = across.fits ? across : lengthwise;
      break;
    }
  }
  const double axis = panel_mm.axis_angle_deg * std::numbers::pi / 180.0;
  const double shift = fit.y - centroid_y;
  const double centre_x = panel_mm.centre.x + shift * std::cos(axis);
  const double centre_y = panel_mm.centre.y + shift * std::sin(axis);
  const double angle = readable(panel_mm.axis_angle_deg - (along ? 0.0 : 90.0));
  const double a = angle * std::numbers::pi / 180.0;
  const double down_x = std::sin(a), down_y = -std::cos(a);  // down the page of the text
  std::vector<LabelLine> placed;
  const double middle = static_cast<double>(lines.size() - 1) / 2.0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double offset = (static_cast<double>(i) - middle) * kLeading * size + kBaselineDrop * size;
    placed.push_back({centre_x + offset * down_x, centre_y + offset * down_y, size, angle, lines[i]});
  }
  return placed;
}

}  // namespace tarniq::request
