// A full-size drawing as paths and text in millimetres: what every drawing format (SVG, DXF, PDF) is written from.
#pragma once

#include <string>
#include <vector>

#include "request/parse/units.hpp"
#include "tarniq/horn.hpp"
#include "tarniq/parts.hpp"

namespace tarniq::request {

// Millimetres from the sheet's top-left corner, y down the sheet.
struct SheetPoint {
  double x = 0.0;
  double y = 0.0;
};

enum class Stroke {
  cut,   // solid: cut along it
  fold,  // dashed: fold along it
  note,  // thin: the check square and other guides, not to be cut
};

struct SheetPath {
  Stroke stroke = Stroke::cut;
  std::vector<SheetPoint> points;
  bool closed = false;
};

enum class TextAlign { start, middle };

// One line of text: its baseline starts at (or is centred on) `at`, turned
// counterclockwise by angle_deg as seen on the sheet; size is the font size
// (the em), millimetres.
struct SheetText {
  SheetPoint at;
  double size = 3.0;
  double angle_deg = 0.0;
  TextAlign align = TextAlign::start;
  std::string text;  // UTF-8
};

struct Sheet {
  double width = 0.0;  // millimetres
  double height = 0.0;
  double margin = 0.0;  // blank on every side, which pages on paper leave to their own margins
  std::string title;
  std::vector<SheetPath> paths;
  std::vector<SheetText> texts;
};

// The size of the check square every drawing carries, millimetres.
inline constexpr double kCheckSquare = 50.0;

// The drawing of a horn's flat layout at 1:1: the cut outlines and fold
// lines, each panel labelled with its name and dimensions (lengths in the
// unit), a 50 mm check square, and the horn's summary with the scale and how
// to print it.
[[nodiscard]] Sheet layout_sheet(const Horn& horn, const HornPanels& panels, const FlatLayout& layout, LengthUnit unit);

}  // namespace tarniq::request
