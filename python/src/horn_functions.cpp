// A horn's geometry: making one, its lengths per plane, its phase deviation over frequency (tarniq/horn.hpp).
#include "bindings.hpp"
#include "conversions.hpp"
#include "tarniq/horn.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

// The doc of a per-plane length: what it is, its formula, and an example value.
std::string plane_length_doc(const char* name, const char* what, const char* example) {
  return py::str(R"doc({what}

Parameters
----------
horn : Horn
plane : Plane

Returns
-------
float
    Metres.

Raises
------
ValueError
    For a horn that breaks the rules of Horn.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.{name}(horn, tarniq.Plane.h), 5)
{example}
)doc")
      .format("name"_a = name, "what"_a = what, "example"_a = example)
      .cast<std::string>();
}

}  // namespace

void bind_horns(py::module_& m) {
  m.def("make_horn", released(&make_horn), "aperture_width"_a, "aperture_height"_a, "axial_length"_a, "feed"_a,
        R"doc(The horn whose two planes widen from the feed to the aperture over one axial length.

Each slant radius is √(L² + ((A - w)/2)²) · A/(A - w).

Parameters
----------
aperture_width, aperture_height : float
    Aperture width (H plane) and height (E plane), m.
axial_length : float
    From the waveguide to the aperture, m.
feed : Waveguide

Returns
-------
Horn

Raises
------
ValueError
    When a length is not positive and finite or an aperture is not larger
    than its waveguide dimension; the message names the quantity and value.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(horn.h_slant_radius, 5), round(horn.e_slant_radius, 5)
(0.25839, 0.23256)
)doc");

  m.def("make_horn_from_slant_radii", released(&make_horn_from_slant_radii), "aperture_width"_a, "aperture_height"_a,
        "h_slant_radius"_a, "e_slant_radius"_a, "feed"_a,
        R"doc(The horn given by its slant radii; its planes may then need different axial lengths.

Parameters
----------
aperture_width, aperture_height : float
    Aperture width (H plane) and height (E plane), m.
h_slant_radius, e_slant_radius : float
    Slant radii, flare apex to aperture edge, m.
feed : Waveguide

Returns
-------
Horn

Raises
------
ValueError
    For a horn that breaks the rules of Horn.

Examples
--------
>>> horn = tarniq.make_horn_from_slant_radii(0.11, 0.08, 0.25, 0.25, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.axial_length(horn, tarniq.Plane.e) - tarniq.axial_length(horn, tarniq.Plane.h), 5)
0.02224
)doc");

  m.def("check_horn", released(&check_horn), "horn"_a, R"doc(Checks a horn against the rules of Horn.

Raises
------
ValueError
    When a length is not positive and finite, an aperture is not larger
    than its waveguide dimension, or a slant radius is not longer than half
    its aperture.

Examples
--------
>>> tarniq.check_horn(tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90")))
)doc");

  m.def("aperture", released(&aperture), "horn"_a, "plane"_a,
        plane_length_doc("aperture", "Aperture dimension of one plane: the width (H) or the height (E).", "0.11")
            .c_str());
  m.def("slant_radius", released(&slant_radius), "horn"_a, "plane"_a,
        plane_length_doc("slant_radius", "Slant radius of one plane, from its flare apex to the aperture edge.",
                         "0.25839")
            .c_str());
  m.def("waveguide_dimension", released(&waveguide_dimension), "horn"_a, "plane"_a,
        plane_length_doc("waveguide_dimension", "The feed's dimension in one plane: its width (H) or height (E).",
                         "0.02286")
            .c_str());
  m.def("axial_length", released(&axial_length), "horn"_a, "plane"_a,
        plane_length_doc("axial_length",
                         "Axial length of one plane's flare, waveguide to aperture: (A - w)/A · √(R² - A²/4).", "0.2")
            .c_str());
  m.def("side_wall_length", released(&side_wall_length), "horn"_a, "plane"_a,
        plane_length_doc("side_wall_length",
                         "Length of one plane's side wall, waveguide edge to aperture edge, what a builder cuts: "
                         "R·(A - w)/A.",
                         "0.20469")
            .c_str());

  m.def(
      "phase_deviation",
      [](const Horn& horn, Plane plane, const Values& frequency_hz) {
        return map_value(frequency_hz, [horn, plane](double f) { return phase_deviation(horn, plane, f); });
      },
      "horn"_a, "plane"_a, "frequency_hz"_a,
      R"doc(Aperture phase deviation of one plane, wavelengths: A²/(8·λ·R), the path difference between aperture edge and centre.

Parameters
----------
horn : Horn
plane : Plane
frequency_hz : array_like
    Frequency or frequencies, Hz.

Returns
-------
float or numpy.ndarray
    Wavelengths; a float64 array of frequency_hz's shape for an array.

Raises
------
ValueError
    For a bad horn or a frequency not positive and finite.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> tarniq.phase_deviation(horn, tarniq.Plane.e, [8e9, 10e9, 12e9]).round(4)
array([0.0918, 0.1147, 0.1377])
)doc");
}

}  // namespace tarniq::python
