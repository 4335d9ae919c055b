// Plots: well-formed standalone SVG whose drawn points map back to the data.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/readers.hpp"
#include "request/svg/axis.hpp"
#include "request/svg/heat_map.hpp"
#include "request/svg/plot.hpp"
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
  for (const auto* circle : svg.all("circle"))
    if (circle->attributes.count("class")) frame = circle;
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
