// Line charts: panels stacked over one x axis, with grid, ticks, titles, reference lines and a legend.
#include <algorithm>
#include <cmath>
#include <limits>

#include "request/output/number_text.hpp"
#include "request/svg/axis.hpp"
#include "request/svg/plot.hpp"
#include "request/svg/svg_document.hpp"

namespace tarniq::request {
namespace {

using svg::px;

// Page layout in pixels.
constexpr double left = 84.0;
constexpr double plot_width = 540.0;
constexpr double legend_x = left + plot_width + 24.0;
constexpr int page_width = 840;
constexpr double first_top = 72.0;
constexpr double panel_gap = 36.0;
constexpr std::size_t most_markers = 40;  // curves with fewer points show each point

double panel_height(std::size_t panels) { return panels > 1 ? 230.0 : 320.0; }

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
    doc.line(x, bottom, x, bottom + 5.0, "stroke=\"black\"");
    if (x_labels) doc.text(x, bottom + 18.0, svg::tick_label(tick, frame.x), "middle");
  }
  for (const double tick : svg::tick_values(frame.y)) {
    const double y = frame.top + (frame.y.high - tick) / (frame.y.high - frame.y.low) * frame.height;
    doc.line(left, y, left + plot_width, y, "stroke=\"#dddddd\"");
    doc.line(left - 5.0, y, left, y, "stroke=\"black\"");
    doc.text(left - 8.0, y + 4.0, svg::tick_label(tick, frame.y), "end");
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
  for (std::size_t n = 0; n < panel.series.size(); ++n) {
    const Series& series = panel.series[n];
    const std::string style = "class=\"series\" data-series=\"" + svg::escape(series.name) + "\" stroke=\"" +
                              std::string(svg::curve_colour(n)) + "\" stroke-dasharray=\"" +
                              std::string(svg::curve_dashes(n)) + "\"";
    std::vector<std::pair<double, double>> run;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < series.x.size() && i < series.y.size(); ++i) {
      if (series.y[i] && std::isfinite(*series.y[i])) {
        run.emplace_back(frame.map_x(series.x[i]), frame.map_y(*series.y[i]));
        ++shown;
      } else {
        doc.polyline(run, style);
        run.clear();
      }
    }
    doc.polyline(run, style);
    if (shown > most_markers) continue;
    each_point(series, [&](double x, double y) {
      doc.empty("circle", {{"cx", px(frame.map_x(x))}, {"cy", px(frame.map_y(y))}, {"r", "3"},
                           {"fill", std::string(svg::curve_colour(n))}, {"stroke", "none"}});
    });
  }
  doc.close("g");
}

void draw_legend(svg::Document& doc, const Frame& frame, const Panel& panel) {
  double y = frame.top + 14.0;
  for (std::size_t n = 0; n < panel.series.size(); ++n, y += 20.0) {
    doc.line(legend_x, y - 4.0, legend_x + 26.0, y - 4.0,
             "stroke=\"" + std::string(svg::curve_colour(n)) + "\" stroke-width=\"2\" stroke-dasharray=\"" +
                 std::string(svg::curve_dashes(n)) + "\"");
    doc.text(legend_x + 32.0, y, panel.series[n].name);
  }
}

void draw_panel(svg::Document& doc, const Frame& frame, const Panel& panel, std::size_t index, bool last) {
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
  doc.text(22.0, middle, panel.y_title, "middle", "transform=\"rotate(-90 22 " + px(middle) + ")\"");
  draw_legend(doc, frame, panel);
}

}  // namespace

std::string render_chart(const Chart& chart) {
  const double height = panel_height(chart.panels.size());
  const double bottom = first_top + static_cast<double>(chart.panels.size()) * (height + panel_gap) - panel_gap;
  svg::Document doc(page_width, static_cast<int>(bottom + 60.0), chart.title);
  doc.text(page_width / 2.0, 28.0, chart.title, "middle", "font-size=\"16\" font-weight=\"bold\"");
  doc.text(page_width / 2.0, 48.0, chart.subtitle, "middle", "fill=\"#444444\"");
  const svg::Scale x = x_scale(chart);
  for (std::size_t i = 0; i < chart.panels.size(); ++i) {
    const Frame frame{first_top + static_cast<double>(i) * (height + panel_gap), height, x, y_scale(chart.panels[i])};
    draw_panel(doc, frame, chart.panels[i], i, i + 1 == chart.panels.size());
  }
  doc.text(left + plot_width / 2.0, bottom + 42.0, chart.x_title, "middle");
  return doc.finish();
}

}  // namespace tarniq::request
