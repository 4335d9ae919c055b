// A horn or a tabulated pattern feeding a front-fed dish, and horns designed to feed one (dish.hpp, feed_design.hpp).
#include "bindings.hpp"
#include "conversions.hpp"
#include "result_values.hpp"
#include "tarniq/dish.hpp"
#include "tarniq/feed_design.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

DishIlluminationValues horn_illumination(const Horn& horn, double frequency_hz, const Values& edge_angles_deg,
                                         const FeedPosition& position) {
  const Horn feed = horn;  // copies taken with the GIL held: another thread may change the objects
  const FeedPosition at = position;
  std::vector<DishIllumination> rows;
  {
    py::gil_scoped_release unlocked;
    rows = dish_illumination(feed, frequency_hz, edge_angles_deg.span(), at);
  }
  return illumination_values(rows, edge_angles_deg.scalar, edge_angles_deg.scalar ? std::vector<py::ssize_t>{}
                                                                                  : edge_angles_deg.shape());
}

DishIlluminationValues pattern_illumination(const TabulatedFeed& feed, const Values& edge_angles_deg,
                                            const FeedPosition& position) {
  const TabulatedFeed pattern = feed;
  const FeedPosition at = position;
  std::vector<DishIllumination> rows;
  {
    py::gil_scoped_release unlocked;
    rows = dish_illumination(pattern, edge_angles_deg.span(), at);
  }
  return illumination_values(rows, edge_angles_deg.scalar, edge_angles_deg.scalar ? std::vector<py::ssize_t>{}
                                                                                  : edge_angles_deg.shape());
}

FeedDesignValue feed(const FeedPrescription& prescription, const MessageUnit& message_lengths) {
  FeedDesign designed;
  {
    const FeedPrescription wanted = prescription;  // copies taken with the GIL held
    const MessageUnit unit = message_lengths;
    py::gil_scoped_release unlocked;
    designed = design_feed(wanted, unit.scale());
  }
  return feed_design_value(designed);
}

FeedDesignValue best_feed(const FeedPrescription& prescription, FeedSearch search, const MessageUnit& message_lengths) {
  FeedDesign designed;
  {
    const FeedPrescription wanted = prescription;  // copies taken with the GIL held
    const MessageUnit unit = message_lengths;
    py::gil_scoped_release unlocked;
    designed = design_best_feed(wanted, search, unit.scale());
  }
  return feed_design_value(designed);
}

constexpr const char* feed_raises = R"doc(Raises
------
ValueError
    For an edge angle outside (0, 90] degrees, an edge taper, phase
    deviation, frequency or waveguide size not positive and finite.
NoSolution
    When no horn meets the prescription{no_solution}.
SearchFailed
    When a search for the design stops without an answer either way.)doc";

std::string feed_text(const char* doc, const char* no_solution) {
  const std::string raises = py::str(feed_raises).format("no_solution"_a = no_solution).cast<std::string>();
  return py::str(doc).format("raises"_a = raises).cast<std::string>();
}

}  // namespace

void bind_feeds(py::module_& m) {
  m.def(
      "dish_edge_angle_deg",
      [](const Values& f_over_d) { return map_value(f_over_d, [](double ratio) { return dish_edge_angle_deg(ratio); }); },
      "f_over_d"_a, R"doc(The half-angle, degrees, that a dish of focal length f and diameter D subtends at its focus.

tan(θ0/2) = 1/(4·f/D); dish_f_over_d is the inverse.

Parameters
----------
f_over_d : array_like
    Focal length over diameter, positive.

Returns
-------
float or numpy.ndarray
    Degrees, within (0, 180); a float64 array of f_over_d's shape for an
    array.

Raises
------
ValueError
    For an f/D not positive and finite.

Examples
--------
>>> tarniq.dish_edge_angle_deg([0.25, 0.4]).round(2)
array([90.  , 64.01])
)doc");

  m.def(
      "dish_f_over_d",
      [](const Values& edge_angle_deg) {
        return map_value(edge_angle_deg, [](double angle) { return dish_f_over_d(angle); });
      },
      "edge_angle_deg"_a, R"doc(The f/D of the dish whose edge is edge_angle_deg degrees off the axis at its focus.

The inverse of dish_edge_angle_deg.

Parameters
----------
edge_angle_deg : array_like
    The dish's half-angle at its focus, degrees, within (0, 180).

Returns
-------
float or numpy.ndarray
    f/D; a float64 array of edge_angle_deg's shape for an array.

Raises
------
ValueError
    For an edge angle outside (0, 180) degrees.

Examples
--------
>>> round(tarniq.dish_f_over_d(90.0), 6)
0.25
)doc");

  const auto default_position = py::arg_v("position", FeedPosition{}, "FeedPosition()");
  m.def("dish_illumination", &horn_illumination, "horn"_a, "frequency_hz"_a, "edge_angles_deg"_a, default_position,
        R"doc(How a horn (or a tabulated feed) lights front-fed dishes of the given edge angles.

The horn's full far field (far_field) integrated over the sphere: the
aperture efficiency and its factors, spillover, taper, phase and
polarization, with the edge tapers and the space loss. The feed's common
phase centre (phase_center at 10 dB; for a tabulated feed the same fit over
its angles and phases) sits at the focus, or moved by position.offset.
Called as dish_illumination(feed, edge_angles_deg, position) with a
TabulatedFeed, the feed is its two cuts, the field elsewhere following from
them as for a body-of-revolution feed.

Parameters
----------
horn : Horn
frequency_hz : float
    Hz.
edge_angles_deg : array_like
    The dishes' half-angles at their focus, degrees, within (0, 180)
    (dish_edge_angle_deg gives them from f/D).
position : FeedPosition

Returns
-------
DishIllumination
    Floats for one edge angle, float64 arrays of its shape for an array.

Raises
------
ValueError
    For a bad horn or frequency, a horn too large to be a feed (a plane's
    aperture in wavelengths plus four times its phase deviation over 60),
    an edge angle outside (0, 180) or an offset not finite; for a
    tabulated feed, a pattern that breaks the rules of TabulatedFeed, or an
    offset other than 0 without a positive frequency.

Examples
--------
>>> horn = tarniq.make_horn(0.031, 0.023, 0.023, tarniq.find_waveguide("WR-90"))
>>> dish = tarniq.dish_illumination(horn, 10e9, tarniq.dish_edge_angle_deg([0.3, 0.4, 0.5]))
>>> dish.aperture.round(3), dish.spillover.round(3)
(array([0.635, 0.707, 0.699]), array([0.925, 0.86 , 0.776]))
)doc");

  m.def("dish_illumination", &pattern_illumination, "feed"_a, "edge_angles_deg"_a, default_position,
        R"doc(The same for a feed known by its two principal-plane cuts (TabulatedFeed).

Examples
--------
>>> angles = np.arange(0.0, 181.0, 5.0)
>>> cut = -12.0 * (angles / 60.0) ** 2  # dB: 12 dB down at 60 degrees
>>> feed = tarniq.TabulatedFeed(angles_deg=angles, e_plane_db=cut, h_plane_db=cut)
>>> round(tarniq.dish_illumination(feed, 60.0).aperture, 3)
0.768
)doc");

  const auto default_unit = py::arg_v("message_lengths", MessageUnit{}, "metres_scale");
  m.def("design_feed", &feed, "prescription"_a, default_unit,
        feed_text(R"doc(The horn that feeds a dish: both beamwidths at the edge taper equal to the dish's 2·θ0.

A pattern-method rectangular horn (design_rectangular) at the
prescription's phase deviation, with how it lights the dish with its common
phase centre at the focus.

Parameters
----------
prescription : FeedPrescription
message_lengths : LengthScale
    The unit error messages show lengths in.

Returns
-------
FeedDesign
    Lengths in metres.

{raises}

Examples
--------
>>> prescription = tarniq.FeedPrescription(edge_angle_deg=tarniq.dish_edge_angle_deg(0.6), phase_deviation=0.3,
...                                        frequency_hz=10e9, feed=tarniq.find_waveguide("WR-90"))
>>> feed = tarniq.design_feed(prescription)
>>> round(feed.design.horn.aperture_width, 4), round(feed.dish.aperture, 3)
(0.0409, 0.531)
)doc",
                  " at that phase deviation")
            .c_str());

  m.def("design_best_feed", &best_feed, "prescription"_a, "search"_a, default_unit,
        feed_text(R"doc(The dish feed of highest aperture efficiency.

S searched from 0.05 to 1 wavelength (with FeedSearch.phase_deviation_and_edge_taper
also the edge taper, from 4 to 24 dB), to about 0.002 in S and 0.05 dB in
taper; designs that do not exist are skipped. The prescription's phase
deviation (and edge taper) are not used.

Parameters
----------
prescription : FeedPrescription
search : FeedSearch
    What is searched.
message_lengths : LengthScale
    The unit error messages show lengths in.

Returns
-------
FeedDesign
    Lengths in metres.

{raises}

Examples
--------
>>> prescription = tarniq.FeedPrescription(edge_angle_deg=tarniq.dish_edge_angle_deg(0.4), frequency_hz=10e9,
...                                        feed=tarniq.find_waveguide("WR-90"))
>>> best = tarniq.design_best_feed(prescription, tarniq.FeedSearch.phase_deviation)
>>> round(best.phase_deviation, 2), round(best.dish.aperture, 3)
(0.05, 0.706)
)doc",
                  " at any phase deviation (and edge taper) of the search")
            .c_str());
}

}  // namespace tarniq::python
