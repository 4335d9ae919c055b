// From a horn to the parts that build it: its four wall panels, their flat layout and a solid of its walls.
#pragma once

#include <array>
#include <vector>

#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"

namespace tarniq {

// Every length here is metres, every angle degrees, and every panel is the
// horn's inner surface. The horn's axis is z, from the waveguide opening at
// z = 0 to the aperture at z = axial length; its broad walls (continuing the
// waveguide's broad walls) lie across y, its narrow walls across x.
//
// Every call throws InvalidArgument for a horn that check_horn refuses or
// whose two planes need axial lengths that differ by more than 1e-6 of the
// horn's largest length (the unequal_axial_lengths warning): no horn with one
// aperture has both flares, so its walls cannot be made. Messages show
// lengths in the options' message_lengths.

enum class PanelKind { broad, narrow };

// One wall as a flat isosceles trapezoid. The broad wall's short edge is the
// waveguide width and its long edge the aperture width; the narrow wall's are
// the waveguide height and the aperture height.
struct Panel {
  PanelKind kind = PanelKind::broad;
  int count = 2;                  // walls of this kind in the horn
  double short_edge = 0.0;        // at the waveguide
  double long_edge = 0.0;         // at the aperture
  double height = 0.0;            // between them, in the panel's plane
  double corner_edge = 0.0;       // each slanted side: the corner edge it shares with the next wall
  double flare_angle_deg = 0.0;   // between the wall and the axis (the E-plane flare for a broad wall)
  double corner_angle_deg = 0.0;  // dihedral between the inner faces of adjacent walls; 90 in a straight guide
};

struct HornPanels {
  Panel broad;
  Panel narrow;
  double axial_length = 0.0;  // both planes' (their mean, when they differ within 1e-6)
};

[[nodiscard]] HornPanels horn_panels(const Horn& horn, const LengthScale& message_lengths = metres_scale);

// A point of a flat layout, metres, y up.
struct FlatPoint {
  double x = 0.0;
  double y = 0.0;
};

// One panel on the sheet. Its corners run counterclockwise: waveguide edge
// (start, end), then aperture edge (end, start); corners[1]–corners[2] is its
// right corner edge, corners[3]–corners[0] its left.
struct PlacedPanel {
  PanelKind kind = PanelKind::broad;
  std::array<FlatPoint, 4> corners;
  FlatPoint centre;             // the trapezoid's centroid, where its label goes
  double axis_angle_deg = 0.0;  // direction from its waveguide edge to its aperture edge, counterclockwise from x
};

// A glue or solder tab on a panel's corner edge: corners counterclockwise,
// its base (the fold) from corners[3] to corners[0] on the panel's edge.
struct FlatTab {
  std::array<FlatPoint, 4> corners;
};

struct FlatSegment {
  FlatPoint from;
  FlatPoint to;
};

enum class LayoutKind {
  separate,  // four pieces; with tabs, the broad panels carry them on both corner edges
  net,       // one piece: broad, narrow, broad, narrow joined at three corner edges, one joining tab
};

struct LayoutOptions {
  LayoutKind kind = LayoutKind::separate;
  // Width of the tabs, metres; 0 for none. A net always has its joining
  // tab: this width, or when 0 the smaller of 10 mm and widest_tab(horn).
  double tab_width = 0.0;
  LengthScale message_lengths = metres_scale;
};

// The panels laid flat, within [0, size.x] × [0, size.y]: each piece's cut
// outline (closed, counterclockwise; panels with their tabs, a net as one
// outline), and the fold lines (a net's shared corner edges and the tabs'
// bases).
struct FlatLayout {
  std::vector<PlacedPanel> panels;  // in a net, in order around the horn
  std::vector<FlatTab> tabs;
  std::vector<std::vector<FlatPoint>> outlines;
  std::vector<FlatSegment> folds;
  FlatPoint size;
};

// The widest tab a layout takes: each tab's ends are cut back at 45° (more
// where the wall it is glued to has a sharper corner, so that the tab stays
// on it), and at least half the corner edge keeps the tab's full width.
[[nodiscard]] double widest_tab(const Horn& horn);

// Also throws InvalidArgument for a tab width negative, not finite or wider
// than widest_tab; NoSolution for a net whose panels would overlap when laid
// flat (a short, wide horn): lay those out separately.
[[nodiscard]] FlatLayout flat_layout(const Horn& horn, const LayoutOptions& options = {});

struct Vector3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// A triangle of a solid's surface: vertices counterclockwise seen from
// outside, and the outward unit normal.
struct Facet {
  Vector3 normal;
  std::array<Vector3, 3> vertices;
};

struct SolidOptions {
  double wall_thickness = 0.002;  // outward from the inner surface, measured square to each wall
  double throat_length = 0.0;     // a straight waveguide section before the flare, from z = -throat_length
  LengthScale message_lengths = metres_scale;
};

// The walls' thickness must stay below the smallest of the aperture width,
// the aperture height and the axial length.
[[nodiscard]] double thickest_wall(const Horn& horn);

// The walls as a closed, watertight surface of triangles, open along the
// axis (a ring): inner surface, outer surface, and flat ends at the aperture
// and at the start of the throat. Also throws InvalidArgument for a wall
// thickness not positive or not below thickest_wall, a throat length
// negative or not finite.
[[nodiscard]] std::vector<Facet> horn_solid(const Horn& horn, const SolidOptions& options = {});

}  // namespace tarniq
