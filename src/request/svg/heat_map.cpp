// Heat maps: one coloured cell per grid point, axes with ticks, and a colour scale with its ticks.
#include "request/svg/heat_map.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "request/output/number_text.hpp"
#include "request/svg/axis.hpp"
#include "request/svg/svg_document.hpp"

namespace tarniq::request {
namespace {

using svg::px;

// Page layout in pixels.
constexpr int page_width = 840;
constexpr int page_height = 560;
constexpr double left = 84.0;
constexpr double top_edge = 72.0;
constexpr double plot_width = 560.0;
constexpr double plot_height = 400.0;
constexpr double scale_x = left + plot_width + 40.0;
constexpr double scale_width = 22.0;
constexpr int scale_steps = 64;

// A perceptually even colour map from dark blue through green to yellow:
// stops at 0, 1/4, 1/2, 3/4 and 1, red, green and blue from 0 to 1.
constexpr std::array<std::array<double, 3>, 5> kStops = {{{0.267, 0.005, 0.329},
                                                          {0.229, 0.322, 0.546},
                                                          {0.128, 0.567, 0.551},
                                                          {0.369, 0.789, 0.383},
                                                          {0.993, 0.906, 0.144}}};

std::string colour(double t) {
  t = std::clamp(t, 0.0, 1.0) * static_cast<double>(kStops.size() - 1);
  const std::size_t i = std::min(static_cast<std::size_t>(t), kStops.size() - 2);
  const double f = t - static_cast<double>(i);
  char text[8];
  int rgb[3];
  for (int c = 0; c < 3; ++c)
    rgb[c] = static_cast<int>(std::lround(255.0 * (kStops[i][c] + f * (kStops[i + 1][c] - kStops[i][c]))));
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
  return text;
}

// The cell edges around ascending centres: halfway between neighbours, and
// as far out at the ends (a single centre gets a cell one unit wide).
std::vector<double> edges(const std::vector<double>& centres) {
  std::vector<double> e;
  if (centres.empty()) return e;
  if (centres.size() == 1) return {centres[0] - 0.5, centres[0] + 0.5};
  e.push_back(centres[0] - (centres[1] - centres[0]) / 2.0);
  for (std::size_t i = 1; i < centres.size(); ++i) e.push_back((centres[i - 1] + centres[i]) / 2.0);
  e.push_back(centres.back() + (centres.back() - centres[centres.size() - 2]) / 2.0);
  return e;
}

struct Area {
  double x_low, x_high, y_low, y_high;
  double map_x(double v) const { return left + (v - x_low) / (x_high - x_low) * plot_width; }
  double map_y(double v) const { return top_edge + (y_high - v) / (y_high - y_low) * plot_height; }
};

void draw_cells(svg::Document& doc, const HeatMap& map, const Area& area, const std::vector<double>& xe,
                const std::vector<double>& ye) {
  doc.open("g", {{"stroke", "none"}});
  for (std::size_t i = 0; i < map.y.size(); ++i) {
    for (std::size_t j = 0; j < map.x.size(); ++j) {
      const std::optional<double>& v = map.values[i * map.x.size() + j];
      const bool shown = v && std::isfinite(*v);
      const double x0 = area.map_x(xe[j]), x1 = area.map_x(xe[j + 1]);
      const double y0 = area.map_y(ye[i + 1]), y1 = area.map_y(ye[i]);
      // A hair wider than the cell, so that no seam shows between cells.
      doc.empty("rect", {{"class", "cell"}, {"x", px(x0)}, {"y", px(y0)}, {"width", px(x1 - x0 + 0.5)},
                         {"height", px(y1 - y0 + 0.5)},
                         {"fill", shown ? colour((*v - map.floor) / (map.top - map.floor)) : "#cccccc"},
                         {"data-value", shown ? exact_text(*v) : ""}});
    }
  }
  doc.close("g");
}

void draw_axes(svg::Document& doc, const HeatMap& map, const Area& area) {
  const double bottom = top_edge + plot_height;
  const svg::Scale xs = svg::nice_scale(area.x_low, area.x_high, 8, true);
  for (const double tick : svg::tick_values(xs)) {
    if (tick < area.x_low - 1e-9 || tick > area.x_high + 1e-9) continue;
    const double x = area.map_x(tick);
    doc.line(x, bottom, x, bottom + 5.0, "stroke=\"black\"");
    doc.text(x, bottom + 18.0, svg::tick_label(tick, xs), "middle");
  }
  const svg::Scale ys = svg::nice_scale(area.y_low, area.y_high, 6, true);
  for (const double tick : svg::tick_values(ys)) {
    if (tick < area.y_low - 1e-9 || tick > area.y_high + 1e-9) continue;
    const double y = area.map_y(tick);
    doc.line(left - 5.0, y, left, y, "stroke=\"black\"");
    doc.text(left - 8.0, y + 4.0, svg::tick_label(tick, ys), "end");
  }
  doc.empty("rect", {{"class", "plot-area"}, {"x", px(left)}, {"y", px(top_edge)}, {"width", px(plot_width)},
                     {"height", px(plot_height)}, {"fill", "none"}, {"stroke", "black"},
                     {"data-x-min", exact_text(area.x_low)}, {"data-x-max", exact_text(area.x_high)},
                     {"data-y-min", exact_text(area.y_low)}, {"data-y-max", exact_text(area.y_high)}});
  doc.text(left + plot_width / 2.0, bottom + 42.0, map.x_title, "middle");
  const double middle = top_edge + plot_height / 2.0;
  doc.text(22.0, middle, map.y_title, "middle", "transform=\"rotate(-90 22 " + px(middle) + ")\"");
}

void draw_colour_scale(svg::Document& doc, const HeatMap& map) {
  const double step_height = plot_height / scale_steps;
  doc.open("g", {{"stroke", "none"}});
  for (int k = 0; k < scale_steps; ++k) {
    const double t = (k + 0.5) / scale_steps;  // bottom to top
    doc.empty("rect", {{"x", px(scale_x)}, {"y", px(top_edge + plot_height - (k + 1) * step_height)},
                       {"width", px(scale_width)}, {"height", px(step_height + 0.5)}, {"fill", colour(t)}});
  }
  doc.close("g");
  doc.empty("rect", {{"class", "colour-scale"}, {"x", px(scale_x)}, {"y", px(top_edge)}, {"width", px(scale_width)},
                     {"height", px(plot_height)}, {"fill", "none"}, {"stroke", "black"},
                     {"data-value-min", exact_text(map.floor)}, {"data-value-max", exact_text(map.top)}});
  const svg::Scale s = svg::nice_scale(map.floor, map.top, 8);
  for (const double tick : svg::tick_values(s)) {
    if (tick < map.floor - 1e-9 || tick > map.top + 1e-9) continue;
    const double y = top_edge + (map.top - tick) / (map.top - map.floor) * plot_height;
    doc.line(scale_x + scale_width, y, scale_x + scale_width + 5.0, y, "stroke=\"black\"");
    doc.text(scale_x + scale_width + 8.0, y + 4.0, svg::tick_label(tick, s));
  }
  const double middle = top_edge + plot_height / 2.0;
  const double title_x = scale_x + scale_width + 62.0;
  doc.text(title_x, middle, map.value_title, "middle",
           "transform=\"rotate(-90 " + px(title_x) + " " + px(middle) + ")\"");
}

}  // namespace

std::string render_heat_map(const HeatMap& given) {
  HeatMap map = given;
  if (!(map.top > map.floor)) map.top = map.floor + 1.0;  // a flat map still gets a scale
  map.values.resize(map.x.size() * map.y.size());
  svg::Document doc(page_width, page_height, map.title);
  doc.text(page_width / 2.0, 28.0, map.title, "middle", "font-size=\"16\" font-weight=\"bold\"");
  doc.text(page_width / 2.0, 48.0, map.subtitle, "middle", "fill=\"#444444\"");
  if (!map.x.empty() && !map.y.empty()) {
    const std::vector<double> xe = edges(map.x);
    const std::vector<double> ye = edges(map.y);
    const Area area{xe.front(), xe.back(), ye.front(), ye.back()};
    draw_cells(doc, map, area, xe, ye);
    draw_axes(doc, map, area);
  }
  draw_colour_scale(doc, map);
  return doc.finish();
}

}  // namespace tarniq::request
