// Polar pattern plots: level rings, angle spokes, reference rings, curves and a legend.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "request/output/number_text.hpp"
#include "request/svg/axis.hpp"
#include "request/svg/plot.hpp"
#include "request/svg/svg_document.hpp"

namespace tarniq::request {
namespace {

using svg::px;

constexpr int page_width = 840;
constexpr int page_height = 720;
constexpr double centre_x = 330.0;
constexpr double centre_y = 400.0;
constexpr double radius = 270.0;
constexpr double legend_x = 660.0;

struct Polar {
  double floor, top;
  double ring(double level) const {
    return radius * (std::clamp(level, floor, top) - floor) / (top - floor);
  }
  std::pair<double, double> point(double angle_deg, double level) const {
    const double theta = angle_deg * std::numbers::pi / 180.0;
    const double r = ring(level);
    return {centre_x + r * std::sin(theta), centre_y - r * std::cos(theta)};
  }
};

void draw_frame(svg::Document& doc, const PolarChart& chart, const Polar& polar) {
  const svg::Scale levels{polar.floor, polar.top, chart.ring_step};
  for (const double level : svg::tick_values(levels)) {
    const double r = polar.ring(level);
    doc.empty("circle", {{"cx", px(centre_x)}, {"cy", px(centre_y)}, {"r", px(r)}, {"fill", "none"},
                         {"stroke", "#dddddd"}});
    doc.text(centre_x + 4.0, centre_y + r - 4.0, short_text(level, 2) + " " + chart.level_unit, "start",
             "fill=\"#444444\" font-size=\"11\"");
  }
  for (int angle = -150; angle <= 180; angle += 30) {
    const auto [x, y] = polar.point(angle, polar.top);
    doc.line(centre_x, centre_y, x, y, "stroke=\"#dddddd\"");
    const double theta = angle * std::numbers::pi / 180.0;
    doc.text(centre_x + (radius + 18.0) * std::sin(theta), centre_y - (radius + 18.0) * std::cos(theta) + 4.0,
             std::to_string(angle) + "°", "middle");
  }
  for (const auto& ring : chart.rings) {
    if (ring.y < polar.floor || ring.y > polar.top) continue;
    const double r = polar.ring(ring.y);
    doc.empty("circle", {{"cx", px(centre_x)}, {"cy", px(centre_y)}, {"r", px(r)}, {"fill", "none"},
                         {"stroke", "#555555"}, {"stroke-dasharray", "5 4"}});
    doc.text(centre_x - 4.0, centre_y + r - 4.0, ring.label, "end", "fill=\"#555555\" font-size=\"11\"");
  }
  doc.empty("circle", {{"class", "plot-area"}, {"cx", px(centre_x)}, {"cy", px(centre_y)}, {"r", px(radius)},
                       {"fill", "none"}, {"stroke", "black"},
                       {"data-level-min", exact_text(polar.floor)}, {"data-level-max", exact_text(polar.top)}});
}

void draw_curves(svg::Document& doc, const PolarChart& chart, const Polar& polar) {
  doc.open("g", {{"fill", "none"}, {"stroke-width", "1.6"}});
  for (std::size_t n = 0; n < chart.series.size(); ++n) {
    const Series& series = chart.series[n];
    const std::string style = "class=\"series\" data-series=\"" + svg::escape(series.name) + "\" stroke=\"" +
                              std::string(svg::curve_colour(n)) + "\" stroke-dasharray=\"" +
                              std::string(svg::curve_dashes(n)) + "\"";
    std::vector<std::pair<double, double>> run;
    for (std::size_t i = 0; i < series.x.size() && i < series.y.size(); ++i) {
      if (series.y[i] && std::isfinite(*series.y[i]) && std::isfinite(series.x[i])) {
        run.push_back(polar.point(series.x[i], *series.y[i]));
      } else {
        doc.polyline(run, style);
        run.clear();
      }
    }
    doc.polyline(run, style);
  }
  doc.close("g");
  double y = centre_y - radius;
  for (std::size_t n = 0; n < chart.series.size(); ++n, y += 20.0) {
    doc.line(legend_x, y - 4.0, legend_x + 26.0, y - 4.0,
             "stroke=\"" + std::string(svg::curve_colour(n)) + "\" stroke-width=\"2\" stroke-dasharray=\"" +
                 std::string(svg::curve_dashes(n)) + "\"");
    doc.text(legend_x + 32.0, y, chart.series[n].name);
  }
}

}  // namespace

std::string render_polar(const PolarChart& chart) {
  // A degenerate level range would divide by zero; widen it to one ring.
  const double top = chart.top > chart.floor ? chart.top : chart.floor + chart.ring_step;
  const Polar polar{chart.floor, top};
  svg::Document doc(page_width, page_height, chart.title);
  doc.text(page_width / 2.0, 28.0, chart.title, "middle", "font-size=\"16\" font-weight=\"bold\"");
  doc.text(page_width / 2.0, 48.0, chart.subtitle, "middle", "fill=\"#444444\"");
  draw_frame(doc, chart, polar);
  draw_curves(doc, chart, polar);
  return doc.finish();
}

}  // namespace tarniq::request
