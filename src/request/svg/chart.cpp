// Line charts: panels stacked over one x axis, with grid, ticks, titles, reference lines, jumps and legends.
#include <algorithm>
#include <cmath>
#include <limits>

#include "request/output/number_text.hpp"
#include "request/svg/axis.hpp"
#include "request/svg/layout.hpp"
#include "request/svg/plot.hpp"
#include "request/svg/svg_document.hpp"

namespace tarniq::request {
namespace {

using svg::px;

// Page layout in pixels: narrow, so that a phone shows the text legibly.
constexpr int page_width = 480;
constexpr double left = 66.0;  // room for the y title and the tick labels
constexpr double right = 16.0;
constexpr double plot_width = page_width - left - right;
constexpr double legend_gap = 6.0;  // between a legend and its plot area
constexpr double panel_gap = 18.0;
constexpr double tick_length = 5.0;
constexpr std::size_t most_markers = 40;  // curves with fewer points show each point

double panel_height(std::size_t panels) { return panels > 1 ? 200.0 : 270.0; }

struct Frame {
  double top, height;
  svg::Scale x, y;
  double map_x(double value) const { return left + (value - x.low) / (x.high - x.low) * plot_width; }
  double map_y(double value) const {
    const double mapped = top + (y.high - value) / (y.high - y.low) * height;
    // Far outside the area nothing shows (it is clipped); keep the text short.
    return std::clamp(mapped, top - height, top + 2.0 * height);
  }
};

template <class Visit>
void each_point(const Series& series, Visit visit) {
  const std::size_t n = std::min(series.x.size(), series.y.size());
  for (std::size_t i = 0; i < n; ++i)
    if (series.y[i] && std::isfinite(*series.y[i]) && std::isfinite(series.x[i])) visit(series.x[i], *series.y[i]);
}

svg::Scale x_scale(const Chart& chart) {
  double low = std::numeric_limits<double>::infinity(), high = -low;
  for (const auto& panel : chart.panels)
    for (const auto& series : panel.series)
      each_point(series, [&](double x, double) { low = std::min(low, x), high = std::max(high, x); });
  return svg::nice_scale(low, high, 8, chart.x_in_degrees);
}

svg::Scale y_scale(const Panel& panel) {
  double low = std::numeric_limits<double>::infinity(), high = -low;
  for (const auto& series : panel.series)
    each_point(series, [&](double, double y) {
      if (panel.y_floor && y < *panel.y_floor) return;
      low = std::min(low, y), high = std::max(high, y);
    });
  if (panel.y_floor && std::isfinite(high)) low = *panel.y_floor;
  for (const auto& line : panel.lines)
    if (std::isfinite(high)) low = std::min(low, line.y), high = std::max(high, line.y);
  return svg::nice_scale(low, high, 6);
}

void draw_grid(svg::Document& doc, const Frame& frame, bool x_labels) {
  const double bottom = frame.top + frame.height;
  for (const double tick : svg::tick_values(frame.x)) {
    const double x = frame.map_x(tick);
    doc.line(x, frame.top, x, bottom, "stroke=\"#dddddd\"");
    doc.line(x, bottom, x, bottom + tick_length, "stroke=\"black\"");
    if (x_labels) doc.text(x, bottom + tick_length + svg::text_size + 2.0, svg::tick_label(tick, frame.x), "middle");
  }
  for (const double tick : svg::tick_values(frame.y)) {
    const double y = frame.top + (frame.y.high - tick) / (frame.y.high - frame.y.low) * frame.height;
    doc.line(left, y, left + plot_width, y, "stroke=\"#dddddd\"");
    doc.line(left - tick_length, y, left, y, "stroke=\"black\"");
    doc.text(left - tick_length - 3.0, y + svg::text_size * 0.35, svg::tick_label(tick, frame.y), "end");
  }
}

std::string series_attributes(const Series& series, std::size_t n) {
  return "class=\"series\" data-series=\"" + svg::escape(series.name) + "\" stroke=\"" +
         std::string(svg::curve_colour(n)) + "\" stroke-dasharray=\"" + std::string(svg::curve_dashes(n)) + "\"";
}

bool present(const Series& series, std::size_t i) { return series.y[i] && std::isfinite(*series.y[i]); }

// The curve as polylines broken at gaps and at jumps, and a marker on each
// point when there are few.
void draw_series(svg::Document& doc, const Frame& frame, const Series& series, std::size_t n) {
  const std::string style = series_attributes(series, n);
  const auto jumps_at = [&](std::size_t i) {
    return std::find(series.jumps.begin(), series.jumps.end(), i) != series.jumps.end();
  };
  std::vector<std::pair<double, double>> run;
  std::size_t shown = 0;
  for (std::size_t i = 0; i < series.x.size() && i < series.y.size(); ++i) {
    if (!present(series, i) || jumps_at(i)) {
      doc.polyline(run, style);
      run.clear();
    }
    if (present(series, i)) {
      run.emplace_back(frame.map_x(series.x[i]), frame.map_y(*series.y[i]));
      ++shown;
    }
  }
  doc.polyline(run, style);
  if (shown > most_markers) return;
  each_point(series, [&](double x, double y) {
    doc.empty("circle", {{"cx", px(frame.map_x(x))}, {"cy", px(frame.map_y(y))}, {"r", "3"},
                         {"fill", std::string(svg::curve_colour(n))}, {"stroke", "none"}});
  });
}

void draw_jumps(svg::Document& doc, const Frame& frame, const Series& series, std::size_t n) {
  for (const std::size_t i : series.jumps) {
    if (i == 0 || i >= series.x.size() || i >= series.y.size() || !present(series, i - 1) || !present(series, i))
      continue;
    svg::draw_jump(doc, frame.map_x(series.x[i - 1]), frame.map_y(*series.y[i - 1]), frame.map_x(series.x[i]),
                   frame.map_y(*series.y[i]), svg::curve_colour(n),
                   "class=\"jump\" data-series=\"" + svg::escape(series.name) + "\" data-from=\"" +
                       exact_text(series.x[i - 1]) + "\" data-to=\"" + exact_text(series.x[i]) + "\"");
  }
}

void draw_curves(svg::Document& doc, const Frame& frame, const Panel& panel, std::size_t index) {
  const std::string clip = "plot-clip-" + std::to_string(index);
  doc.open("clipPath", {{"id", clip}});
  doc.empty("rect", {{"x", px(left)}, {"y", px(frame.top)}, {"width", px(plot_width)}, {"height", px(frame.height)}});
  doc.close("clipPath");
  doc.open("g", {{"clip-path", "url(#" + clip + ")"}, {"fill", "none"}, {"stroke-width", "1.6"}});
  for (const auto& line : panel.lines) {
    if (line.y < frame.y.low || line.y > frame.y.high) continue;
    const double y = frame.map_y(line.y);
    doc.line(left, y, left + plot_width, y, "stroke=\"#555555\" stroke-width=\"1\" stroke-dasharray=\"5 4\"");
    doc.text(left + plot_width - 4.0, y - 4.0, line.label, "end", "fill=\"#555555\" stroke=\"none\"");
  }
  for (std::size_t n = 0; n < panel.series.size(); ++n) draw_series(doc, frame, panel.series[n], n);
  for (std::size_t n = 0; n < panel.series.size(); ++n) draw_jumps(doc, frame, panel.series[n], n);
  doc.close("g");
}

// The panel's legend above its plot area: each curve, and the jumps when
// a curve has one.
std::vector<svg::LegendEntry> legend_entries(const Panel& panel) {
  std::vector<svg::LegendEntry> entries;
  bool jumps = false;
  for (std::size_t n = 0; n < panel.series.size(); ++n) {
    entries.push_back(svg::curve_entry(panel.series[n].name, n));
    jumps = jumps || !panel.series[n].jumps.empty();
  }
  if (jumps) entries.push_back({panel.jump_note, "#555555", "none", svg::LegendEntry::Sample::jump});
  return entries;
}

// Draws the panel from `top` down; returns the y below it.
double draw_panel(svg::Document& doc, double top, double height, const svg::Scale& x, const Panel& panel,
                  std::size_t index, bool last) {
  const double area_top = svg::draw_legend(doc, legend_entries(panel), left, top, plot_width) + legend_gap;
  const Frame frame{area_top, height, x, y_scale(panel)};
  draw_grid(doc, frame, last);
  draw_curves(doc, frame, panel, index);
  doc.empty("rect", {{"class", "plot-area"},
                     {"x", px(left)}, {"y", px(frame.top)}, {"width", px(plot_width)}, {"height", px(frame.height)},
                     {"fill", "none"}, {"stroke", "black"},
                     {"data-x-min", exact_text(frame.x.low)},
                     {"data-x-max", exact_text(frame.x.high)},
                     {"data-y-min", exact_text(frame.y.low)},
                     {"data-y-max", exact_text(frame.y.high)}});
  const double middle = frame.top + frame.height / 2.0;
  const double title_x = svg::text_size + 4.0;
  doc.text(title_x, middle, panel.y_title, "middle", "transform=\"rotate(-90 " + px(title_x) + " " + px(middle) + ")\"");
  return frame.top + frame.height;
}

}  // namespace

std::string render_chart(const Chart& chart) {
  svg::Document doc(page_width, chart.title);
  double y = svg::draw_heading(doc, chart.title, chart.subtitle) + 8.0;
  const double height = panel_height(chart.panels.size());
  const svg::Scale x = x_scale(chart);
  for (std::size_t i = 0; i < chart.panels.size(); ++i) {
    const bool last = i + 1 == chart.panels.size();
    y = draw_panel(doc, y, height, x, chart.panels[i], i, last) + (last ? 0.0 : panel_gap);
  }
  y += tick_length + svg::text_size + 2.0 + 24.0;
  y = doc.lines(left + plot_width / 2.0, y, svg::wrap_text(chart.x_title, plot_width, svg::text_size),
                svg::text_size + 4.0, "middle");
  return doc.finish(y - svg::text_size + 10.0);
}

}  // namespace tarniq::request
