// Pages for a drawing larger than the paper: how many, which part of the sheet each shows, how they overlap.
#pragma once

#include <string>

namespace tarniq::request {

enum class Paper { a4, letter };

// Millimetres, portrait.
struct PaperSize {
  double width = 0.0;
  double height = 0.0;
};
[[nodiscard]] PaperSize paper_size(Paper paper);

// The sheet cut into a grid of pages at 1:1. Each page prints the part of
// the sheet from (column·step_x, row·step_y), printable_width by
// printable_height millimetres, inside a margin the printer may not reach;
// neighbouring pages share `overlap` millimetres, so that one can be trimmed
// and laid over the next.
struct TilePlan {
  double page_width = 0.0;  // the page as it is printed: portrait or landscape
  double page_height = 0.0;
  bool landscape = false;
  double margin = 0.0;
  double overlap = 0.0;
  double printable_width = 0.0;
  double printable_height = 0.0;
  double step_x = 0.0;
  double step_y = 0.0;
  int columns = 1;
  int rows = 1;

  [[nodiscard]] long long pages() const { return static_cast<long long>(columns) * rows; }
};

// The most pages a PDF drawing may take.
inline constexpr int kMostPages = 1000;

// The plan with the fewest pages for a sheet of that size (portrait on a
// tie); a side too long to count takes a million pages.
[[nodiscard]] TilePlan plan_tiles(double sheet_width, double sheet_height, Paper paper);

// A page's name on the sheet: its row as a letter (A, B, ... Z, AA) and its column from 1: "B3".
[[nodiscard]] std::string page_name(int row, int column);

}  // namespace tarniq::request
