// Pages for a drawing larger than the paper.
#include "request/parts/tiles.hpp"

#include <algorithm>
#include <cmath>

namespace tarniq::request {
namespace {

constexpr double kMargin = 10.0;   // mm a printer may leave blank at each edge
constexpr double kOverlap = 10.0;  // mm each page shares with its neighbour
constexpr int kUncountable = 1000000;

// Pages along one side: the first takes `printable`, each next one `step`
// more; a sheet too large to count (or not finite) counts kUncountable.
int pages_along(double sheet, double printable, double step) {
  if (sheet <= printable) return 1;
  const double pages = 1.0 + std::ceil((sheet - printable) / step - 1e-9);
  return pages < kUncountable ? static_cast<int>(pages) : kUncountable;
}

TilePlan plan_on(double sheet_width, double sheet_height, double page_width, double page_height, bool landscape) {
  TilePlan plan;
  plan.page_width = page_width;
  plan.page_height = page_height;
  plan.landscape = landscape;
  plan.margin = kMargin;
  plan.overlap = kOverlap;
  plan.printable_width = page_width - 2.0 * kMargin;
  plan.printable_height = page_height - 2.0 * kMargin;
  plan.step_x = plan.printable_width - kOverlap;
  plan.step_y = plan.printable_height - kOverlap;
  plan.columns = pages_along(sheet_width, plan.printable_width, plan.step_x);
  plan.rows = pages_along(sheet_height, plan.printable_height, plan.step_y);
  return plan;
}

}  // namespace

PaperSize paper_size(Paper paper) {
  if (paper == Paper::letter) return {215.9, 279.4};
  return {210.0, 297.0};
}

TilePlan plan_tiles(double sheet_width, double sheet_height, Paper paper) {
  const PaperSize size = paper_size(paper);
  const TilePlan portrait = plan_on(sheet_width, sheet_height, size.width, size.height, false);
  const TilePlan landscape = plan_on(sheet_width, sheet_height, size.height, size.width, true);
  return landscape.pages() < portrait.pages() ? landscape : portrait;
}

std::string page_name(int row, int column) {
  std::string letters;
  for (int n = row + 1; n > 0; n = (n - 1) / 26) letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  return letters + std::to_string(column + 1);
}

}  // namespace tarniq::request
