// Reading plotted points back out of tarniq-cli's SVG: the plot areas' data ranges invert the drawing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/readers.hpp"

namespace tarniq::testing {

using Point = std::pair<double, double>;

// The points of every polyline of a series, in drawing order (pixels).
std::vector<Point> series_pixels(const XmlElement& svg, const std::string& series);

// Pixels of a line chart's panel back to data (x, y).
Point chart_data(const XmlElement& plot_area, const Point& pixel);

// Pixels of a polar chart back to (angle in degrees, level).
Point polar_data(const XmlElement& plot_area, const Point& pixel);

double number(const XmlElement& element, const std::string& attribute);

}  // namespace tarniq::testing
