// Drawings as PDF through cairo: the sheet at 1:1, tiled over pages of A4 or Letter paper.
#pragma once

#include <string>

#include "request/parts/sheet.hpp"
#include "request/parts/tiles.hpp"

namespace tarniq::request::pdf {

// The sheet at 1:1 over the pages of plan_tiles(sheet.width, sheet.height,
// paper), each with its part of the sheet inside the margins, dotted trim
// lines and + marks in the overlaps where neighbours meet, and a label
// naming the page, its neighbours and the scale. Throws std::runtime_error
// when cairo fails or the sheet would take more than kMostPages pages.
[[nodiscard]] std::string render_pdf(const Sheet& sheet, Paper paper);

}  // namespace tarniq::request::pdf
