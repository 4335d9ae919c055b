// The horn's full far field, its phase centre and its gain at a finite distance (far_field.hpp,
// phase_center.hpp, gain_at_distance.hpp).
#include "bindings.hpp"
#include "conversions.hpp"
#include "result_values.hpp"
#include "tarniq/far_field.hpp"
#include "tarniq/gain_at_distance.hpp"
#include "tarniq/phase_center.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

FarFieldValues field_at(const Horn& horn, double frequency_hz, const Values& theta_deg, const Values& phi_deg) {
  auto [co, cross] = map_pairs(theta_deg, phi_deg, [horn, frequency_hz](double theta, double phi) {
    const FarField field = far_field(horn, frequency_hz, theta, phi);
    return std::array{field.co, field.cross};
  });
  return {std::move(co), std::move(cross)};
}

FarFieldValues field_grid(const Horn& horn, double frequency_hz, const Values& theta_deg, const Values& phi_deg) {
  const std::span<const double> thetas = theta_deg.span();
  const std::span<const double> phis = phi_deg.span();
  const std::vector<py::ssize_t> shape{static_cast<py::ssize_t>(thetas.size()), static_cast<py::ssize_t>(phis.size())};
  py::array_t<std::complex<double>> co(shape);
  py::array_t<std::complex<double>> cross(shape);
  std::complex<double>* co_out = co.mutable_data();
  std::complex<double>* cross_out = cross.mutable_data();
  const Horn copy = horn;  // taken with the GIL held: another thread may change the object
  {
    py::gil_scoped_release unlocked;
    const std::vector<FarField> fields = far_field_grid(copy, frequency_hz, thetas, phis);
    for (std::size_t k = 0; k < fields.size(); ++k) {
      co_out[k] = fields[k].co;
      cross_out[k] = fields[k].cross;
    }
  }
  return {std::move(co), std::move(cross)};
}

PhaseCenterValues centres(const Horn& horn, const Values& frequency_hz, double level_db) {
  auto [e, h, common] = map_values(
      frequency_hz,
      [horn, level_db](double f) {
        const PhaseCenter center = phase_center(horn, f, level_db);
        return std::array{center.e_plane, center.h_plane, center.common};
      },
      heavy_work);
  return {std::move(e), std::move(h), std::move(common)};
}

constexpr const char* field_raises = R"doc(Raises
------
ValueError
    For a bad horn, a frequency not positive and finite, a horn outside the
    sizes the analysis computes, a θ outside [-180, 180] or not finite, a φ
    not finite, or θ and φ arrays whose shapes do not broadcast.)doc";

std::string with_raises(const char* doc, const char* raises) {
  return py::str(doc).format("raises"_a = raises).cast<std::string>();
}

constexpr const char* distance_doc = R"doc({what}

What a small receiving antenna on the axis at distance_m from the aperture
plane measures: 4π·r²·S(r)/P, below the far-field gain at a few aperture
sizes and tending to it as the distance grows. Each slant radius R of the
closed form becomes R·r/(R + r) (the Fresnel approximation on the axis);
within 0.02 dB of a direct integration from about five aperture diagonals
on, 0.15 dB at one.

Parameters
----------
horn : Horn
frequency_hz : array_like
    Frequency or frequencies, Hz.
distance_m : array_like
    Distance or distances from the aperture plane, m; broadcast against
    frequency_hz.

Returns
-------
float or numpy.ndarray
    {unit}; a float64 array of the broadcast shape for arrays.

Raises
------
ValueError
    For a bad horn, a frequency or distance not positive and finite, or
    shapes that do not broadcast.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> tarniq.{name}(horn, 10e9, [0.5, 2.0, 10.0]).round({digits})
{example}
)doc";

std::string distance_text(const char* name, const char* what, const char* unit, const char* digits,
                          const char* example) {
  return py::str(distance_doc)
      .format("name"_a = name, "what"_a = what, "unit"_a = unit, "digits"_a = digits, "example"_a = example)
      .cast<std::string>();
}

}  // namespace

void bind_fields(py::module_& m) {
  m.def("far_field", &field_at, "horn"_a, "frequency_hz"_a, "theta_deg"_a, "phi_deg"_a,
        with_raises(R"doc(The complete far field of the horn's aperture in any direction: co- and cross-polar, with phase.

The aperture model of pattern_cut; scaled so that |co|² + |cross|² is the
directivity as a power ratio, so 20·log10|co| at φ = 0° and 90° is
pattern_cut's H- and E-plane value. The phase is referred to the centre of
the aperture (time as e^(jωt)). Polarisation by Ludwig's third definition,
reference along the E plane; this model radiates no cross-polar field, so
cross is exactly zero.

Parameters
----------
horn : Horn
frequency_hz : float
    Hz.
theta_deg : array_like
    Angles off boresight, degrees, -180 to 180 (a negative θ is the
    direction (-θ, φ + 180°)).
phi_deg : array_like
    Angles from the H plane toward the E plane, degrees; broadcast against
    theta_deg.

Returns
-------
FarField
    co and cross: complex numbers for one direction, complex128 arrays of
    the broadcast shape for arrays.

{raises}

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> field = tarniq.far_field(horn, 10e9, [0.0, 10.0], 90.0)
>>> (20 * np.log10(abs(field.co))).round(2), field.cross
(array([19.51, 16.2 ]), array([0.+0.j, 0.+0.j]))
)doc",
                    field_raises)
            .c_str());

  m.def("far_field_grid", &field_grid, "horn"_a, "frequency_hz"_a, "theta_deg"_a, "phi_deg"_a,
        with_raises(R"doc(The far field (see far_field) at every pair of the θ and φ angles.

Parameters
----------
horn : Horn
frequency_hz : float
    Hz.
theta_deg : array_like
    Angles off boresight, degrees, -180 to 180; flattened, as numpy.outer
    does.
phi_deg : array_like
    Angles from the H plane toward the E plane, degrees; flattened.

Returns
-------
FarField
    co and cross: complex128 arrays of shape (theta_deg.size, phi_deg.size),
    [i, j] at (theta_deg[i], phi_deg[j]).

{raises}

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> field = tarniq.far_field_grid(horn, 10e9, [0, 10, 20], [0, 45, 90])
>>> field.co.shape, (20 * np.log10(abs(field.co[1]))).round(2)
((3, 3), array([16.19, 16.28, 16.2 ]))
)doc",
                    field_raises)
            .c_str());

  m.def("phase_center", &centres, "horn"_a, "frequency_hz"_a, "level_db"_a = 10.0,
        R"doc(The phase centre of each principal-plane cut, and of both: where to put a dish's focus.

Distances, metres, from the aperture plane back along the axis toward the
apex: for each cut the distance d from which the far-field phase (moved
there, Φ + k·d·cos θ) is most nearly constant in the least-squares sense,
each angle out to half the cut's beamwidth at level_db weighted by the
cut's power; common is the same fit over both cuts at once. 0 for an
aperture in phase; it moves toward the apex as the phase deviation grows.

Parameters
----------
horn : Horn
frequency_hz : array_like
    Frequency or frequencies, Hz.
level_db : float
    The fit takes the angles within this level of each cut's maximum, dB.

Returns
-------
PhaseCenter
    e_plane, h_plane and common, m: floats for one frequency, float64 arrays
    of frequency_hz's shape for an array.

Raises
------
ValueError
    For a bad horn, a frequency not positive and finite, or a level not
    positive and finite.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> center = tarniq.phase_center(horn, [8e9, 12e9])
>>> center.e_plane.round(4), center.h_plane.round(4)
(array([0.0216, 0.0502]), array([0.0293, 0.0657]))
)doc");

  m.def(
      "gain_at_distance_ratio",
      [](const Horn& horn, const Values& frequency_hz, const Values& distance_m) {
        return map_pair(frequency_hz, distance_m,
                        [horn](double f, double r) { return gain_at_distance_ratio(horn, f, r); });
      },
      "horn"_a, "frequency_hz"_a, "distance_m"_a,
      distance_text("gain_at_distance_ratio", "The on-axis gain measured at a finite distance, as a power ratio.",
                    "Power ratio", "1", "array([78. , 86.8, 88.8])")
          .c_str());

  m.def(
      "gain_at_distance_dbi",
      [](const Horn& horn, const Values& frequency_hz, const Values& distance_m) {
        return map_pair(frequency_hz, distance_m,
                        [horn](double f, double r) { return gain_at_distance_dbi(horn, f, r); });
      },
      "horn"_a, "frequency_hz"_a, "distance_m"_a,
      distance_text("gain_at_distance_dbi", "The on-axis gain measured at a finite distance, dBi.", "dBi", "2",
                    "array([18.92, 19.38, 19.48])")
          .c_str());
}

}  // namespace tarniq::python
