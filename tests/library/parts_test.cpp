// Tests of the horn's parts: panels against the horn, the net folded back into it, layouts that can be cut.
#include "tarniq/parts.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "library/rejections.hpp"
#include "tarniq/design.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

struct Case {
  const char* name;
  Horn horn;
};

// Horns of every build: X band, a hydrogen-line horn of aluminised board, a
// square horn, a short wide flare, a long slim one and a W-band horn.
std::vector<Case> cases() {
  const Waveguide square_guide{0.02, 0.02, "", std::nullopt};
  return {
      {"X band", make_horn(0.11, 0.08, 0.20, find_waveguide("WR-90"))},
      {"hydrogen line", make_horn(0.60, 0.45, 0.55, find_waveguide("WR-650"))},
      {"square", make_horn(0.10, 0.10, 0.15, square_guide)},
      {"short and wide", make_horn(0.60, 0.45, 0.10, find_waveguide("WR-650"))},
      {"long and slim", make_horn(0.03, 0.02, 0.50, find_waveguide("WR-90"))},
      {"W band", make_horn(0.012, 0.009, 0.03, find_waveguide("WR-10"))},
  };
}

// 3-D points of the horn and of the folded net.
struct P3 {
  double x, y, z;
};
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator*(double k, P3 a) { return {k * a.x, k * a.y, k * a.z}; }
double dot(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
P3 cross(P3 a, P3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double norm(P3 a) { return std::sqrt(dot(a, a)); }
double distance(P3 a, P3 b) { return norm(a - b); }
double distance(FlatPoint a, FlatPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The point turned by an angle about the line through `from` and `to` (right-hand rule).
P3 turned(P3 p, P3 from, P3 to, double angle) {
  const P3 k = (1.0 / norm(to - from)) * (to - from);
  const P3 v = p - from;
  return from + std::cos(angle) * v + std::sin(angle) * cross(k, v) + (dot(k, v) * (1.0 - std::cos(angle))) * k;
}

// The panels are the horn's walls: their edges the openings, their heights
// the side walls, their corner edges the slanted sides of both, their flare
// the plane's, and all four corner edges as long as the horn's corners.
TEST(HornPanels, AreTheHornsWalls) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const Horn& h = c.horn;
    const HornPanels panels = horn_panels(h);
    const double length = axial_length(h, Plane::e);
    EXPECT_NEAR(panels.axial_length, length, 1e-12 * length);
    struct Expected {
      const Panel& panel;
      PanelKind kind;
      double short_edge, long_edge, height, step;
    };
    const Expected rows[] = {
        {panels.broad, PanelKind::broad, h.feed.width, h.aperture_width, side_wall_length(h, Plane::e),
         (h.aperture_height - h.feed.height) / 2.0},
        {panels.narrow, PanelKind::narrow, h.feed.height, h.aperture_height, side_wall_length(h, Plane::h),
         (h.aperture_width - h.feed.width) / 2.0},
    };
    const P3 throat_corner{h.feed.width / 2.0, h.feed.height / 2.0, 0.0};
    const P3 aperture_corner{h.aperture_width / 2.0, h.aperture_height / 2.0, length};
    for (const Expected& e : rows) {
      EXPECT_EQ(e.panel.kind, e.kind);
      EXPECT_EQ(e.panel.count, 2);
      EXPECT_EQ(e.panel.short_edge, e.short_edge);
      EXPECT_EQ(e.panel.long_edge, e.long_edge);
      EXPECT_NEAR(e.panel.height, e.height, 1e-12 * e.height);
      const double slant = std::hypot(e.panel.height, (e.long_edge - e.short_edge) / 2.0);
      EXPECT_NEAR(e.panel.corner_edge, slant, 1e-12 * slant);
      EXPECT_NEAR(e.panel.corner_edge, distance(throat_corner, aperture_corner), 1e-12 * slant);
      EXPECT_NEAR(std::tan(e.panel.flare_angle_deg * kDegree), e.step / length, 1e-12);
    }
  }
}

// The corner angle is the angle between the two walls' inner faces across
// their shared edge: computed here from the horn's corners, by the
// directions in each wall square to the edge.
TEST(HornPanels, CornerAngleIsTheDihedralOfTheWalls) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const Horn& h = c.horn;
    const double length = axial_length(h, Plane::e);
    const P3 edge_start{h.feed.width / 2.0, h.feed.height / 2.0, 0.0};
    const P3 edge_end{h.aperture_width / 2.0, h.aperture_height / 2.0, length};
    const P3 on_broad{-h.feed.width / 2.0, h.feed.height / 2.0, 0.0};
    const P3 on_narrow{h.feed.width / 2.0, -h.feed.height / 2.0, 0.0};
    const P3 edge = (1.0 / distance(edge_start, edge_end)) * (edge_end - edge_start);
    const auto square_to_edge = [&](P3 p) {
      const P3 v = p - edge_start;
      return v - dot(v, edge) * edge;
    };
    const P3 into_broad = square_to_edge(on_broad);
    const P3 into_narrow = square_to_edge(on_narrow);
    const double dihedral = std::acos(dot(into_broad, into_narrow) / (norm(into_broad) * norm(into_narrow))) / kDegree;
    const HornPanels panels = horn_panels(h);
    EXPECT_NEAR(panels.broad.corner_angle_deg, dihedral, 1e-9);
    EXPECT_EQ(panels.narrow.corner_angle_deg, panels.broad.corner_angle_deg);
    EXPECT_GT(dihedral, 90.0);  // a flare opens the corners
  }
  // A straight guide's walls meet square.
  const Horn nearly_straight = make_horn(0.02286 * (1 + 1e-9), 0.01016 * (1 + 1e-9), 0.1, find_waveguide("WR-90"));
  EXPECT_NEAR(horn_panels(nearly_straight).broad.corner_angle_deg, 90.0, 1e-6);
}

// Folding the net along its fold lines by the corner angle's supplement
// brings the last panel's free corner edge onto the first panel's, and its
// corners onto the waveguide opening and the aperture, the axial length apart.
TEST(FlatLayout, NetFoldsIntoTheHorn) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const Horn& h = c.horn;
    const HornPanels panels = horn_panels(h);
    const FlatLayout net = flat_layout(h, {LayoutKind::net, 0.0, metres_scale});
    ASSERT_EQ(net.panels.size(), 4u);
    std::vector<std::array<P3, 4>> corners;
    for (const PlacedPanel& panel : net.panels) {
      auto& folded = corners.emplace_back();
      for (std::size_t i = 0; i < 4; ++i) folded[i] = {panel.corners[i].x, panel.corners[i].y, 0.0};
    }
    const double fold = (180.0 - panels.broad.corner_angle_deg) * kDegree;
    for (std::size_t k = 0; k + 1 < 4; ++k) {
      const P3 from = corners[k][1], to = corners[k][2];
      for (std::size_t later = k + 1; later < 4; ++later)
        for (P3& p : corners[later]) p = turned(p, from, to, fold);
    }
    const double scale = panels.broad.corner_edge;
    EXPECT_NEAR(distance(corners[3][1], corners[0][0]), 0.0, 1e-9 * scale);
    EXPECT_NEAR(distance(corners[3][2], corners[0][3]), 0.0, 1e-9 * scale);
    // The waveguide opening (the panels' corners 1) and the aperture (corners 2).
    const auto opening = [&](std::size_t corner, double width, double height) {
      const P3 p[4] = {corners[0][corner], corners[1][corner], corners[2][corner], corners[3][corner]};
      EXPECT_NEAR(distance(p[3], p[0]), width, 1e-9 * width);
      EXPECT_NEAR(distance(p[0], p[1]), height, 1e-9 * width);
      EXPECT_NEAR(distance(p[1], p[2]), width, 1e-9 * width);
      EXPECT_NEAR(distance(p[2], p[3]), height, 1e-9 * width);
      EXPECT_NEAR(distance(p[0], p[2]), std::hypot(width, height), 1e-9 * width);  // square corners
      EXPECT_NEAR(distance(p[1], p[3]), std::hypot(width, height), 1e-9 * width);
      return std::array<P3, 3>{0.25 * (p[0] + p[1] + p[2] + p[3]), p[0], p[1]};
    };
    const auto throat = opening(1, h.feed.width, h.feed.height);
    const auto mouth = opening(2, h.aperture_width, h.aperture_height);
    // Both openings square to the line through their centres, the axial length long.
    const P3 normal = cross(throat[1] - throat[0], throat[2] - throat[0]);
    const P3 axis = mouth[0] - throat[0];
    EXPECT_NEAR(norm(cross(normal, axis)) / (norm(normal) * norm(axis)), 0.0, 1e-9);
    EXPECT_NEAR(dot(mouth[1] - mouth[0], axis), 0.0, 1e-9 * scale * scale);
    EXPECT_NEAR(norm(axis), panels.axial_length, 1e-9 * panels.axial_length);
  }
}

double signed_area(const std::vector<FlatPoint>& polygon) {
  double twice = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const FlatPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    twice += a.x * b.y - a.y * b.x;
  }
  return twice / 2.0;
}

std::vector<FlatPoint> as_polygon(const std::array<FlatPoint, 4>& corners) { return {corners.begin(), corners.end()}; }

// Every layout, separate or net, with or without tabs: each panel is its
// trapezoid (edge lengths), the outlines run counterclockwise and enclose
// exactly the panels and tabs, and the box is the outlines' own.
TEST(FlatLayout, PanelsKeepTheirShapeAndFillTheBox) {
  for (const Case& c : cases()) {
    const HornPanels panels = horn_panels(c.horn);
    for (const LayoutKind kind : {LayoutKind::separate, LayoutKind::net}) {
      for (const double tab : {0.0, widest_tab(c.horn) / 2.0}) {
        SCOPED_TRACE(std::string(c.name) + (kind == LayoutKind::net ? ", net" : ", separate") +
                     (tab > 0.0 ? ", tabs" : ""));
        const FlatLayout layout = flat_layout(c.horn, {kind, tab, metres_scale});
        const double scale = panels.broad.corner_edge;
        double area = 0.0;
        for (const PlacedPanel& placed : layout.panels) {
          const Panel& panel = placed.kind == PanelKind::broad ? panels.broad : panels.narrow;
          const auto& p = placed.corners;
          EXPECT_NEAR(distance(p[0], p[1]), panel.short_edge, 1e-12 * scale);
          EXPECT_NEAR(distance(p[1], p[2]), panel.corner_edge, 1e-12 * scale);
          EXPECT_NEAR(distance(p[2], p[3]), panel.long_edge, 1e-12 * scale);
          EXPECT_NEAR(distance(p[3], p[0]), panel.corner_edge, 1e-12 * scale);
          const double trapezoid = (panel.short_edge + panel.long_edge) / 2.0 * panel.height;
          EXPECT_NEAR(signed_area(as_polygon(p)), trapezoid, 1e-12 * scale * scale);
          area += trapezoid;
        }
        const std::size_t tabs = tab == 0.0 ? (kind == LayoutKind::net ? 1 : 0) : (kind == LayoutKind::net ? 1 : 4);
        ASSERT_EQ(layout.tabs.size(), tabs);
        for (const FlatTab& t : layout.tabs) area += signed_area(as_polygon(t.corners));
        double outlined = 0.0;
        double low_x = 1.0, low_y = 1.0, high_x = -1.0, high_y = -1.0;
        for (const auto& outline : layout.outlines) {
          outlined += signed_area(outline);
          for (const FlatPoint q : outline) {
            low_x = std::min(low_x, q.x), low_y = std::min(low_y, q.y);
            high_x = std::max(high_x, q.x), high_y = std::max(high_y, q.y);
          }
        }
        EXPECT_NEAR(outlined, area, 1e-9 * area);
        EXPECT_EQ(layout.outlines.size(), kind == LayoutKind::net ? 1u : 4u);
        EXPECT_EQ(layout.folds.size(), kind == LayoutKind::net ? 4u : tabs);
        EXPECT_EQ(low_x, 0.0);
        EXPECT_EQ(low_y, 0.0);
        EXPECT_NEAR(high_x, layout.size.x, 1e-15);
        EXPECT_NEAR(high_y, layout.size.y, 1e-15);
        if (kind == LayoutKind::net) {
          EXPECT_GE(layout.size.x, layout.size.y);
        }
      }
    }
  }
}

// Each tab stands its width off its base, which is a fold on a corner edge,
// and its ends are cut back at 45° or more; widest_tab keeps half the edge
// at full width.
TEST(FlatLayout, TabsStandOffTheirFoldAndEndSteeply) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const double widest = widest_tab(c.horn);
    const double edge = horn_panels(c.horn).broad.corner_edge;
    for (const LayoutKind kind : {LayoutKind::separate, LayoutKind::net}) {
      const FlatLayout layout = flat_layout(c.horn, {kind, widest, metres_scale});
      for (const FlatTab& tab : layout.tabs) {
        const auto& p = tab.corners;
        EXPECT_NEAR(distance(p[3], p[0]), edge, 1e-12 * edge);
        const double base = distance(p[3], p[0]);
        const auto off_base = [&](FlatPoint q) {
          return std::abs((p[0].x - p[3].x) * (q.y - p[3].y) - (p[0].y - p[3].y) * (q.x - p[3].x)) / base;
        };
        EXPECT_NEAR(off_base(p[1]), widest, 1e-12 * edge);
        EXPECT_NEAR(off_base(p[2]), widest, 1e-12 * edge);
        EXPECT_GE(distance(p[1], p[2]), edge / 2.0 * (1.0 - 1e-9));
        EXPECT_GE(distance(p[0], p[1]), std::sqrt(2.0) * widest * (1.0 - 1e-12));
        EXPECT_GE(distance(p[2], p[3]), std::sqrt(2.0) * widest * (1.0 - 1e-12));
      }
    }
  }
}

// Separate pieces keep at least the cutting gap between them.
TEST(FlatLayout, SeparatePiecesKeepTheirGap) {
  const auto point_to_segment = [](FlatPoint p, FlatPoint a, FlatPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
  };
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const FlatLayout layout = flat_layout(c.horn, {LayoutKind::separate, widest_tab(c.horn) / 3.0, metres_scale});
    for (std::size_t i = 0; i < layout.outlines.size(); ++i)
      for (std::size_t j = 0; j < layout.outlines.size(); ++j) {
        if (i == j) continue;
        const auto& from = layout.outlines[i];
        const auto& to = layout.outlines[j];
        double nearest = 1e9;
        for (const FlatPoint p : from)
          for (std::size_t k = 0; k < to.size(); ++k) nearest = std::min(nearest, point_to_segment(p, to[k], to[(k + 1) % to.size()]));
        EXPECT_GE(nearest, 0.006 * (1.0 - 1e-9)) << i << " to " << j;
      }
  }
}

// A table-method design, whose planes' lengths differ by its rounding, is
// built; horns whose planes differ more, and tabs, walls and throats out of
// range, are refused with messages in the caller's unit; a net that would
// overlap itself has no solution.
TEST(Parts, RefusesWhatCannotBeBuilt) {
  const Waveguide wr90 = find_waveguide("WR-90");
  const HornDesign table = design_rectangular({30.0, 20.0, half_power_db, 0.25, 10e9, wr90}, {DesignMethod::table});
  EXPECT_NO_THROW((void)horn_panels(table.horn));
  const Horn horn = make_horn(0.11, 0.08, 0.20, wr90);
  const Horn unequal = make_horn_from_slant_radii(0.1, 0.08, 0.3, 0.2, wr90);
  const Horn flat = make_horn(0.60, 0.45, 0.07, find_waveguide("WR-650"));
  using testing::expect_rejections;
  expect_rejections<InvalidArgument>({
      {[&] { (void)horn_panels(unequal, centimetres_scale); },
       "the E-plane flare needs an axial length of 17.11 cm and the H-plane flare 22.82 cm: no horn with one "
       "aperture has both flares, so its walls cannot be made"},
      {[&] { (void)horn_solid(unequal); }, "the E-plane flare needs an axial length of 0.1711 m and the H-plane flare "
                                            "0.2282 m: no horn with one aperture has both flares, so its walls cannot be made"},
      {[&] { (void)flat_layout(horn, {LayoutKind::separate, 0.06, millimetres_scale}); },
       "tab width 60 mm is too wide for this horn's corner edges of 207.6 mm: at most 51.91 mm"},
      {[&] { (void)flat_layout(horn, {LayoutKind::net, -0.001}); }, "tab width -0.001 m is not zero or positive and finite"},
      {[&] { (void)horn_solid(horn, {0.0}); }, "wall thickness 0 m is not positive and finite"},
      {[&] { (void)horn_solid(horn, {0.08, 0.0, centimetres_scale}); },
       "wall thickness 8 cm is too thick for this horn: it must be less than 8 cm, the smallest of its aperture and "
       "axial length"},
      {[&] { (void)horn_solid(horn, {0.002, -0.01}); }, "throat length -0.01 m is not zero or positive and finite"},
  });
  EXPECT_EQ(thickest_wall(horn), 0.08);
  expect_rejections<NoSolution>({
      {[&] { (void)flat_layout(flat, {LayoutKind::net, 0.035}); },
       "the panels of this horn overlap when laid flat as one net: lay them out separately"},
  });
  // Its net fits with a narrower joining tab; separate, its panels always do.
  EXPECT_NO_THROW((void)flat_layout(flat, {LayoutKind::net, 0.01}));
  EXPECT_NO_THROW((void)flat_layout(flat, {LayoutKind::separate, widest_tab(flat)}));
}

}  // namespace
}  // namespace tarniq
