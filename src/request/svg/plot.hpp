// Plots as standalone SVG 1.1 text: line charts (stacked panels over one x axis) and polar patterns.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarniq::request {

// One curve: y at each x; an empty y (or one not finite) breaks the line.
struct Series {
  std::string name;
  std::vector<double> x;
  std::vector<std::optional<double>> y;
  // Indices i where the curve jumps between points i-1 and i: drawn as a
  // dotted connector between open circles rather than as part of the line.
  std::vector<std::size_t> jumps = {};
};

// The indices i where y may jump between neighbouring points i-1 and i: a
// step more than three times any other within two points of it, and more
// than a fiftieth of the curve's whole range. A smooth curve sampled evenly
// has none; a steep stretch of one sampled coarsely may, so a caller that
// can compute between the points should confirm each.
std::vector<std::size_t> find_jumps(const Series& series);

// A labelled horizontal line (a level), e.g. "−3 dB".
struct ReferenceLine {
  double y = 0.0;
  std::string label;
};

struct Panel {
  std::string y_title;  // with its unit, e.g. "Gain (dBi)"
  std::vector<Series> series;
  std::vector<ReferenceLine> lines;
  // The lowest y shown; values below it are clipped (a pattern's nulls).
  std::optional<double> y_floor;
  // The legend's words for the series' jumps, shown when any curve has one.
  std::string jump_note = "jump";
};

// Panels stacked top to bottom, sharing the x axis titled under the last.
struct Chart {
  std::string title;     // names the horn and the frequency
  std::string subtitle;
  std::string x_title;   // with its unit
  bool x_in_degrees = false;  // ticks at 15°, 30°, 45°, 90° where they fit
  std::vector<Panel> panels;
};

// Levels against angle on concentric rings: 0° at the top, angles growing
// clockwise; levels under `floor` sit at the centre. The plot is a half disc
// (-90° to 90°) when every point lies there, else a full disc; the rings'
// labels are placed clear of the curves, the reference rings and each other.
struct PolarChart {
  std::string title;
  std::string subtitle;
  std::string level_unit;  // "dBi"
  std::vector<Series> series;     // x: angle in degrees, y: level
  std::vector<ReferenceLine> rings;
  double floor = 0.0;  // level at the centre
  double top = 0.0;    // level of the outer ring
  double ring_step = 10.0;
};

// Each plot area (a <rect class="plot-area">) carries its data range as
// data-x-min, data-x-max, data-y-min, data-y-max; a polar frame (<path
// class="plot-area">) carries its centre and radius (data-centre-x,
// data-centre-y, data-radius), data-level-min and data-level-max, and the
// angles it spans (data-angle-min, data-angle-max). Each curve is one or more
// <polyline class="series" data-series="NAME">; each jump a <line
// class="jump" data-series="NAME" data-from="X" data-to="X">.
std::string render_chart(const Chart& chart);
std::string render_polar(const PolarChart& chart);

}  // namespace tarniq::request
