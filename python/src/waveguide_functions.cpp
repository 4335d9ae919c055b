// Feed waveguides: mode cutoffs and the standard catalogue (tarniq/waveguide.hpp).
#include "bindings.hpp"
#include "conversions.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

constexpr const char* cutoff_doc = R"doc(Cutoff frequency of the {mode} mode, Hz: {formula}.

Parameters
----------
guide : Waveguide
    The waveguide; width and height in metres.

Returns
-------
float
    The cutoff frequency, Hz.

Raises
------
ValueError
    Unless width and height are positive and finite.

Examples
--------
>>> round(tarniq.{name}(tarniq.find_waveguide("WR-90")) / 1e9, 3)
{example}
)doc";

std::string cutoff_text(const char* name, const char* mode, const char* formula, const char* example) {
  return py::str(cutoff_doc).format("name"_a = name, "mode"_a = mode, "formula"_a = formula, "example"_a = example);
}

std::optional<WaveguideNameValues> names_of(const Waveguide& guide) {
  const auto names = waveguide_names(guide);
  if (!names) return std::nullopt;
  return WaveguideNameValues{std::string(names->eia), std::string(names->iec), std::string(names->british)};
}

WaveguideModeValue lowest_mode(const Waveguide& guide) {
  const WaveguideMode mode = lowest_higher_mode(guide);
  return {std::string(mode.name), mode.cutoff_hz};
}

std::vector<Waveguide> catalogue() {
  const auto guides = standard_waveguides();
  return {guides.begin(), guides.end()};
}

}  // namespace

void bind_waveguides(py::module_& m) {
  m.def("te10_cutoff", released(&te10_cutoff), "guide"_a,
        cutoff_text("te10_cutoff", "TE10 (fundamental)", "c/(2·width)", "6.557").c_str());
  m.def("te20_cutoff", released(&te20_cutoff), "guide"_a,
        cutoff_text("te20_cutoff", "TE20", "c/width", "13.114").c_str());
  m.def("te01_cutoff", released(&te01_cutoff), "guide"_a,
        cutoff_text("te01_cutoff", "TE01", "c/(2·height)", "14.754").c_str());
  m.def("te11_cutoff", released(&te11_cutoff), "guide"_a,
        cutoff_text("te11_cutoff", "TE11", "(c/2)·√(1/width² + 1/height²)", "16.145").c_str());

  m.def("lowest_higher_mode", released(&lowest_mode), "guide"_a,
        R"doc(The lowest mode above the fundamental TE10 that can carry power, and its cutoff.

The lowest of TE20, TE01 and TE11 (TE20 on a tie). On a square guide TE01
is the fundamental's other polarisation and is not counted: the next mode
is TE11.

Parameters
----------
guide : Waveguide

Returns
-------
WaveguideMode
    Its name ("TE20", "TE01" or "TE11") and cutoff frequency, Hz.

Raises
------
ValueError
    Unless width and height are positive and finite.

Examples
--------
>>> tarniq.lowest_higher_mode(tarniq.Waveguide(width=0.02, height=0.02)).name
'TE11'
)doc");

  m.def("is_square", released(&is_square), "guide"_a,
        R"doc(Whether the waveguide's width and height are equal (to a relative 1e-9).

Examples
--------
>>> tarniq.is_square(tarniq.find_waveguide("WR-90"))
False
)doc");

  m.def("standard_waveguides", released(&catalogue),
        R"doc(The EIA rectangular waveguides from WR-2300 to WR-10, largest first.

Returns
-------
list of Waveguide
    Each with its EIA name and recommended band (Hz); sizes in metres.

Examples
--------
>>> guides = tarniq.standard_waveguides()
>>> guides[0].name, guides[-1].name
('WR-2300', 'WR-10')
)doc");

  m.def("find_waveguide", released(&find_waveguide), "name"_a,
        R"doc(The catalogue waveguide of a name in any of its three systems.

"WR-90", "WR90", "wr 90", "R100", "R 100", "WG16" and "wg-16" all find WR-90
(case ignored, blanks around and one '-' or blanks after the letters).

Parameters
----------
name : str

Returns
-------
Waveguide
    Its size in metres, EIA name and recommended band (Hz).

Raises
------
ValueError
    Naming the text, when no guide has that name.

Examples
--------
>>> tarniq.find_waveguide("WG16")
Waveguide(width=0.02286, height=0.01016, name='WR-90', band=FrequencyBand(low=8200000000.0, high=12400000000.0))
)doc");

  m.def("waveguide_names", released(&names_of), "guide"_a,
        R"doc(The EIA, IEC and British names of the catalogue guide whose name the guide carries.

Returns
-------
WaveguideNames or None
    None for a custom size.

Examples
--------
>>> tarniq.waveguide_names(tarniq.find_waveguide("WR-90"))
WaveguideNames(eia='WR-90', iec='R100', british='WG16')
)doc");

  m.def("catalogue_entry", released(&catalogue_entry), "guide"_a,
        R"doc(The catalogue guide whose name the feed carries, with its band.

Returns
-------
Waveguide or None
    None for a custom size.

Examples
--------
>>> print(tarniq.catalogue_entry(tarniq.Waveguide(width=0.02, height=0.01)))
None
)doc");

  m.def("waveguides_for_frequency", released(&waveguides_for_frequency), "frequency_hz"_a,
        R"doc(The catalogue guides whose recommended band holds the frequency, band ends included, largest first.

Parameters
----------
frequency_hz : float
    Hz.

Returns
-------
list of Waveguide

Examples
--------
>>> [guide.name for guide in tarniq.waveguides_for_frequency(10e9)]
['WR-112', 'WR-90', 'WR-75']
)doc");
}

}  // namespace tarniq::python
