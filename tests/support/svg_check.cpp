// Inverting the plots' mappings from data to pixels.
#include "support/svg_check.hpp"

#include <cmath>
#include <numbers>
#include <sstream>

namespace tarniq::testing {

double number(const XmlElement& element, const std::string& attribute) {
  return std::stod(element.attributes.at(attribute));
}

std::vector<Point> series_pixels(const XmlElement& svg, const std::string& series) {
  std::vector<Point> points;
  for (const XmlElement* line : svg.all("polyline")) {
    if (line->attributes.at("data-series") != series) continue;
    std::istringstream text(line->attributes.at("points"));
    std::string pair;
    while (text >> pair) {
      const std::size_t comma = pair.find(',');
      points.emplace_back(std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1)));
    }
  }
  return points;
}

Point chart_data(const XmlElement& area, const Point& pixel) {
  const double left = number(area, "x"), top = number(area, "y");
  const double width = number(area, "width"), height = number(area, "height");
  const double x0 = number(area, "data-x-min"), x1 = number(area, "data-x-max");
  const double y0 = number(area, "data-y-min"), y1 = number(area, "data-y-max");
  return {x0 + (pixel.first - left) / width * (x1 - x0), y1 - (pixel.second - top) / height * (y1 - y0)};
}

Point polar_data(const XmlElement& area, const Point& pixel) {
  const double cx = number(area, "data-centre-x"), cy = number(area, "data-centre-y");
  const double radius = number(area, "data-radius");
  const double low = number(area, "data-level-min"), high = number(area, "data-level-max");
  const double dx = pixel.first - cx, dy = cy - pixel.second;
  const double angle = std::atan2(dx, dy) * 180.0 / std::numbers::pi;
  return {angle, low + std::hypot(dx, dy) / radius * (high - low)};
}

}  // namespace tarniq::testing
