// Drawings as PDF through cairo: the sheet at 1:1 over as many pages as it needs, with marks to join them.
#include "request/pdf/pdf_drawing.hpp"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <stdexcept>

namespace tarniq::request::pdf {
namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kMarkSpacing = 60.0;  // mm between + marks along an overlap
constexpr double kMarkArm = 4.0;       // mm
constexpr double kLabelSize = 2.8;     // mm, the page's own label
constexpr const char* kFont = "DejaVu Sans";

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void set_stroke(cairo_t* cr, Stroke stroke) {
  static constexpr double kDashes[] = {3.0, 2.0};
  cairo_set_dash(cr, nullptr, 0, 0.0);
  switch (stroke) {
    case Stroke::fold:
      cairo_set_source_rgb(cr, 0.0, 0.31, 0.69);
      cairo_set_line_width(cr, 0.3);
      cairo_set_dash(cr, kDashes, 2, 0.0);
      break;
    case Stroke::note:
      cairo_set_source_rgb(cr, 0.38, 0.38, 0.38);
      cairo_set_line_width(cr, 0.25);
      break;
    case Stroke::cut:
      cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
      cairo_set_line_width(cr, 0.3);
      break;
  }
}

void draw_text(cairo_t* cr, SheetPoint at, double size, double angle_deg, TextAlign align, const std::string& text) {
  cairo_save(cr);
  cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, -angle_deg * std::numbers::pi / 180.0);  // cairo turns clockwise on the page
  double start = 0.0;
  if (align == TextAlign::middle) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    start = -extents.x_advance / 2.0;
  }
  cairo_move_to(cr, start, 0.0);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

void draw_sheet(cairo_t* cr, const Sheet& sheet) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (const SheetPath& path : sheet.paths) {
    if (path.points.empty()) continue;
    set_stroke(cr, path.stroke);
    cairo_move_to(cr, path.points[0].x, path.points[0].y);
    for (std::size_t i = 1; i < path.points.size(); ++i) cairo_line_to(cr, path.points[i].x, path.points[i].y);
    if (path.closed) cairo_close_path(cr);
    cairo_stroke(cr);
  }
  for (const SheetText& text : sheet.texts) draw_text(cr, text.at, text.size, text.angle_deg, text.align, text.text);
}

// In the middle of each overlap, a dotted line to trim along and + marks
// that fall on the same spot of both pages; in the coordinates of the sheet
// within its margin, as the pages tile it.
void draw_joins(cairo_t* cr, const TilePlan& plan, const Sheet& sheet) {
  const double width = sheet.width - 2.0 * sheet.margin;
  const double height = sheet.height - 2.0 * sheet.margin;
  static constexpr double kDots[] = {0.2, 1.2};
  const auto cross = [&](double x, double y) {
    cairo_set_dash(cr, nullptr, 0, 0.0);
    cairo_move_to(cr, x - kMarkArm, y);
    cairo_line_to(cr, x + kMarkArm, y);
    cairo_move_to(cr, x, y - kMarkArm);
    cairo_line_to(cr, x, y + kMarkArm);
    cairo_stroke(cr);
  };
  const auto trim = [&](double x0, double y0, double x1, double y1) {
    cairo_set_dash(cr, kDots, 2, 0.0);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
  };
  cairo_set_source_rgb(cr, 0.85, 0.1, 0.1);
  cairo_set_line_width(cr, 0.25);
  for (int column = 1; column < plan.columns; ++column) {
    const double x = column * plan.step_x + plan.overlap / 2.0;
    trim(x, 0.0, x, height);
    for (double y = kMarkSpacing / 2.0; y < height; y += kMarkSpacing) cross(x, y);
  }
  for (int row = 1; row < plan.rows; ++row) {
    const double y = row * plan.step_y + plan.overlap / 2.0;
    trim(0.0, y, width, y);
    for (double x = kMarkSpacing / 2.0; x < width; x += kMarkSpacing) cross(x, y);
  }
}

std::string page_label(const TilePlan& plan, int row, int column) {
  std::string label = "Page " + page_name(row, column) + " of " + std::to_string(plan.pages()) + ", scale 1:1: print at 100 %";
  std::string joins;
  if (column > 0) joins += " over " + page_name(row, column - 1);
  if (row > 0) joins += std::string(joins.empty() ? " over " : " and ") + page_name(row - 1, column);
  if (!joins.empty()) label += "; trim on the dotted line, lay it" + joins + ", + on +";
  return label;
}

}  // namespace

std::string render_pdf(const Sheet& sheet, Paper paper) {
  // The sheet's own blank margin is left to the pages'.
  const TilePlan plan = plan_tiles(sheet.width - 2.0 * sheet.margin, sheet.height - 2.0 * sheet.margin, paper);
  if (plan.pages() > kMostPages)
    throw std::runtime_error("the drawing would take " + std::to_string(plan.pages()) + " pages");
  std::string bytes;
  const Surface surface(cairo_pdf_surface_create_for_stream(append_bytes, &bytes, plan.page_width * kPointsPerMillimetre,
                                                            plan.page_height * kPointsPerMillimetre),
                        cairo_surface_destroy);
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, sheet.title.c_str());
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "tarniq");
  const Context context(cairo_create(surface.get()), cairo_destroy);
  cairo_t* cr = context.get();
  cairo_scale(cr, kPointsPerMillimetre, kPointsPerMillimetre);  // user units: millimetres
  for (int row = 0; row < plan.rows; ++row) {
    for (int column = 0; column < plan.columns; ++column) {
      cairo_save(cr);
      cairo_rectangle(cr, plan.margin, plan.margin, plan.printable_width, plan.printable_height);
      cairo_clip(cr);
      cairo_translate(cr, plan.margin - column * plan.step_x, plan.margin - row * plan.step_y);
      if (plan.pages() > 1) draw_joins(cr, plan, sheet);
      cairo_translate(cr, -sheet.margin, -sheet.margin);
      draw_sheet(cr, sheet);
      cairo_restore(cr);
      draw_text(cr, {plan.margin, plan.margin - 3.0}, kLabelSize, 0.0, TextAlign::start, sheet.title);
      draw_text(cr, {plan.margin, plan.page_height - plan.margin + 5.0}, kLabelSize, 0.0, TextAlign::start,
                page_label(plan, row, column));
      cairo_show_page(cr);
    }
  }
  cairo_status_t status = cairo_status(cr);
  cairo_surface_finish(surface.get());
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface.get());
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(std::string("cairo: ") + cairo_status_to_string(status));
  return bytes;
}

}  // namespace tarniq::request::pdf
