// The parts every plot shares: its heading, and legends laid out in rows across the plot's width.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "request/svg/svg_document.hpp"

namespace tarniq::request::svg {

// The title (bold, larger) and the subtitle centred across the page, each
// wrapped to its width; returns the y below them.
double draw_heading(Document& doc, std::string_view title, std::string_view subtitle);

// One entry of a legend: a sample of the line and its name.
struct LegendEntry {
  enum class Sample {
    curve,  // a line in the colour and dashes
    jump,   // two open circles joined by a dotted line: where a curve jumps
    none,   // text alone
  };
  std::string name;
  std::string_view colour = "#555555";
  std::string_view dashes = "none";
  Sample sample = Sample::curve;
};

// The entries in rows from (left, top), each row no wider than width; an
// entry that does not fit the row starts the next. Returns the y below the
// last row.
double draw_legend(Document& doc, const std::vector<LegendEntry>& entries, double left, double top, double width);

// The n-th curve's legend entry.
LegendEntry curve_entry(std::string name, std::size_t n);

// A jump of a curve of that colour from (x1, y1) to (x2, y2): a dotted
// connector between two open circles.
void draw_jump(Document& doc, double x1, double y1, double x2, double y2, std::string_view colour,
               std::string_view attributes = "");

}  // namespace tarniq::request::svg
