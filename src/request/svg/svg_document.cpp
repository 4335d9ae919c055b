// SVG text: the document frame, escaping, and the element kinds the plots use.
#include "request/svg/svg_document.hpp"

#include <cmath>

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

double text_width(std::string_view text, double font_size) {
  // Advances, in ems, of a wide sans-serif face (the widest a viewer is
  // likely to use); each character counts once however many bytes UTF-8
  // gives it, a character beyond ASCII as a wide one (×, −).
  double ems = 0.0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) == 0x80) continue;
    if (c >= 0x80) ems += 0.84;
    else if (std::string_view(" .,:;'|!iljI").find(static_cast<char>(c)) != std::string_view::npos) ems += 0.32;
    else if (std::string_view("frt()-").find(static_cast<char>(c)) != std::string_view::npos) ems += 0.42;
    else if (std::string_view("mwMW").find(static_cast<char>(c)) != std::string_view::npos) ems += 0.98;
    else if (c >= 'A' && c <= 'Z') ems += 0.74;
    else ems += 0.64;  // digits and the other letters
  }
  return ems * font_size;
}

namespace {

std::vector<std::string> fill_lines(std::string_view text, double max_width, double font_size) {
  std::vector<std::string> lines;
  std::string line;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    if (word.empty()) continue;
    const std::string longer = line.empty() ? std::string(word) : line + " " + std::string(word);
    if (!line.empty() && text_width(longer, font_size) > max_width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

std::vector<std::string> wrap_text(std::string_view text, double max_width, double font_size) {
  std::vector<std::string> lines = fill_lines(text, max_width, font_size);
  // Narrower lines while the count stays, so that the last is no stub.
  for (double width = max_width * 0.95; lines.size() > 1 && width > max_width / 2.0; width *= 0.95) {
    std::vector<std::string> narrower = fill_lines(text, width, font_size);
    if (narrower.size() != lines.size()) break;
    lines = std::move(narrower);
  }
  return lines;
}

Document::Document(int width, std::string_view title) : width_(width), title_(title) {}

Document::Document(int width, int height, std::string_view title)
    : width_(width), height_(static_cast<double>(height)), title_(title) {}

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

double Document::lines(double x, double y, const std::vector<std::string>& lines, double line_height,
                       std::string_view anchor, std::string_view extra) {
  for (const auto& line : lines) {
    text(x, y, line, anchor, extra);
    y += line_height;
  }
  return y;
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

std::string Document::finish() { return finish(height_); }

std::string Document::finish(double height) {
  const std::string w = std::to_string(width_);
  const std::string h = std::to_string(static_cast<int>(std::ceil(height)));
  std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  document += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h +
              "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"sans-serif\" font-size=\"" +
              short_text(text_size, 1) + "\">\n";
  document += "<title>" + escape(title_) + "</title>\n";
  document += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"white\"/>\n";
  document += out_;
  document += "</svg>\n";
  out_.clear();
  return document;
}

}  // namespace tarniq::request::svg
