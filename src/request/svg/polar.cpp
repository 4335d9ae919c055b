// Polar pattern plots: a half or full disc of level rings and angle spokes, reference rings, curves, placed labels.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "request/output/number_text.hpp"
#include "request/svg/axis.hpp"
#include "request/svg/labels.hpp"
#include "request/svg/layout.hpp"
#include "request/svg/plot.hpp"
#include "request/svg/svg_document.hpp"

namespace tarniq::request {
namespace {

using svg::Box;
using svg::Clearance;
using svg::Label;
using svg::px;

constexpr int page_width = 480;
constexpr double radius = 184.0;
constexpr double centre_x = page_width / 2.0;
constexpr double angle_label_gap = 8.0;  // from the rim to an angle's label
constexpr double label_row = 18.0;       // rows of ring labels under a half disc

struct Polar {
  double floor, top, centre_y;
  bool half;  // the upper half disc, -90° to 90°
  double ring(double level) const { return radius * (std::clamp(level, floor, top) - floor) / (top - floor); }
  std::pair<double, double> at(double angle_deg, double r) const {
    const double theta = angle_deg * std::numbers::pi / 180.0;
    return {centre_x + r * std::sin(theta), centre_y - r * std::cos(theta)};
  }
  std::pair<double, double> point(double angle_deg, double level) const { return at(angle_deg, ring(level)); }
};

// A circle of radius r about the centre, or its upper half.
std::string ring_path(const Polar& polar, double r, bool closed) {
  const std::string left = px(centre_x - r) + " " + px(polar.centre_y);
  const std::string right = px(centre_x + r) + " " + px(polar.centre_y);
  const std::string arc = "A " + px(r) + " " + px(r) + " 0 0 1 ";
  std::string path = "M " + left + " " + arc + right;
  if (!polar.half) path += " " + arc + left;
  return closed ? path + " Z" : path;
}

bool all_in_half(const PolarChart& chart) {
  for (const auto& series : chart.series)
    for (std::size_t i = 0; i < series.x.size() && i < series.y.size(); ++i)
      if (series.y[i] && std::isfinite(*series.y[i]) && std::fabs(series.x[i]) > 90.0) return false;
  return true;
}

// Candidate angles for labels on the rings, best first: `start`, then
// alternately either side of it; only within the half disc for a half disc.
std::vector<double> label_angles(const Polar& polar, double start, double step) {
  std::vector<double> angles;
  for (double offset = 0.0; offset <= 180.0; offset += step) {
    for (const double angle : {start + offset, start - offset}) {
      const double folded = std::remainder(angle, 360.0);
      if (polar.half && std::fabs(folded) > 90.0) continue;
      if (std::find(angles.begin(), angles.end(), folded) == angles.end()) angles.push_back(folded);
    }
  }
  return angles;
}

// Labels centred on a ring of radius r, at each angle.
std::vector<Label> on_ring(const Polar& polar, const std::string& text, double r, const std::vector<double>& angles) {
  std::vector<Label> labels;
  for (const double angle : angles) {
    const auto [x, y] = polar.at(angle, r);
    labels.push_back({text, x, y});
  }
  return labels;
}

// Labels under a half disc's baseline where the ring meets it on one side
// (-1 left, 1 right), row by row.
std::vector<Label> under_baseline(const Polar& polar, const std::string& text, double r, double side) {
  std::vector<Label> labels;
  for (int row = 1; row <= 3; ++row) labels.push_back({text, centre_x + side * r, polar.centre_y + row * label_row});
  return labels;
}

std::string level_text(double level, const PolarChart& chart) {
  return short_text(level, 2) + " " + chart.level_unit;
}

// Each reference ring's label: under the left of a half disc's baseline
// (where no curve goes), else on the ring where nothing else is, starting
// low on the right.
std::vector<Label> reference_labels(const PolarChart& chart, const Polar& polar, Clearance& clearance) {
  std::vector<Label> placed;
  for (const auto& ring : chart.rings) {
    if (ring.y < polar.floor || ring.y > polar.top) continue;
    const double r = polar.ring(ring.y);
    placed.push_back(place(polar.half ? under_baseline(polar, ring.label, r, -1.0)
                                      : on_ring(polar, ring.label, r, label_angles(polar, 150.0, 5.0)),
                           clearance));
  }
  return placed;
}

// The level rings' labels: under the right of a half disc's baseline, or
// along the spoke of a full disc where the curves leave most room, each moved
// round its ring as little as it must to stay clear. A ring with no room for
// its label goes without (the rings are evenly spaced).
std::vector<Label> level_labels(const PolarChart& chart, const Polar& polar, Clearance& clearance) {
  std::vector<std::pair<double, std::string>> rings;
  for (const double level : svg::tick_values({polar.floor, polar.top, chart.ring_step}))
    if (polar.ring(level) > 0.0) rings.emplace_back(polar.ring(level), level_text(level, chart));
  double spoke = 180.0;
  std::size_t fewest = static_cast<std::size_t>(-1);
  for (const double angle : polar.half ? std::vector<double>{} : label_angles(polar, 180.0, 15.0)) {
    std::size_t count = 0;
    for (const auto& [r, text] : rings) count += clearance.collisions(on_ring(polar, text, r, {angle}).front());
    if (count < fewest) spoke = angle, fewest = count;
    if (count == 0) break;
  }
  std::vector<Label> placed;
  for (const auto& [r, text] : rings) {
    const auto label = place_clear(polar.half ? under_baseline(polar, text, r, 1.0)
                                              : on_ring(polar, text, r, label_angles(polar, spoke, 5.0)),
                                   clearance);
    if (label) placed.push_back(*label);
  }
  return placed;
}

// Rings, spokes with their angles, reference rings and the frame; the
// angles' labels are kept clear of.
void draw_frame(svg::Document& doc, const PolarChart& chart, const Polar& polar, Clearance& clearance) {
  for (const double level : svg::tick_values({polar.floor, polar.top, chart.ring_step})) {
    const double r = polar.ring(level);
    if (r > 0.0) doc.empty("path", {{"d", ring_path(polar, r, false)}, {"fill", "none"}, {"stroke", "#dddddd"}});
  }
  for (int angle = polar.half ? -90 : -150; angle <= (polar.half ? 90 : 180); angle += 30) {
    const auto [rim_x, rim_y] = polar.at(angle, radius);
    doc.line(centre_x, polar.centre_y, rim_x, rim_y, "stroke=\"#dddddd\"");
    // The labels at ±90° sit beside the ends of a half disc's baseline.
    const std::string text = std::to_string(angle) + "°";
    const bool beside = polar.half && std::abs(angle) == 90;
    const double half_width = svg::text_width(text, svg::text_size) / 2.0;
    auto [x, y] = polar.at(angle, radius + angle_label_gap + svg::text_size / 2.0);
    if (beside) x = centre_x + (angle > 0 ? 1.0 : -1.0) * (radius + angle_label_gap + half_width);
    doc.text(x, y + svg::text_size * 0.35, text, "middle");
    clearance.add_label({text, x, y});
  }
  for (const auto& ring : chart.rings) {
    if (ring.y < polar.floor || ring.y > polar.top) continue;
    doc.empty("path", {{"d", ring_path(polar, polar.ring(ring.y), false)}, {"fill", "none"}, {"stroke", "#555555"},
                       {"stroke-dasharray", "5 4"}});
  }
  doc.empty("path", {{"class", "plot-area"}, {"d", ring_path(polar, radius, true)}, {"fill", "none"},
                     {"stroke", "black"},
                     {"data-centre-x", exact_text(centre_x)}, {"data-centre-y", exact_text(polar.centre_y)},
                     {"data-radius", exact_text(radius)},
                     {"data-level-min", exact_text(polar.floor)}, {"data-level-max", exact_text(polar.top)},
                     {"data-angle-min", polar.half ? "-90" : "-180"}, {"data-angle-max", polar.half ? "90" : "180"}});
}

// Draws the curves, whose points the labels keep clear of.
void draw_curves(svg::Document& doc, const PolarChart& chart, const Polar& polar, Clearance& clearance) {
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
        if (run.size() > 1) clearance.add_segment(run[run.size() - 2], run.back());
      } else {
        doc.polyline(run, style);
        run.clear();
      }
    }
    if (run.size() == 1) clearance.add_point(run.front().first, run.front().second);
    doc.polyline(run, style);
  }
  doc.close("g");
}

void keep_rings_clear(const PolarChart& chart, const Polar& polar, Clearance& clearance) {
  for (const auto& ring : chart.rings) {
    if (ring.y < polar.floor || ring.y > polar.top) continue;
    const double r = polar.ring(ring.y);
    for (double angle = polar.half ? -90.0 : -180.0; angle <= (polar.half ? 90.0 : 180.0); angle += 1.0) {
      const auto [x, y] = polar.at(angle, r);
      clearance.add_point(x, y);
    }
  }
}

// A label on a white ground, so that the grid does not run through it.
void draw_label(svg::Document& doc, const Label& label, std::string_view colour) {
  const Box box = label.box();
  doc.empty("rect", {{"x", px(box.x0)}, {"y", px(box.y0)}, {"width", px(box.x1 - box.x0)},
                     {"height", px(box.y1 - box.y0)}, {"fill", "white"}, {"fill-opacity", "0.85"}});
  doc.text(label.x, label.y + svg::text_size * 0.35, label.text, "middle",
           "class=\"ring-label\" fill=\"" + std::string(colour) + "\"");
}

}  // namespace

std::string render_polar(const PolarChart& chart) {
  // A degenerate level range would divide by zero; widen it to one ring.
  const double top = chart.top > chart.floor ? chart.top : chart.floor + chart.ring_step;
  const bool half = all_in_half(chart);
  svg::Document doc(page_width, chart.title);
  double y = svg::draw_heading(doc, chart.title, chart.subtitle) + 8.0;
  std::vector<svg::LegendEntry> legend;
  for (std::size_t n = 0; n < chart.series.size(); ++n) legend.push_back(svg::curve_entry(chart.series[n].name, n));
  legend.push_back({"centre: " + level_text(chart.floor, chart) + " and below", "#555555", "none",
                    svg::LegendEntry::Sample::none});
  y = svg::draw_legend(doc, legend, 24.0, y, page_width - 48.0);
  const Polar polar{chart.floor, top, y + angle_label_gap + svg::text_size + 6.0 + radius, half};

  Clearance clearance;
  draw_frame(doc, chart, polar, clearance);
  draw_curves(doc, chart, polar, clearance);
  keep_rings_clear(chart, polar, clearance);
  // The page ends under the disc's lowest text: a label under a half disc's
  // baseline, the angle at the bottom of a full one.
  double bottom = half ? polar.centre_y + svg::text_size : polar.centre_y + radius + angle_label_gap + svg::text_size;
  for (const auto& label : reference_labels(chart, polar, clearance)) {
    draw_label(doc, label, "#333333");
    bottom = std::max(bottom, label.box().y1);
  }
  for (const auto& label : level_labels(chart, polar, clearance)) {
    draw_label(doc, label, "#444444");
    bottom = std::max(bottom, label.box().y1);
  }
  return doc.finish(bottom + 12.0);
}

}  // namespace tarniq::request
