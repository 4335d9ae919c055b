// Analysis of a horn: Fresnel integrals, gain, pattern cuts and beamwidths, over arrays of frequencies or angles.
#include "bindings.hpp"
#include "conversions.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/fresnel.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/table_method.hpp"
#include "tarniq/units.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

// What the analysis raises for its arguments, shared by the docs.
constexpr const char* analysis_raises = R"doc(Raises
------
ValueError
    For a bad horn, a frequency not positive and finite, or a horn outside
    the sizes the analysis computes (each aperture 1e-6 to 1e5 wavelengths,
    phase deviation at least 1e-12 wavelength).)doc";

std::string with_raises(const char* doc) {
  return py::str(doc).format("raises"_a = analysis_raises).cast<std::string>();
}

Mapped<false> pattern_cut_values(const Horn& horn, double frequency_hz, Plane plane, const Values& angles_deg) {
  const auto [values] = map_angles<1>(angles_deg, [horn, frequency_hz, plane](auto angles, auto out) {
    pattern_cut(horn, frequency_hz, plane, angles, out[0]);
  });
  return {values};
}

PatternCutValues pattern_cut_pair(const Horn& horn, double frequency_hz, const Values& angles_deg) {
  auto [e, h] = map_angles<2>(angles_deg, [horn, frequency_hz](auto angles, auto out) {
    pattern_cuts(horn, frequency_hz, angles, out[0], out[1]);
  });
  py::object angles =
      angles_deg.scalar ? py::object(py::float_(angles_deg.value)) : py::object(angles_deg.array.attr("copy")());
  return {angles, e, h};
}

}  // namespace

void bind_analysis(py::module_& m) {
  m.def(
      "fresnel",
      [](const Values& x) {
        auto [S, C] = map_values(x, [](double value) {
          const FresnelIntegrals f = tarniq::fresnel(value);
          return std::array<double, 2>{f.S, f.C};
        });
        return FresnelValues{std::move(S), std::move(C)};
      },
      "x"_a, R"doc(Fresnel integrals S(x) = ∫₀ˣ sin(π t²/2) dt and C(x) = ∫₀ˣ cos(π t²/2) dt.

To about 1e-15 absolute; both odd in x, tending to ±1/2 as x grows.

Parameters
----------
x : array_like

Returns
-------
FresnelIntegrals
    S and C: floats for one x, float64 arrays of its shape for an array.

Raises
------
ValueError
    For a value that is not finite.

Examples
--------
>>> f = tarniq.fresnel([0.0, 1.0])
>>> f.S.round(6), f.C.round(6)
(array([0.      , 0.438259]), array([0.      , 0.779893]))
)doc");

  m.def(
      "wavelength", [](const Values& frequency_hz) { return map_value(frequency_hz, &tarniq::wavelength); },
      "frequency_hz"_a, R"doc(Free-space wavelength, m, at a frequency, Hz: c/f.

Examples
--------
>>> tarniq.wavelength(10e9)
0.0299792458
)doc");

  m.def(
      "gain_ratio",
      [](const Horn& horn, const Values& frequency_hz) {
        return map_value(frequency_hz, [horn](double f) { return tarniq::gain_ratio(horn, f); });
      },
      "horn"_a, "frequency_hz"_a,
      with_raises(R"doc(Boresight gain of the horn as a power ratio (see gain_dbi).

Parameters
----------
horn : Horn
frequency_hz : array_like
    Frequency or frequencies, Hz.

Returns
-------
float or numpy.ndarray
    A float64 array of frequency_hz's shape for an array.

{raises}

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.gain_ratio(horn, 10e9), 2)
89.31
)doc")
          .c_str());

  m.def(
      "gain_dbi",
      [](const Horn& horn, const Values& frequency_hz) {
        return map_value(frequency_hz, [horn](double f) { return tarniq::gain_dbi(horn, f); });
      },
      "horn"_a, "frequency_hz"_a,
      with_raises(R"doc(Boresight gain of the horn, dBi.

The closed form in Fresnel integrals of the aperture with uniform amplitude
in the E plane, cosine amplitude in the H plane and quadratic phase in both;
no losses.

Parameters
----------
horn : Horn
frequency_hz : array_like
    Frequency or frequencies, Hz.

Returns
-------
float or numpy.ndarray
    dBi; a float64 array of frequency_hz's shape for an array.

{raises}

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> tarniq.gain_dbi(horn, [9e9, 10e9, 11e9]).round(3)
array([18.685, 19.509, 20.236])
)doc")
          .c_str());

  m.def("pattern_cut", &pattern_cut_values, "horn"_a, "frequency_hz"_a, "plane"_a, "angles_deg"_a,
        with_raises(R"doc(Directivity, dBi, of one principal-plane cut at each angle.

The aperture field is uniform across the E plane and cosine-tapered across
the H plane, with quadratic phase, times the obliquity factor (1 + cos θ)/2;
the value at θ is the boresight gain plus 20·log10|F(θ)/F(0)|. Aperture
theory is trusted only to about ±90°. At ±180° the field vanishes: -inf.
Angles symmetric about 0 exactly (angles[i] == -angles[-1 - i], as
np.arange(-n, n + 1) * step gives; np.linspace rounds so that most are
not) cost half as much.

Parameters
----------
horn : Horn
frequency_hz : float
    Hz.
plane : Plane
angles_deg : array_like
    Angles off boresight, degrees, -180 to 180.

Returns
-------
float or numpy.ndarray
    dBi; a float64 array of angles_deg's shape for an array.

{raises} Also for an angle outside [-180, 180] or not finite.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> tarniq.pattern_cut(horn, 10e9, tarniq.Plane.e, [0, 10, 20]).round(2)
array([19.51, 16.2 ,  4.04])
)doc")
            .c_str());

  m.def("pattern_cuts", &pattern_cut_pair, "horn"_a, "frequency_hz"_a, "angles_deg"_a,
        with_raises(R"doc(Both principal-plane cuts at the same angles (see pattern_cut).

Parameters
----------
horn : Horn
frequency_hz : float
    Hz.
angles_deg : array_like
    Angles off boresight, degrees, -180 to 180.

Returns
-------
PatternCuts
    angles_deg, e_plane_dbi and h_plane_dbi: float64 arrays of angles_deg's
    shape (floats for one angle).

{raises} Also for an angle outside [-180, 180] or not finite.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> cuts = tarniq.pattern_cuts(horn, 10e9, [0, 10, 20])
>>> cuts.h_plane_dbi.round(2)
array([19.51, 16.19,  6.11])
)doc")
            .c_str());

  m.def(
      "beamwidth",
      [](const Horn& horn, const Values& frequency_hz, Plane plane, double level_db) {
        return map_value(
            frequency_hz, [horn, plane, level_db](double f) { return tarniq::beamwidth(horn, f, plane, level_db); },
            heavy_work);
      },
      "horn"_a, "frequency_hz"_a, "plane"_a, "level_db"_a,
      with_raises(R"doc(Full beamwidth, degrees, of one cut at level_db below the cut's maximum.

Twice the angle at which the pattern, going outward from its maximum (which
lies off boresight when the phase error is large), first falls level_db
below it, within ±90°; found on the pattern of pattern_cut to 0.001°.

Parameters
----------
horn : Horn
frequency_hz : array_like
    Frequency or frequencies, Hz.
plane : Plane
level_db : float
    dB below the maximum, exactly as given: half_power_db (3.01) for half power.

Returns
-------
float, None or numpy.ndarray
    Degrees; None (NaN in an array) where the cut never falls that far
    within ±90°; a float64 array of frequency_hz's shape for an array.

{raises} Also for a level not positive and finite.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.beamwidth(horn, 10e9, tarniq.Plane.e, tarniq.half_power_db), 3)
19.134
)doc")
          .c_str());

  m.def(
      "beamwidths",
      [](const Horn& horn, const Values& frequency_hz, double level_db) {
        auto [e, h] = map_values(
            frequency_hz,
            [horn, level_db](double f) {
              const Beamwidths widths = tarniq::beamwidths(horn, f, level_db);
              return std::array<std::optional<double>, 2>{widths.e_plane, widths.h_plane};
            },
            heavy_work);
        return BeamwidthValues{std::move(e), std::move(h)};
      },
      "horn"_a, "frequency_hz"_a, "level_db"_a,
      with_raises(R"doc(Full beamwidths of both planes at level_db below each cut's maximum (see beamwidth).

Parameters
----------
horn : Horn
frequency_hz : array_like
    Frequency or frequencies, Hz.
level_db : float
    dB below the maximum, exactly as given: half_power_db (3.01) for half power.

Returns
-------
Beamwidths
    e_plane and h_plane, degrees: floats or None for one frequency, float64
    arrays of frequency_hz's shape (NaN for none) for an array.

{raises} Also for a level not positive and finite.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> widths = tarniq.beamwidths(horn, [9e9, 11e9], 10.0)
>>> widths.e_plane.round(2), widths.h_plane.round(2)
(array([36.36, 30.06]), array([37.59, 31.61]))
)doc")
          .c_str());

  m.def(
      "table_beamwidth",
      [](const Horn& horn, const Values& frequency_hz, Plane plane, double level_db) {
        return map_value(frequency_hz, [horn, plane, level_db](double f) {
          return tarniq::table_beamwidth(horn, f, plane, level_db);
        });
      },
      "horn"_a, "frequency_hz"_a, "plane"_a, "level_db"_a,
      R"doc(The beamwidth, degrees, that the interactive program's frequency response gives for this horn.

The universal beamwidth table read at the plane's phase deviation,
corrected for the obliquity factor, in single precision. Past the table
(0.46 wavelength E plane, 1.00 H plane) the values are extrapolated; a
negative 10 dB value is the program's estimate from a fitted pattern (its
magnitude is the estimate).

Parameters
----------
horn : Horn
frequency_hz : array_like
    Frequency or frequencies, Hz.
plane : Plane
level_db : float
    A table level: 0.5, 1, 2, 3.01 or 10 dB (is_table_level).

Returns
-------
float, None or numpy.ndarray
    Degrees; None (NaN in an array) where the program has no number.

Raises
------
ValueError
    For a bad horn, a frequency not positive and finite, a level the table
    does not have, or a size beyond single precision in inches or GHz.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.table_beamwidth(horn, 10e9, tarniq.Plane.h, 3.01), 1)
19.1
)doc");

  m.def("is_table_level", released(&is_table_level), "level_db"_a,
        R"doc(Whether the universal table has this level: 0.5, 1, 2, 3.01 (half power) or 10 dB.

Compared in the table's single precision: 10.0000001 is 10 dB, 3 is not 3.01.

Examples
--------
>>> tarniq.is_table_level(3.01), tarniq.is_table_level(3.0)
(True, False)
)doc");
}

}  // namespace tarniq::python
