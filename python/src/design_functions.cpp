// Designs for beamwidths and for gain, and the warnings about a horn (design.hpp, gain_design.hpp, warnings.hpp).
#include "bindings.hpp"
#include "conversions.hpp"
#include "tarniq/design.hpp"
#include "tarniq/gain_design.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

HornDesign rectangular(const RectangularPrescription& prescription, const DesignSettings& options) {
  return design_rectangular(prescription, options.library());
}

HornDesign square(const SquarePrescription& prescription, const DesignSettings& options) {
  return design_square(prescription, options.library());
}

HornDesign classical(double gain, double frequency_hz, const Waveguide& feed, const MessageUnit& message_lengths) {
  return classical_gain_horn(gain, frequency_hz, feed, message_lengths.scale());
}

HornDesign for_gain(double gain, double frequency_hz, const Waveguide& feed, const MessageUnit& message_lengths) {
  return design_for_gain(gain, frequency_hz, feed, message_lengths.scale());
}

std::vector<Warning> warnings_of(const Horn& horn, double frequency_hz, const WarningSettings& options) {
  return horn_warnings(horn, frequency_hz, options.library());
}

constexpr const char* design_raises = R"doc(Raises
------
ValueError
    For a beamwidth outside (0, 180) degrees, a level, phase deviation,
    frequency or waveguide size not positive and finite, a table-method
    level other than 0.5, 1, 2, 3.01 or 10 dB, or a square horn on a
    waveguide that is not square.
NoSolution
    When no horn meets the prescription at that phase deviation.
SearchFailed
    When a search for the design stops without an answer either way.)doc";

constexpr const char* gain_raises = R"doc(Raises
------
ValueError
    For a gain not finite, a frequency or waveguide size not positive and
    finite.
NoSolution
    When the aperture that gain needs is not larger than the waveguide.)doc";

std::string with_raises(const char* doc, const char* raises) {
  return py::str(doc).format("raises"_a = raises).cast<std::string>();
}

}  // namespace

void bind_designs(py::module_& m) {
  const auto default_design = py::arg_v("options", DesignSettings{}, "DesignOptions()");
  const auto default_unit = py::arg_v("message_lengths", MessageUnit{}, "metres_scale");

  m.def("design_rectangular", released(&rectangular), "prescription"_a, default_design,
        with_raises(R"doc(A rectangular horn designed to prescribed beamwidths.

The pattern method (default) gives a horn whose pattern-true beamwidths
(beamwidth()) equal the prescription to 0.01°; its phase deviation S belongs
to the plane with the larger aperture. The table method gives the
interactive program's design.

Parameters
----------
prescription : RectangularPrescription
options : DesignOptions
    The method, and the unit error messages show lengths in.

Returns
-------
HornDesign
    Lengths in metres.

{raises}

Examples
--------
>>> wr90 = tarniq.find_waveguide("WR-90")
>>> prescription = tarniq.RectangularPrescription(e_beamwidth_deg=30, h_beamwidth_deg=20,
...                                               frequency_hz=10e9, feed=wr90)
>>> design = tarniq.design_rectangular(prescription)
>>> round(design.horn.aperture_width, 5), design.s_plane
(0.10718, Plane.h)
)doc",
                    design_raises)
            .c_str());

  m.def("design_square", released(&square), "prescription"_a, default_design,
        with_raises(R"doc(A square horn on a square waveguide designed to a prescribed beamwidth.

Parameters
----------
prescription : SquarePrescription
options : DesignOptions
    The method, and the unit error messages show lengths in.

Returns
-------
HornDesign
    Lengths in metres; aperture width equals height.

{raises}

Examples
--------
>>> guide = tarniq.Waveguide(width=0.02286, height=0.02286)
>>> design = tarniq.design_square(tarniq.SquarePrescription(beamwidth_deg=20, frequency_hz=10e9, feed=guide))
>>> round(design.horn.aperture_width, 4) == round(design.horn.aperture_height, 4)
True
)doc",
                    design_raises)
            .c_str());

  m.def("classical_gain_horn", released(&classical), "gain_dbi"_a, "frequency_hz"_a, "feed"_a, default_unit,
        with_raises(R"doc(The classical optimum-gain horn for a gain.

E-plane flare at phase deviation 1/4, H-plane flare at 3/8, aperture
efficiency 0.51 (G = 0.51·4π·AH·AE/λ²), one axial length for both planes.
Its gain (gain_dbi) is near the request, not equal: see design_for_gain.

Parameters
----------
gain_dbi : float
    dBi.
frequency_hz : float
    Hz.
feed : Waveguide
message_lengths : LengthScale
    The unit error messages show lengths in.

Returns
-------
HornDesign
    Lengths in metres; s_plane is the E plane.

{raises}

Examples
--------
>>> design = tarniq.classical_gain_horn(20, 10e9, tarniq.find_waveguide("WR-90"))
>>> round(design.axial_length, 4)
0.157
)doc",
                    gain_raises)
            .c_str());

  m.def("design_for_gain", released(&for_gain), "gain_dbi"_a, "frequency_hz"_a, "feed"_a, default_unit,
        with_raises(R"doc(The optimum-gain horn whose gain equals the request to 0.01 dB.

The classical horn (classical_gain_horn) refined, keeping the phase
deviations 1/4 and 3/8 and one axial length.

Parameters
----------
gain_dbi : float
    dBi.
frequency_hz : float
    Hz.
feed : Waveguide
message_lengths : LengthScale
    The unit error messages show lengths in.

Returns
-------
HornDesign
    Lengths in metres; s_plane is the E plane.

{raises}
SearchFailed
    When the refinement does not settle.

Examples
--------
>>> design = tarniq.design_for_gain(20, 10e9, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.gain_dbi(design.horn, 10e9), 2)
20.0
)doc",
                    gain_raises)
            .c_str());

  m.def("horn_warnings", released(&warnings_of), "horn"_a, "frequency_hz"_a,
        py::arg_v("options", WarningSettings{}, "WarningOptions()"),
        R"doc(Plain-language warnings about the horn at a frequency: where the model or the feed stops holding.

Cutoff and overmoding of the feed, a standard feed's band, small apertures,
unequal axial lengths; with the table method, phase deviations past the
table's range. Messages show lengths in options.message_lengths and
frequencies in GHz.

Parameters
----------
horn : Horn
frequency_hz : float
    Hz.
options : WarningOptions

Returns
-------
list of Warning
    Empty when all is well.

Raises
------
ValueError
    For a bad horn or frequency.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> [warning.code for warning in tarniq.horn_warnings(horn, 13e9)]
[WarningCode.outside_band]
)doc");
}

}  // namespace tarniq::python
