// A panel's label on a drawing: its name and dimensions at the largest size that fits inside it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tarniq/parts.hpp"

namespace tarniq::request {

// Width of a line of text at a font size, the same unit as the size: an
// average advance of 0.6 em per character, that of the sans-serif faces the
// drawings name (DejaVu Sans, Arial).
[[nodiscard]] double text_width(std::string_view text, double size);

// One line of a label in the layout's own frame: millimetres, y up.
struct LabelLine {
  double x = 0.0;
  double y = 0.0;
  double size = 0.0;       // font size, millimetres
  double angle_deg = 0.0;  // of the baseline, counterclockwise
  std::string text;
};

// The lines centred in the panel (corners and centre in millimetres, y up),
// set across it or along its axis, whichever takes the larger type, and
// turned to read from the left; the first line on top.
[[nodiscard]] std::vector<LabelLine> fit_label(const PlacedPanel& panel_mm, const Panel& panel_dimensions_mm,
                                               const std::vector<std::string>& lines);

}  // namespace tarniq::request
