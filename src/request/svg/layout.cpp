// Plot headings and legends: wrapped titles, and rows of line samples with their names.
#include "request/svg/layout.hpp"

#include "request/svg/axis.hpp"

namespace tarniq::request::svg {
namespace {

constexpr double side_margin = 10.0;
constexpr double sample_width = 28.0;  // the line drawn before each name
constexpr double sample_gap = 6.0;
constexpr double entry_gap = 18.0;
constexpr double row_height = 20.0;

double sample_extent(const LegendEntry& entry) {
  return entry.sample == LegendEntry::Sample::none ? 0.0 : sample_width + sample_gap;
}

void draw_sample(Document& doc, const LegendEntry& entry, double x, double y) {
  switch (entry.sample) {
    case LegendEntry::Sample::curve:
      doc.line(x, y, x + sample_width, y,
               "stroke=\"" + std::string(entry.colour) + "\" stroke-width=\"2\" stroke-dasharray=\"" +
                   std::string(entry.dashes) + "\"");
      break;
    case LegendEntry::Sample::jump: draw_jump(doc, x + 4.0, y, x + sample_width - 4.0, y, entry.colour); break;
    case LegendEntry::Sample::none: break;
  }
}

}  // namespace

double draw_heading(Document& doc, std::string_view title, std::string_view subtitle) {
  const double width = doc.width() - 2.0 * side_margin;
  const double middle = doc.width() / 2.0;
  // Bold glyphs are wider than the estimate's average.
  double y = doc.lines(middle, 26.0, wrap_text(title, width, title_size * 1.1), title_size + 4.0, "middle",
                       "font-size=\"" + px(title_size) + "\" font-weight=\"bold\"");
  y = doc.lines(middle, y, wrap_text(subtitle, width, text_size), text_size + 4.0, "middle", "fill=\"#444444\"");
  return y - text_size;
}

double draw_legend(Document& doc, const std::vector<LegendEntry>& entries, double left, double top, double width) {
  if (entries.empty()) return top;
  double x = left;
  double y = top + text_size;
  for (const auto& entry : entries) {
    const double extent = sample_extent(entry) + text_width(entry.name, text_size);
    if (x > left && x + extent > left + width) {
      x = left;
      y += row_height;
    }
    draw_sample(doc, entry, x, y - text_size * 0.35);
    doc.text(x + sample_extent(entry), y, entry.name);
    x += extent + entry_gap;
  }
  return y + row_height - text_size;
}

LegendEntry curve_entry(std::string name, std::size_t n) {
  return {std::move(name), curve_colour(n), curve_dashes(n), LegendEntry::Sample::curve};
}

void draw_jump(Document& doc, double x1, double y1, double x2, double y2, std::string_view colour,
               std::string_view attributes) {
  std::string style = "stroke=\"#555555\" stroke-width=\"1.2\" stroke-dasharray=\"2 2\"";
  if (!attributes.empty()) style = std::string(attributes) + " " + style;
  doc.line(x1, y1, x2, y2, style);
  for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}})
    doc.empty("circle", {{"cx", px(x)}, {"cy", px(y)}, {"r", "3.5"}, {"fill", "white"},
                         {"stroke", std::string(colour)}, {"stroke-width", "1.6"}});
}

}  // namespace tarniq::request::svg
