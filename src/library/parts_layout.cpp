// The panels laid flat: four separate pieces or one net, with glue or solder tabs and fold lines.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks.hpp"
#include "flat_geometry.hpp"
#include "parts_walls.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/parts.hpp"

namespace tarniq {
namespace {

using detail::RigidMotion;
using Corners = std::array<FlatPoint, 4>;

constexpr double kPanelGap = 0.006;            // metres between separate pieces, room for a cut
constexpr double kDefaultJoiningTab = 0.010;   // metres, a net's joining tab when no width is given
constexpr double kTabEnd = std::numbers::pi / 4.0;  // a tab's ends are cut back at 45° or more
constexpr double kOverlapTolerance = 1e-9;     // relative to the horn's corner edge

// A panel in its own frame: waveguide edge centred on the x axis, aperture edge at y = height.
Corners local_corners(const Panel& panel) {
  const double s = panel.short_edge / 2.0;
  const double l = panel.long_edge / 2.0;
  return {{{-s, 0.0}, {s, 0.0}, {l, panel.height}, {-l, panel.height}}};
}

PlacedPanel place(const Panel& panel, const RigidMotion& motion) {
  PlacedPanel placed{panel.kind, {}, {}, 0.0};
  const Corners local = local_corners(panel);
  for (std::size_t i = 0; i < 4; ++i) placed.corners[i] = motion(local[i]);
  // The trapezoid's centroid lies on its axis, nearer the longer edge.
  const double s = panel.short_edge;
  const double l = panel.long_edge;
  placed.centre = motion({0.0, panel.height * (s + 2.0 * l) / (3.0 * (s + l))});
  placed.axis_angle_deg = 90.0 + motion.angle_deg();
  return placed;
}

// The angles between a tab's base and its ends, for a tab glued onto
// `partner`: 45°, or the partner's corner where that is sharper (at the
// aperture end of a wide flare), so that the tab stays on the partner.
struct TabEnds {
  double waveguide_end;  // radians
  double aperture_end;
};

TabEnds tab_ends(const Panel& partner) {
  const double lean = std::atan((partner.long_edge - partner.short_edge) / 2.0 / partner.height);
  const double half_turn = std::numbers::pi / 2.0;
  return {std::min(kTabEnd, half_turn + lean), std::min(kTabEnd, half_turn - lean)};
}

double widest_tab_onto(const Panel& partner) {
  const TabEnds ends = tab_ends(partner);
  return partner.corner_edge / (2.0 * (1.0 / std::tan(ends.waveguide_end) + 1.0 / std::tan(ends.aperture_end)));
}

// A tab on the panel edge from `start` to `end` (the panel's own
// counterclockwise direction, so the tab lies to its right).
FlatTab make_tab(FlatPoint start, FlatPoint end, double start_angle, double end_angle, double width) {
  const FlatPoint edge = end - start;
  const FlatPoint along = (1.0 / detail::norm(edge)) * edge;
  const FlatPoint out{along.y, -along.x};
  return {{start, start + width * out + (width / std::tan(start_angle)) * along,
           end + width * out - (width / std::tan(end_angle)) * along, end}};
}

// Tabs on a panel's right corner edge (waveguide end first) and left one (aperture end first).
FlatTab right_tab(const PlacedPanel& panel, const TabEnds& ends, double width) {
  return make_tab(panel.corners[1], panel.corners[2], ends.waveguide_end, ends.aperture_end, width);
}
FlatTab left_tab(const PlacedPanel& panel, const TabEnds& ends, double width) {
  return make_tab(panel.corners[3], panel.corners[0], ends.aperture_end, ends.waveguide_end, width);
}

// The outline through a tab: the panel's edge replaced by the tab's three outer sides.
void add_tab_corners(std::vector<FlatPoint>& outline, const FlatTab& tab) {
  outline.push_back(tab.corners[1]);
  outline.push_back(tab.corners[2]);
}

void add_fold(FlatLayout& layout, FlatPoint from, FlatPoint to) { layout.folds.push_back({from, to}); }

// Moves every point of the layout.
void move(FlatLayout& layout, const RigidMotion& motion) {
  const auto moved = [&](FlatPoint& p) { p = motion(p); };
  for (auto& panel : layout.panels) {
    for (auto& corner : panel.corners) moved(corner);
    moved(panel.centre);
    panel.axis_angle_deg = std::remainder(panel.axis_angle_deg + motion.angle_deg(), 360.0);
  }
  for (auto& tab : layout.tabs)
    for (auto& corner : tab.corners) moved(corner);
  for (auto& outline : layout.outlines)
    for (auto& corner : outline) moved(corner);
  for (auto& fold : layout.folds) {
    moved(fold.from);
    moved(fold.to);
  }
}

// Moves the layout so that its outlines' box starts at the origin, and sets its size.
void settle(FlatLayout& layout) {
  std::vector<FlatPoint> all;
  for (const auto& outline : layout.outlines) all.insert(all.end(), outline.begin(), outline.end());
  const detail::Box box = detail::bounding_box(all);
  move(layout, {1.0, 0.0, {-box.low.x, -box.low.y}});
  layout.size = box.size;
}

void append(FlatLayout& layout, const FlatLayout& piece) {
  layout.panels.insert(layout.panels.end(), piece.panels.begin(), piece.panels.end());
  layout.tabs.insert(layout.tabs.end(), piece.tabs.begin(), piece.tabs.end());
  layout.outlines.insert(layout.outlines.end(), piece.outlines.begin(), piece.outlines.end());
  layout.folds.insert(layout.folds.end(), piece.folds.begin(), piece.folds.end());
}

// One panel as a piece of its own, with tabs on both corner edges when tabbed.
FlatLayout single_piece(const PlacedPanel& placed, const TabEnds& ends, double tab_width) {
  FlatLayout piece;
  std::vector<FlatPoint> outline{placed.corners[0], placed.corners[1]};
  const FlatTab right = right_tab(placed, ends, tab_width);
  const FlatTab left = left_tab(placed, ends, tab_width);
  if (tab_width > 0.0) add_tab_corners(outline, right);
  outline.push_back(placed.corners[2]);
  outline.push_back(placed.corners[3]);
  if (tab_width > 0.0) {
    add_tab_corners(outline, left);
    for (const FlatTab& tab : {right, left}) {
      piece.tabs.push_back(tab);
      add_fold(piece, tab.corners[3], tab.corners[0]);
    }
  }
  piece.outlines.push_back(std::move(outline));
  piece.panels.push_back(placed);
  return piece;
}

// A panel upright and its twin turned over beside it, their neighbouring
// corner edges parallel and a gap (and two tabs) apart.
FlatLayout pair_of(const Panel& panel, const TabEnds& ends, double tab_width) {
  const double lean = std::atan((panel.long_edge - panel.short_edge) / 2.0 / panel.height);
  const double clearance = kPanelGap + 2.0 * tab_width;
  const double twin_shift = clearance / std::cos(lean) + (panel.long_edge + panel.short_edge) / 2.0;
  FlatLayout pair = single_piece(place(panel, {}), ends, tab_width);
  append(pair, single_piece(place(panel, {-1.0, 0.0, {twin_shift, panel.height}}), ends, tab_width));
  settle(pair);
  return pair;
}

// The broad pair and the narrow pair on one line, a gap apart; with tabs,
// the broad panels carry them on both corner edges, glued onto the narrow
// panels.
FlatLayout separate_layout(const Panel& broad, const Panel& narrow, double tab_width) {
  FlatLayout layout = pair_of(broad, tab_ends(narrow), tab_width);
  FlatLayout narrow_pair = pair_of(narrow, tab_ends(broad), 0.0);
  move(narrow_pair, {1.0, 0.0, {layout.size.x + kPanelGap, 0.0}});
  append(layout, narrow_pair);
  settle(layout);
  return layout;
}

// Broad, narrow, broad, narrow, each joined to the last along a corner edge;
// the last carries the tab that closes the ring onto the first. Turned so that
// its box is the smallest, and wider than high.
FlatLayout net_layout(const Panel& broad, const Panel& narrow, double tab_width) {
  FlatLayout layout;
  const Panel* order[] = {&broad, &narrow, &broad, &narrow};
  layout.panels.push_back(place(broad, {}));
  for (std::size_t k = 1; k < 4; ++k) {
    const PlacedPanel& last = layout.panels.back();
    const Corners local = local_corners(*order[k]);
    PlacedPanel next = place(*order[k], detail::motion_onto(local[0], local[3], last.corners[1], last.corners[2]));
    next.corners[0] = last.corners[1];  // shared exactly
    next.corners[3] = last.corners[2];
    add_fold(layout, last.corners[1], last.corners[2]);
    layout.panels.push_back(next);
  }
  const FlatTab joining = right_tab(layout.panels[3], tab_ends(broad), tab_width);
  layout.tabs.push_back(joining);
  add_fold(layout, joining.corners[3], joining.corners[0]);

  std::vector<FlatPoint> outline{layout.panels[0].corners[0]};
  for (const auto& panel : layout.panels) outline.push_back(panel.corners[1]);
  add_tab_corners(outline, joining);
  for (auto panel = layout.panels.rbegin(); panel != layout.panels.rend(); ++panel) outline.push_back(panel->corners[2]);
  outline.push_back(layout.panels[0].corners[3]);
  layout.outlines.push_back(outline);

  // Panels not joined to each other, and the tab, must not overlap once flat.
  const double tolerance = kOverlapTolerance * broad.corner_edge;
  const auto overlap = [&](std::span<const FlatPoint> p, std::span<const FlatPoint> q) {
    return detail::convex_overlap(p, q, tolerance);
  };
  const auto& p = layout.panels;
  if (overlap(p[0].corners, p[2].corners) || overlap(p[1].corners, p[3].corners) ||
      overlap(p[0].corners, p[3].corners) || overlap(joining.corners, p[0].corners) ||
      overlap(joining.corners, p[1].corners) || overlap(joining.corners, p[2].corners))
    throw NoSolution("the panels of this horn overlap when laid flat as one net: lay them out separately");

  move(layout, detail::rotation(detail::tightest_box_rotation(outline)));
  settle(layout);
  if (layout.size.y > layout.size.x) {
    move(layout, detail::rotation(std::numbers::pi / 2.0));
    settle(layout);
  }
  return layout;
}

}  // namespace

double widest_tab(const Horn& horn) {
  const detail::Walls walls = detail::horn_walls(horn, metres_scale);
  return std::min(widest_tab_onto(detail::make_panel(walls, PanelKind::broad)),
                  widest_tab_onto(detail::make_panel(walls, PanelKind::narrow)));
}

FlatLayout flat_layout(const Horn& horn, const LayoutOptions& options) {
  const detail::Walls walls = detail::horn_walls(horn, options.message_lengths);
  const Panel broad = detail::make_panel(walls, PanelKind::broad);
  const Panel narrow = detail::make_panel(walls, PanelKind::narrow);
  const double widest = std::min(widest_tab_onto(broad), widest_tab_onto(narrow));
  if (!(std::isfinite(options.tab_width) && options.tab_width >= 0.0))
    throw InvalidArgument(detail::show("tab width", options.tab_width, "m") + " is not zero or positive and finite");
  if (options.tab_width > widest)
    throw InvalidArgument("tab width " + detail::length_text(options.tab_width, options.message_lengths) +
                          " is too wide for this horn's corner edges of " +
                          detail::length_text(broad.corner_edge, options.message_lengths) + ": at most " +
                          detail::length_text(widest, options.message_lengths));
  if (options.kind == LayoutKind::separate) return separate_layout(broad, narrow, options.tab_width);
  const double joining = options.tab_width > 0.0 ? options.tab_width : std::min(kDefaultJoiningTab, widest);
  return net_layout(broad, narrow, joining);
}

}  // namespace tarniq
