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

// Sizes of the plots' text, pixels: titles, and everything else (the
// document's own size). Plots are drawn narrow enough that this text stays
// legible on a phone's screen.
constexpr double title_size = 16.0;
constexpr double text_size = 14.0;

// The width a line of text takes in a sans-serif font of that size, pixels:
// an estimate a little on the wide side, for layout.
double text_width(std::string_view text, double font_size);

// The text broken at spaces into lines no wider than max_width (a word wider
// than that gets a line of its own), as even in length as that many lines
// can be.
std::vector<std::string> wrap_text(std::string_view text, double max_width, double font_size);

// A standalone SVG 1.1 document built element by element. Its height is
// given at the start, or at the end when the layout has been worked out.
class Document {
 public:
  Document(int width, std::string_view title);
  Document(int width, int height, std::string_view title);

  int width() const { return width_; }

  // attributes: already-escaped text for each name
  void open(std::string_view element, const std::vector<std::pair<std::string, std::string>>& attributes);
  void close(std::string_view element);
  void empty(std::string_view element, const std::vector<std::pair<std::string, std::string>>& attributes);
  void text(double x, double y, std::string_view content, std::string_view anchor = "start",
            std::string_view extra = "");
  // Lines of text from the baseline y down, line_height apart; returns the
  // baseline after the last line.
  double lines(double x, double y, const std::vector<std::string>& lines, double line_height,
               std::string_view anchor = "start", std::string_view extra = "");
  void line(double x1, double y1, double x2, double y2, std::string_view style);
  // The points as one polyline each run without a gap.
  void polyline(const std::vector<std::pair<double, double>>& points, std::string_view attributes);

  // The document, height pixels tall (or as tall as given at the start).
  std::string finish(double height);
  std::string finish();

 private:
  int width_;
  double height_ = 0.0;
  std::string title_;
  std::string out_;
};

}  // namespace tarniq::request::svg
