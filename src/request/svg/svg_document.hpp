// Writing SVG elements as text: escaping, coordinates, the few element kinds the plots use.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarniq::request::svg {

// Text safe inside an XML element or a double-quoted attribute.
std::string escape(std::string_view text);

// A coordinate in pixels, two decimals.
std::string px(double value);

// A standalone SVG 1.1 document built element by element.
class Document {
 public:
  Document(int width, int height, std::string_view title);

  // attributes: already-escaped text for each name
  void open(std::string_view element, const std::vector<std::pair<std::string, std::string>>& attributes);
  void close(std::string_view element);
  void empty(std::string_view element, const std::vector<std::pair<std::string, std::string>>& attributes);
  void text(double x, double y, std::string_view content, std::string_view anchor = "start",
            std::string_view extra = "");
  void line(double x1, double y1, double x2, double y2, std::string_view style);
  // The points as one polyline each run without a gap.
  void polyline(const std::vector<std::pair<double, double>>& points, std::string_view attributes);

  std::string finish();

 private:
  std::string out_;
};

}  // namespace tarniq::request::svg
