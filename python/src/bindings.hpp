// The parts of the extension module, each adding its classes or functions to it.
//
// A library function is one m.def in the file of its part: released(&f) for
// a plain call, map_value/map_values (conversions.hpp) for one over an array
// of frequencies or other sample points, with its numpydoc docstring (units,
// Raises, one Examples block); and its stub in python/tarniq/_tarniq.pyi.
// A value type is one value_class call in types.cpp and its stub.
// tests/python/test_docs.py fails until the stubs, the signatures and the
// docstring examples agree.
#pragma once

#include <pybind11/pybind11.h>

namespace tarniq::python {

void bind_types(pybind11::module_& m);       // value types and enums (types.cpp)
void bind_waveguides(pybind11::module_& m);  // waveguide.hpp
void bind_horns(pybind11::module_& m);       // horn.hpp
void bind_analysis(pybind11::module_& m);    // fresnel, gain, pattern, beamwidth, table_method
void bind_designs(pybind11::module_& m);     // design.hpp, gain_design.hpp, warnings.hpp
void bind_fields(pybind11::module_& m);      // far_field.hpp, phase_center.hpp, gain_at_distance.hpp
void bind_feeds(pybind11::module_& m);       // dish.hpp, feed_design.hpp
void bind_parts(pybind11::module_& m);       // parts.hpp
void bind_requests(pybind11::module_& m);    // the request layer

}  // namespace tarniq::python
