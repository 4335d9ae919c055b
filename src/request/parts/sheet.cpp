// The drawing of a horn's flat layout: outlines, folds, panel labels, the check square and the summary.
#include "request/parts/sheet.hpp"

#include <algorithm>

#include "request/output/number_text.hpp"
#include "request/parts/panel_label.hpp"
#include "request/verbs/verb_context.hpp"

namespace tarniq::request {
namespace {

constexpr double kMargin = 10.0;      // mm around everything
constexpr double kHeaderGap = 10.0;   // mm between the summary and the layout
constexpr double kSquareGap = 8.0;    // mm between the check square and the summary's text
constexpr double kTitleSize = 4.5;    // mm
constexpr double kTextSize = 3.2;     // mm
constexpr double kLeading = 1.45;     // ems
constexpr double kMillimetresPerMetre = 1000.0;

// A length as the drawing shows it: the table's decimals, trailing zeros dropped.
std::string number(double metres, LengthUnit unit) { return short_text(from_metres(metres, unit), length_decimals(unit)); }

std::string length(double metres, LengthUnit unit) { return number(metres, unit) + " " + std::string(unit_name(unit)); }

std::string degrees(double value) { return short_text(value, 2) + "°"; }

std::vector<std::string> summary_lines(const Horn& horn, const HornPanels& panels, LengthUnit unit) {
  const std::string name{unit_name(unit)};
  const std::string feed = horn.feed.name.empty() ? "Feed waveguide " : "Feed " + horn.feed.name + ", ";
  return {"Horn parts at full size (scale 1:1)",
          "Aperture " + number(horn.aperture_width, unit) + " × " + length(horn.aperture_height, unit) +
              ", axial length " + length(panels.axial_length, unit),
          feed + number(horn.feed.width, unit) + " × " + length(horn.feed.height, unit),
          "Broad walls flare " + degrees(panels.broad.flare_angle_deg) + ", narrow walls " +
              degrees(panels.narrow.flare_angle_deg) + " from the axis;",
          "inside each corner the walls meet at " + degrees(panels.broad.corner_angle_deg) + ".",
          "Print at 100 % (actual size), not fit to page:",
          "the check square must measure 50 mm.",
          "Cut on solid lines, fold on dashed lines.",
          "Sizes of the inner surface, in " + name + "."};
}

// The check square at the top left, the summary to its right; returns the
// width the two take.
double add_header(Sheet& sheet, const std::vector<std::string>& lines) {
  const double x = kMargin, y = kMargin;
  sheet.paths.push_back(
      {Stroke::note, {{x, y}, {x + kCheckSquare, y}, {x + kCheckSquare, y + kCheckSquare}, {x, y + kCheckSquare}}, true});
  sheet.texts.push_back({{x + kCheckSquare / 2.0, y + 24.0}, 4.0, 0.0, TextAlign::middle, "50 mm"});
  sheet.texts.push_back({{x + kCheckSquare / 2.0, y + 30.0}, 3.0, 0.0, TextAlign::middle, "check square"});
  const double text_x = x + kCheckSquare + kSquareGap;
  double width = 0.0;
  double baseline = y + kTitleSize;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double size = i == 0 ? kTitleSize : kTextSize;
    sheet.texts.push_back({{text_x, baseline}, size, 0.0, TextAlign::start, lines[i]});
    width = std::max(width, text_width(lines[i], size));
    baseline += (i == 0 ? 1.6 * kTitleSize : kLeading * kTextSize);
  }
  return kCheckSquare + kSquareGap + width;
}

std::vector<std::string> label_lines(const Panel& panel, int number_of_kind, LengthUnit unit) {
  const std::string name = panel.kind == PanelKind::broad ? "Broad wall " : "Narrow wall ";
  const std::string suffix = " " + std::string(unit_name(unit));
  return {name + std::to_string(number_of_kind) + " of " + std::to_string(panel.count),
          "throat edge " + number(panel.short_edge, unit) + ", aperture edge " + number(panel.long_edge, unit) + suffix,
          "height " + number(panel.height, unit) + ", corner edges " + number(panel.corner_edge, unit) + suffix};
}

Panel in_millimetres(Panel panel) {
  panel.short_edge *= kMillimetresPerMetre;
  panel.long_edge *= kMillimetresPerMetre;
  panel.height *= kMillimetresPerMetre;
  panel.corner_edge *= kMillimetresPerMetre;
  return panel;
}

FlatPoint in_millimetres(FlatPoint p) { return {p.x * kMillimetresPerMetre, p.y * kMillimetresPerMetre}; }

PlacedPanel in_millimetres(PlacedPanel panel) {
  for (auto& corner : panel.corners) corner = in_millimetres(corner);
  panel.centre = in_millimetres(panel.centre);
  return panel;
}

}  // namespace

Sheet layout_sheet(const Horn& horn, const HornPanels& panels, const FlatLayout& layout, LengthUnit unit) {
  Sheet sheet;
  sheet.title = "Parts of the " + size_text(horn.aperture_width, horn.aperture_height, unit) + " horn, " +
                length_text(panels.axial_length, unit) + " long, on " + feed_text(horn.feed, unit);
  const double header_width = add_header(sheet, summary_lines(horn, panels, unit));
  const double layout_width = layout.size.x * kMillimetresPerMetre;
  const double layout_height = layout.size.y * kMillimetresPerMetre;
  const double top = kMargin + kCheckSquare + kHeaderGap;
  // The layout's frame (metres, y up) onto the sheet (millimetres, y down).
  const auto on_sheet_mm = [&](double x, double y) { return SheetPoint{kMargin + x, top + layout_height - y}; };
  const auto on_sheet = [&](FlatPoint p) { return on_sheet_mm(p.x * kMillimetresPerMetre, p.y * kMillimetresPerMetre); };

  for (const auto& outline : layout.outlines) {
    SheetPath path{Stroke::cut, {}, true};
    for (const FlatPoint p : outline) path.points.push_back(on_sheet(p));
    sheet.paths.push_back(std::move(path));
  }
  for (const auto& fold : layout.folds)
    sheet.paths.push_back({Stroke::fold, {on_sheet(fold.from), on_sheet(fold.to)}, false});

  int broad_seen = 0, narrow_seen = 0;
  for (const PlacedPanel& placed : layout.panels) {
    const bool broad = placed.kind == PanelKind::broad;
    const Panel& panel = broad ? panels.broad : panels.narrow;
    const int number_of_kind = broad ? ++broad_seen : ++narrow_seen;
    const std::vector<std::string> lines = label_lines(panel, number_of_kind, unit);
    for (const LabelLine& line : fit_label(in_millimetres(placed), in_millimetres(panel), lines))
      sheet.texts.push_back({on_sheet_mm(line.x, line.y), line.size, line.angle_deg, TextAlign::middle, line.text});
  }
  sheet.margin = kMargin;
  sheet.width = 2.0 * kMargin + std::max(header_width, layout_width);
  sheet.height = top + layout_height + kMargin;
  return sheet;
}

}  // namespace tarniq::request
