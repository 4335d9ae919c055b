// Heat maps as standalone SVG: a value over a grid of two angles, with a colour scale.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarniq::request {

// Values on a grid: value[i·x.size() + j] at (x[j], y[i]); x and y ascending
// (a single value is allowed). Each value fills the cell halfway to its
// neighbours; an empty value is drawn grey. Colours run from `floor` (and
// below) to `top` (and above).
struct HeatMap {
  std::string title;
  std::string subtitle;
  std::string x_title;      // with its unit, e.g. "φ (degrees)"
  std::string y_title;
  std::string value_title;  // the colour scale's, e.g. "Co-polar level (dBi)"
  std::vector<double> x;
  std::vector<double> y;
  std::vector<std::optional<double>> values;
  double floor = 0.0;
  double top = 1.0;
};

// The plot area is a <rect class="plot-area"> with data-x-min, data-x-max,
// data-y-min and data-y-max (the cells' outer edges); each cell a <rect
// class="cell"> with data-value (empty for none); the colour scale a <rect
// class="colour-scale"> with data-value-min and data-value-max.
std::string render_heat_map(const HeatMap& map);

}  // namespace tarniq::request
