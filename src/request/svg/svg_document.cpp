// SVG text: the document frame, escaping, and the element kinds the plots use.
#include "request/svg/svg_document.hpp"

#include "request/output/number_text.hpp"

namespace tarniq::request::svg {

std::string escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // XML 1.0 allows no control characters but tab and line ends.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
          out += '?';
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string px(double value) { return fixed_text(value, 2); }

Document::Document(int width, int height, std::string_view title) {
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h +
          "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"sans-serif\" font-size=\"12\">\n";
  out_ += "<title>" + escape(title) + "</title>\n";
  out_ += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"white\"/>\n";
}

void Document::open(std::string_view element, const std::vector<std::pair<std::string, std::string>>& attributes) {
  out_ += "<" + std::string(element);
  for (const auto& [name, value] : attributes) out_ += " " + name + "=\"" + value + "\"";
  out_ += ">\n";
}

void Document::close(std::string_view element) { out_ += "</" + std::string(element) + ">\n"; }

void Document::empty(std::string_view element, const std::vector<std::pair<std::string, std::string>>& attributes) {
  out_ += "<" + std::string(element);
  for (const auto& [name, value] : attributes) out_ += " " + name + "=\"" + value + "\"";
  out_ += "/>\n";
}

void Document::text(double x, double y, std::string_view content, std::string_view anchor, std::string_view extra) {
  out_ += "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\"";
  if (anchor != "start") out_ += " text-anchor=\"" + std::string(anchor) + "\"";
  if (!extra.empty()) out_ += " " + std::string(extra);
  out_ += ">" + escape(content) + "</text>\n";
}

void Document::line(double x1, double y1, double x2, double y2, std::string_view style) {
  out_ += "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" + px(y2) + "\" " +
          std::string(style) + "/>\n";
}

void Document::polyline(const std::vector<std::pair<double, double>>& points, std::string_view attributes) {
  if (points.empty()) return;
  out_ += "<polyline " + std::string(attributes) + " points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) out_ += ' ';
    out_ += px(points[i].first) + "," + px(points[i].second);
  }
  out_ += "\"/>\n";
}

std::string Document::finish() {
  out_ += "</svg>\n";
  return std::move(out_);
}

}  // namespace tarniq::request::svg
