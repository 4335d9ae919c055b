// From a horn to the parts that build it: wall panels, their flat layout, the solid of the walls (parts.hpp).
#include "bindings.hpp"
#include "conversions.hpp"
#include "result_values.hpp"
#include "tarniq/parts.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

// Points as a float64 array of shape `leading` + (2,).
py::array_t<double> point_array(std::vector<py::ssize_t> leading, const std::vector<FlatPoint>& points) {
  leading.push_back(2);
  std::vector<double> values;
  values.reserve(2 * points.size());
  for (const FlatPoint& point : points) values.insert(values.end(), {point.x, point.y});
  return filled_array(leading, values);
}

py::tuple point_tuple(const FlatPoint& point) { return py::make_tuple(point.x, point.y); }

HornPanels panels(const Horn& horn, const MessageUnit& message_lengths) {
  return horn_panels(horn, message_lengths.scale());
}

FlatLayoutValue layout(const Horn& horn, const LayoutSettings& options) {
  FlatLayout flat;
  {
    const Horn copy = horn;  // copies taken with the GIL held: another thread may change the objects
    const LayoutSettings settings = options;
    py::gil_scoped_release unlocked;
    flat = flat_layout(copy, settings.library());
  }
  FlatLayoutValue value;
  for (const PlacedPanel& panel : flat.panels)
    value.panels.push_back({panel.kind, point_array({4}, {panel.corners.begin(), panel.corners.end()}),
                            point_tuple(panel.centre), panel.axis_angle_deg});
  std::vector<FlatPoint> tab_corners;
  for (const FlatTab& tab : flat.tabs) tab_corners.insert(tab_corners.end(), tab.corners.begin(), tab.corners.end());
  value.tabs = point_array({static_cast<py::ssize_t>(flat.tabs.size()), 4}, tab_corners);
  for (const auto& outline : flat.outlines)
    value.outlines.push_back(point_array({static_cast<py::ssize_t>(outline.size())}, outline));
  std::vector<FlatPoint> fold_ends;
  for (const FlatSegment& fold : flat.folds) fold_ends.insert(fold_ends.end(), {fold.from, fold.to});
  value.folds = point_array({static_cast<py::ssize_t>(flat.folds.size()), 2}, fold_ends);
  value.size = point_tuple(flat.size);
  return value;
}

FacetsValue solid(const Horn& horn, const SolidSettings& options) {
  std::vector<Facet> facets;
  {
    const Horn copy = horn;
    const SolidSettings settings = options;
    py::gil_scoped_release unlocked;
    facets = horn_solid(copy, settings.library());
  }
  const auto n = static_cast<py::ssize_t>(facets.size());
  py::array_t<double> normals({n, py::ssize_t{3}});
  py::array_t<double> vertices({n, py::ssize_t{3}, py::ssize_t{3}});
  double* normal = normals.mutable_data();
  double* vertex = vertices.mutable_data();
  for (const Facet& facet : facets) {
    for (const double coordinate : {facet.normal.x, facet.normal.y, facet.normal.z}) *normal++ = coordinate;
    for (const Vector3& corner : facet.vertices)
      for (const double coordinate : {corner.x, corner.y, corner.z}) *vertex++ = coordinate;
  }
  return {std::move(normals), std::move(vertices)};
}

constexpr const char* horn_raises = R"doc(ValueError
    For a horn that breaks the rules of Horn, or whose two planes need
    different axial lengths (more than 1e-6 of its largest length apart):
    no horn with one aperture has both flares.)doc";

std::string with_raises(const char* doc) {
  return py::str(doc).format("horn_raises"_a = horn_raises).cast<std::string>();
}

}  // namespace

void bind_parts(py::module_& m) {
  m.def("horn_panels", released(&panels), "horn"_a, py::arg_v("message_lengths", MessageUnit{}, "metres_scale"),
        with_raises(R"doc(The horn's four walls as flat trapezoids: what to cut.

Every panel is the horn's inner surface. The broad wall's short edge is the
waveguide width and its long edge the aperture width; the narrow wall's are
the waveguide height and the aperture height.

Parameters
----------
horn : Horn
message_lengths : LengthScale
    The unit error messages show lengths in.

Returns
-------
HornPanels
    Lengths in metres, angles in degrees.

Raises
------
{horn_raises}

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> broad = tarniq.horn_panels(horn).broad
>>> round(broad.long_edge, 4), round(broad.height, 4), round(broad.corner_angle_deg, 2)
(0.11, 0.203, 92.1)
)doc")
            .c_str());

  m.def("widest_tab", released(&widest_tab), "horn"_a,
        with_raises(R"doc(The widest glue or solder tab, m, that flat_layout accepts for the horn.

Each tab's ends are cut back at 45° (more where the wall it is glued to has
a sharper corner) and at least half its corner edge keeps the full width.

Parameters
----------
horn : Horn

Returns
-------
float
    Metres.

Raises
------
{horn_raises}

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.widest_tab(horn), 4)
0.0519
)doc")
            .c_str());

  m.def("flat_layout", &layout, "horn"_a, py::arg_v("options", LayoutSettings{}, "LayoutOptions()"),
        with_raises(R"doc(The panels laid out flat for cutting: separate pieces or one net that folds into the horn.

Parameters
----------
horn : Horn
options : LayoutOptions
    Separate or net, the tab width (m), the unit of error messages.

Returns
-------
FlatLayout
    Points in metres as float64 arrays of (x, y), y up, within
    [0, size[0]] × [0, size[1]].

Raises
------
{horn_raises}
    Also for a tab width negative, not finite or wider than widest_tab.
NoSolution
    For a net whose panels would overlap when laid flat (a short, wide
    horn): lay those out separately.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> net = tarniq.flat_layout(horn, tarniq.LayoutOptions(kind=tarniq.LayoutKind.net))
>>> len(net.panels), len(net.outlines), net.folds.shape, net.tabs.shape
(4, 1, (4, 2, 2), (1, 4, 2))
)doc")
            .c_str());

  m.def("thickest_wall", released(&thickest_wall), "horn"_a,
        with_raises(R"doc(The bound, m, that horn_solid's wall thickness must stay below.

The smallest of the aperture width, the aperture height and the axial
length.

Parameters
----------
horn : Horn

Returns
-------
float
    Metres.

Raises
------
{horn_raises}

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.thickest_wall(horn), 4)
0.08
)doc")
            .c_str());

  m.def("horn_solid", &solid, "horn"_a, py::arg_v("options", SolidSettings{}, "SolidOptions()"),
        with_raises(R"doc(The horn's walls as a closed, watertight surface of triangles, for a 3-D printer.

A ring open along the axis: inner surface, outer surface (the wall
thickness out from it, square to each wall), and flat ends at the aperture
and at the start of the throat (a straight waveguide section from
z = -throat_length). The axis is z, from the waveguide opening at 0 to the
aperture; broad walls lie across y, narrow walls across x.

Parameters
----------
horn : Horn
options : SolidOptions
    Wall thickness and throat length (m), the unit of error messages.

Returns
-------
Facets
    normals, (n, 3), outward and of unit length; vertices, (n, 3, 3),
    counterclockwise seen from outside; metres.

Raises
------
{horn_raises}
    Also for a wall thickness not positive or not below thickest_wall, a
    throat length negative or not finite.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> solid = tarniq.horn_solid(horn, tarniq.SolidOptions(wall_thickness=0.003))
>>> solid.normals.shape, solid.vertices.shape
((32, 3), (32, 3, 3))
)doc")
            .c_str());
}

}  // namespace tarniq::python
