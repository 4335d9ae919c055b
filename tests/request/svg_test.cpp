// Plots: well-formed standalone SVG whose drawn points map back to the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "support/readers.hpp"
#include "request/request.hpp"
#include "request/svg/axis.hpp"
#include "request/svg/heat_map.hpp"
#include "request/svg/plot.hpp"
#include "request/svg/svg_document.hpp"
#include "support/svg_check.hpp"

namespace tarniq::request {
namespace {

using testing::read_xml;

Chart two_panel_chart() {
  Series gain{"gain <&> \"dBi\"", {8.0, 9.0, 10.0, 11.0}, {15.5, 16.25, 17.0, 17.5}};
  Series gappy{"E plane", {8.0, 9.0, 10.0, 11.0}, {30.0, std::nullopt, 27.0, 25.5}};
  Series deep{"H plane", {8.0, 9.0, 10.0, 11.0}, {20.0, -400.0, 18.0, 17.0}};
  return {"Horn & feed <test>", "subtitle", "Frequency (GHz)", false,
          {{"Gain (dBi)", {gain}, {}, std::nullopt},
           {"Beamwidth (degrees)", {gappy, deep}, {{19.0, "−3 dB"}}, 0.0}}};
}

TEST(SvgChart, IsStandaloneSvg11WithTitlesAndLegend) {
  const testing::XmlElement svg = read_xml(render_chart(two_panel_chart()));
  EXPECT_EQ(svg.name, "svg");
  EXPECT_EQ(svg.attributes.at("version"), "1.1");
  EXPECT_EQ(svg.attributes.at("xmlns"), "http://www.w3.org/2000/svg");
  EXPECT_EQ(svg.all("title").at(0)->text, "Horn & feed <test>");
  std::vector<std::string> texts;
  for (const auto* text : svg.all("text")) texts.push_back(text->text);
  for (const char* expected : {"Horn & feed <test>", "Frequency (GHz)", "Gain (dBi)", "Beamwidth (degrees)",
                               "gain <&> \"dBi\"", "E plane", "H plane", "−3 dB"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  EXPECT_EQ(svg.all("clipPath").size(), 2u);
}

// Every drawn point of every panel reads back as its data; a missing value
// breaks the line; values under the floor stay in the data but are clipped.
TEST(SvgChart, PointsMapBackToTheData) {
  const Chart chart = two_panel_chart();
  const testing::XmlElement svg = read_xml(render_chart(chart));
  const auto areas = svg.all("rect");
  std::vector<const testing::XmlElement*> plot_areas;
  for (const auto* rect : areas)
    if (rect->attributes.count("class") && rect->attributes.at("class") == "plot-area") plot_areas.push_back(rect);
  ASSERT_EQ(plot_areas.size(), 2u);
  for (std::size_t p = 0; p < chart.panels.size(); ++p) {
    for (const Series& series : chart.panels[p].series) {
      const auto pixels = testing::series_pixels(svg, series.name);
      std::size_t k = 0;
      for (std::size_t i = 0; i < series.x.size(); ++i) {
        if (!series.y[i]) continue;
        ASSERT_LT(k, pixels.size()) << series.name;
        const auto [x, y] = testing::chart_data(*plot_areas[p], pixels[k++]);
        EXPECT_NEAR(x, series.x[i], 0.01) << series.name << " " << i;
        const double y_min = testing::number(*plot_areas[p], "data-y-min");
        if (*series.y[i] >= y_min) {
          EXPECT_NEAR(y, *series.y[i], 0.01) << series.name << " " << i;
        } else {
          EXPECT_LT(y, y_min);
        }
      }
      EXPECT_EQ(k, pixels.size()) << series.name;
    }
  }
  std::size_t e_lines = 0;
  for (const auto* line : svg.all("polyline")) e_lines += line->attributes.at("data-series") == "E plane";
  EXPECT_EQ(e_lines, 2u);
}

TEST(SvgPolar, PointsMapBackToAngleAndLevel) {
  PolarChart chart{"pattern", "sub", "dBi", {}, {{17.0, "−3 dB"}, {10.0, "−10 dB"}}, -20.0, 20.0, 10.0};
  Series cut{"E plane", {}, {}};
  for (int angle = -180; angle <= 180; angle += 15) {
    cut.x.push_back(angle);
    cut.y.push_back(angle == 0 ? std::optional<double>(20.0)
                               : std::optional<double>(20.0 - std::fabs(angle) / 5.0));
  }
  chart.series = {cut};
  const testing::XmlElement svg = read_xml(render_polar(chart));
  const testing::XmlElement* frame = nullptr;
  for (const auto* path : svg.all("path"))
    if (path->attributes.count("class")) frame = path;
  ASSERT_NE(frame, nullptr);
  const auto pixels = testing::series_pixels(svg, "E plane");
  ASSERT_EQ(pixels.size(), cut.x.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const auto [angle, level] = testing::polar_data(*frame, pixels[i]);
    const double expected = std::max(*cut.y[i], -20.0);  // the centre holds everything under the floor
    EXPECT_NEAR(level, expected, 0.01) << i;
    if (expected > -20.0 && std::fabs(cut.x[i]) < 180.0) {
      EXPECT_NEAR(angle, cut.x[i], 0.01) << i;
    }
  }
}

const testing::XmlElement& plot_area(const testing::XmlElement& svg) {
  for (const auto* path : svg.all("path"))
    if (path->attributes.count("class")) return *path;
  throw std::runtime_error("no plot area");
}

// A pattern-like cut: a main lobe and falling sidelobes, with back lobes
// past ±90° when the angles reach there.
Series lobed_cut(std::string name, double last_angle, double width_deg) {
  Series cut{std::move(name), {}, {}};
  for (double angle = -last_angle; angle <= last_angle + 1e-9; angle += 1.0) {
    const double u = std::numbers::pi * angle / width_deg;
    const double sinc = u == 0.0 ? 1.0 : std::sin(u) / u;
    cut.x.push_back(angle);
    cut.y.push_back(20.0 + 20.0 * std::log10(std::fabs(sinc) + 1e-3));
  }
  return cut;
}

PolarChart lobed_chart(double last_angle) {
  return {"pattern", "sub", "dBi", {lobed_cut("E plane", last_angle, 25.0), lobed_cut("H plane", last_angle, 40.0)},
          {{17.0, "−3 dB"}, {10.0, "−10 dB"}}, -20.0, 20.0, 10.0};
}

// A polar plot spans its data's angles: a half disc for ±90°, else the full disc.
TEST(SvgPolar, SpansTheAnglesOfItsData) {
  for (const auto& [last_angle, expected] : {std::pair{90.0, 90.0}, std::pair{60.0, 90.0}, std::pair{180.0, 180.0},
                                             std::pair{120.0, 180.0}}) {
    const testing::XmlElement svg = read_xml(render_polar(lobed_chart(last_angle)));
    const auto& area = plot_area(svg);
    EXPECT_EQ(testing::number(area, "data-angle-max"), expected) << last_angle;
    EXPECT_EQ(testing::number(area, "data-angle-min"), -expected) << last_angle;
    // A half disc ends at its baseline: nothing of the frame or the curves below the centre.
    const double centre_y = testing::number(area, "data-centre-y");
    const double height = testing::number(svg, "height");
    if (expected == 90.0) {
      for (const auto& [x, y] : testing::series_pixels(svg, "E plane")) EXPECT_LE(y, centre_y + 0.01) << x;
      EXPECT_LT(height, centre_y + 80.0);
    } else {
      EXPECT_GT(height, centre_y + testing::number(area, "data-radius"));
    }
  }
}

// The rings' labels touch no curve, no dashed reference ring, no angle label
// and no other label, for drawn patterns and for the pattern verb's own.
TEST(SvgPolar, RingLabelsStayClear) {
  std::vector<std::string> plots;
  for (const double last_angle : {90.0, 180.0}) plots.push_back(render_polar(lobed_chart(last_angle)));
  for (const char* angles : {"-90:90:0.5", "-180:180:1"}) {
    for (const char* aperture : {"11,8", "4,3", "30,25"}) {
      const Outcome outcome = run_request("pattern", {{"aperture", aperture}, {"length", "20"}, {"waveguide", "WR-90"},
                                                      {"frequency", "10"}, {"angles", angles}, {"polar", ""},
                                                      {"plot", "p.svg"}});
      ASSERT_EQ(outcome.status, Status::ok) << outcome.error;
      plots.push_back(outcome.result.plot_svg);
    }
  }
  for (std::size_t k = 0; k < plots.size(); ++k) {
    SCOPED_TRACE("plot " + std::to_string(k));
    const testing::XmlElement svg = read_xml(plots[k]);
    const auto& area = plot_area(svg);
    const double cx = testing::number(area, "data-centre-x"), cy = testing::number(area, "data-centre-y");
    const double radius = testing::number(area, "data-radius");
    const double low = testing::number(area, "data-level-min"), high = testing::number(area, "data-level-max");
    struct Box { double x0, y0, x1, y1; };
    const auto overlap = [](const Box& a, const Box& b) { return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1; };
    std::vector<Box> labels, angle_labels;
    for (const auto* label : svg.all("text")) {
      const bool ring = label->attributes.count("class") != 0;
      const bool angle = label->text.find("°") != std::string::npos;
      if (!ring && !angle) continue;
      const double half_width = svg::text_width(label->text, svg::text_size) / 2.0;
      const double x = testing::number(*label, "x"), y = testing::number(*label, "y") - 0.35 * svg::text_size;
      (ring ? labels : angle_labels).push_back({x - half_width, y - 7.0, x + half_width, y + 7.0});
    }
    // Both reference rings and most level rings labelled.
    ASSERT_GE(labels.size(), 4u);
    std::vector<testing::Point> curve;
    for (const char* name : {"E plane", "H plane"}) {
      const auto pixels = testing::series_pixels(svg, name);
      for (std::size_t i = 1; i < pixels.size(); ++i)
        for (double t = 0.0; t <= 1.0; t += 0.125)
          curve.emplace_back(pixels[i - 1].first + t * (pixels[i].first - pixels[i - 1].first),
                             pixels[i - 1].second + t * (pixels[i].second - pixels[i - 1].second));
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const Box& box = labels[i];
      for (const auto& [x, y] : curve)
        EXPECT_FALSE(x > box.x0 && x < box.x1 && y > box.y0 && y < box.y1) << "label " << i << " on a curve";
      // The dashed rings at −3 and −10 dB from the top of the reference levels cross no label.
      for (const auto* ring : svg.all("path")) {
        if (!ring->attributes.count("stroke-dasharray")) continue;
        const std::string d = ring->attributes.at("d");
        const double r = std::stod(d.substr(d.find('A') + 2));
        const double near = std::hypot(std::clamp(cx, box.x0, box.x1) - cx, std::clamp(cy, box.y0, box.y1) - cy);
        const double far = std::max({std::hypot(box.x0 - cx, box.y0 - cy), std::hypot(box.x1 - cx, box.y0 - cy),
                                     std::hypot(box.x0 - cx, box.y1 - cy), std::hypot(box.x1 - cx, box.y1 - cy)});
        const bool half = testing::number(area, "data-angle-max") == 90.0;
        // A half disc's rings stop at its baseline; a ring's own label sits on it, on a white ground.
        const bool own = std::fabs(std::hypot((box.x0 + box.x1) / 2.0 - cx, (box.y0 + box.y1) / 2.0 - cy) - r) < 0.5;
        EXPECT_FALSE(!(half && box.y0 > cy) && !own && near < r && r < far) << "label " << i << " on a ring of " << r;
      }
      for (std::size_t j = 0; j < labels.size(); ++j)
        EXPECT_FALSE(j != i && overlap(box, labels[j])) << "labels " << i << " and " << j;
      for (const Box& other : angle_labels) EXPECT_FALSE(overlap(box, other)) << "label " << i << " on an angle";
    }
    EXPECT_GT(high, low);
    EXPECT_GT(radius, 0.0);
  }
}

// Jumps: a step several times its neighbours' and a fair part of the range;
// smooth curves, however steep, and gaps have none.
TEST(SvgJumps, FindsStepsNotSlopes) {
  const auto series = [](std::vector<std::optional<double>> y) {
    Series s{"s", {}, std::move(y)};
    for (std::size_t i = 0; i < s.y.size(); ++i) s.x.push_back(static_cast<double>(i));
    return s;
  };
  const auto curve = [&](double (*f)(double)) {
    std::vector<std::optional<double>> y;
    for (int i = 0; i < 40; ++i) y.emplace_back(f(i / 10.0));
    return series(y);
  };
  const struct {
    Series series;
    std::vector<std::size_t> jumps;
  } cases[] = {
      {curve([](double x) { return std::sin(3.0 * x); }), {}},
      {curve([](double x) { return std::exp(2.0 * x); }), {}},
      {curve([](double x) { return 30.0 - 4.0 * x * x; }), {}},
      // the analyze verb's E-plane beamwidths of a 15 × 12 cm horn 12 cm long, 10.8 to 12 GHz
      {series({17.27, 17.90, 19.18, 28.19, 29.85, 30.64, 31.10}), {3}},
      {series({49.03, 48.74, 48.59, 48.67, 49.43, 62.02, 61.94}), {5}},
      {series({1.0, 1.0, 1.0, 2.0, 2.0, 2.0}), {3}},
      {series({1.0, 1.1, std::nullopt, 9.0, 9.1}), {}},
      {series({1.0, 1.1, 1.2, 9.0}), {3}},
      {series({5.0, 50.0}), {}},  // no neighbours to judge by
  };
  for (const auto& c : cases) EXPECT_EQ(find_jumps(c.series), c.jumps) << ::testing::PrintToString(c.series.y);
}

// A response plot marks each beamwidth jump with a dotted connector between
// the two frequencies, breaks the curve there and names the jumps in its
// legend; a steep but continuous change, and the table method, have none.
TEST(SvgChart, AnalyzeMarksTheBeamwidthJumps) {
  const struct {
    const char *aperture, *length, *frequency, *method;
    std::vector<std::string> jumps;
  } cases[] = {
      {"15,12", "12", "8:12.4:0.2", "pattern", {"E plane, 3 dB 11.2-11.4", "E plane, 10 dB 11.6-11.8"}},
      {"15,12", "12", "8:12.4:0.01", "pattern", {"E plane, 3 dB 11.31-11.32", "E plane, 10 dB 11.66-11.67"}},
      {"15,12", "12", "8:12.4:0.2", "table", {}},
      // E plane, 3 dB: 4° from 8.75 to 8.8 GHz against 1° beside, continuous when looked at closely
      {"30,20", "15", "8.6:9:0.05", "pattern", {}},
      {"30,20", "15", "8:8.4:0.05", "pattern", {"E plane, 10 dB 8.15-8.2"}},
      {"11,8", "20", "8.2:12.4:0.1", "pattern", {}},  // the README's response plot
  };
  for (const auto& c : cases) {
    const Outcome outcome = run_request("analyze", {{"aperture", c.aperture}, {"length", c.length}, {"waveguide", "WR-90"},
                                                    {"frequency", c.frequency}, {"method", c.method}, {"plot", "r.svg"}});
    ASSERT_EQ(outcome.status, Status::ok) << outcome.error;
    const testing::XmlElement svg = read_xml(outcome.result.plot_svg);
    std::vector<std::string> jumps;
    for (const auto* line : svg.all("line"))
      if (line->attributes.count("class"))
        jumps.push_back(line->attributes.at("data-series") + " " + line->attributes.at("data-from") + "-" +
                        line->attributes.at("data-to"));
    EXPECT_EQ(jumps, c.jumps) << c.aperture << " " << c.frequency << " " << c.method;
    std::size_t e_lines = 0;
    for (const auto* line : svg.all("polyline")) e_lines += line->attributes.at("data-series") == "E plane, 3 dB";
    EXPECT_EQ(e_lines, 1 + std::count_if(c.jumps.begin(), c.jumps.end(), [](const std::string& jump) {
                         return jump.starts_with("E plane, 3 dB");
                       }));
    bool noted = false;
    for (const auto* text : svg.all("text")) noted = noted || text->text.find("shoulder") != std::string::npos;
    EXPECT_EQ(noted, !c.jumps.empty());
  }
}

// Text wraps into lines that fit, as even as the line count allows, words intact.
TEST(SvgText, WrapsToWidth) {
  const std::string text = "Dimensions of a horn of 30° E-plane and 20° H-plane beamwidth at 3.01 dB against S";
  for (const double width : {120.0, 250.0, 460.0, 2000.0}) {
    const auto lines = svg::wrap_text(text, width, 14.0);
    std::string joined;
    double widest = 0.0, narrowest = 1e9;
    for (const auto& line : lines) {
      joined += (joined.empty() ? "" : " ") + line;
      EXPECT_LE(svg::text_width(line, 14.0), width) << line;
      widest = std::max(widest, svg::text_width(line, 14.0));
      narrowest = std::min(narrowest, svg::text_width(line, 14.0));
    }
    EXPECT_EQ(joined, text);
    EXPECT_TRUE(lines.size() == 1 || narrowest > widest / 3.0) << width;
  }
}

// Round scales: they hold the data, start and end on a tick, and label ticks
// with the decimals the step needs.
TEST(SvgAxis, NiceScales) {
  const struct {
    double low, high;
    bool degrees;
    svg::Scale expected;
  } cases[] = {
      {-90.0, 90.0, true, {-90.0, 90.0, 30.0}},  {8.2, 12.4, false, {8.0, 12.5, 0.5}},
      {0.1, 0.5, false, {0.1, 0.5, 0.05}},       {5.0, 5.0, false, {4.5, 5.5, 0.1}},
      {-1e300, std::numeric_limits<double>::quiet_NaN(), false, {0.0, 1.0, 0.2}},
  };
  for (const auto& c : cases) {
    const svg::Scale scale = svg::nice_scale(c.low, c.high, 8, c.degrees);
    EXPECT_NEAR(scale.low, c.expected.low, 1e-12) << c.low;
    EXPECT_NEAR(scale.high, c.expected.high, 1e-12) << c.low;
    EXPECT_NEAR(scale.step, c.expected.step, 1e-12) << c.low;
  }
  EXPECT_EQ(svg::tick_label(0.30000000000000004, {0.0, 1.0, 0.05}), "0.30");
  EXPECT_EQ(svg::tick_label(-90.0, {-90.0, 90.0, 30.0}), "-90");
}

}  // namespace
}  // namespace tarniq::request

namespace tarniq::request {
namespace {

// A heat map draws one cell per value, centred on its grid point (read back
// through the plot area's data range), coloured within its scale; an empty
// value is a grey cell without a value.
TEST(SvgHeatMap, CellsMapBackToTheGrid) {
  HeatMap map{"map & <title>", "sub", "φ (degrees)", "θ (degrees)", "Level (dBi)", {0.0, 45.0, 90.0}, {0.0, 10.0},
              {1.0, 2.0, std::nullopt, -50.0, 5.0, 20.0}, -20.0, 20.0};
  const testing::XmlElement svg = testing::read_xml(render_heat_map(map));
  const testing::XmlElement* area = nullptr;
  std::vector<const testing::XmlElement*> cells;
  for (const auto* rect : svg.all("rect")) {
    const auto kind = rect->attributes.find("class");
    if (kind == rect->attributes.end()) continue;
    if (kind->second == "plot-area") area = rect;
    if (kind->second == "cell") cells.push_back(rect);
  }
  ASSERT_NE(area, nullptr);
  ASSERT_EQ(cells.size(), 6u);
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const auto* cell = cells[k];
    const double x = testing::number(*cell, "x") + (testing::number(*cell, "width") - 0.5) / 2.0;
    const double y = testing::number(*cell, "y") + (testing::number(*cell, "height") - 0.5) / 2.0;
    const auto [data_x, data_y] = testing::chart_data(*area, {x, y});
    EXPECT_NEAR(data_x, map.x[k % 3], 0.1) << k;
    EXPECT_NEAR(data_y, map.y[k / 3], 0.1) << k;
    const std::string& value = cell->attributes.at("data-value");
    if (map.values[k]) {
      EXPECT_DOUBLE_EQ(std::stod(value), *map.values[k]);
    } else {
      EXPECT_EQ(value, "");
      EXPECT_EQ(cell->attributes.at("fill"), "#cccccc");
    }
  }
}

}  // namespace
}  // namespace tarniq::request
