// The parts' file formats, each written as bytes by a module of its own: SVG and DXF drawings, a binary STL model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "request/parts/sheet.hpp"
#include "tarniq/parts.hpp"

namespace tarniq::request {

// One SVG sheet at 1:1: width and height in millimetres and a viewBox in
// millimetres (one user unit = 1 mm), so that printing at 100 % gives true
// size. Cut lines solid black, fold lines dashed blue, notes thin grey.
[[nodiscard]] std::string svg_drawing(const Sheet& sheet);

// DXF R12 (AC1009) ASCII in millimetres, lines and text only, for laser
// cutters and CAM: cut lines on layer CUT, fold lines on FOLD (dashed), the
// check square and text on NOTES.
[[nodiscard]] std::string dxf_drawing(const Sheet& sheet);

// Binary STL in millimetres: an 80-byte header holding `description` (never
// starting with "solid"), the facet count, and each facet's normal and
// vertices as little-endian 32-bit floats.
[[nodiscard]] std::string binary_stl(const std::vector<Facet>& facets, std::string_view description);

}  // namespace tarniq::request
