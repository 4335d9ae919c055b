// The extension module tarniq._tarniq: the library's types and functions, its errors, the request layer.
#include <pybind11/pybind11.h>

#include "bindings.hpp"
#include "conversions.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq::python {
namespace {

void bind_constants(py::module_& m) {
  m.attr("speed_of_light") = speed_of_light;
  m.attr("metres_per_inch") = metres_per_inch;
  m.attr("hertz_per_gigahertz") = hertz_per_gigahertz;
  m.attr("half_power_db") = half_power_db;
  m.attr("__version__") = TARNIQ_VERSION;
}

// The library's InvalidArgument is a std::invalid_argument, which pybind11
// raises as ValueError; its other two errors get classes of their own.
void bind_errors(py::module_& m) {
  auto no_solution = py::register_exception<NoSolution>(m, "NoSolution", PyExc_RuntimeError);
  no_solution.attr("__module__") = public_module;
  no_solution.doc() =
      "A well-formed request that no horn meets: no design at that phase deviation, a gain that no horn on that "
      "waveguide reaches. The message says which and why.";
  auto search_failed = py::register_exception<SearchFailed>(m, "SearchFailed", PyExc_RuntimeError);
  search_failed.attr("__module__") = public_module;
  search_failed.doc() =
      "A search that ran out of steps before it could say whether a horn meets the request: not a proof that none "
      "does. The message names the search.";
}

// Functions say they belong to tarniq, where users find them.
void claim_functions(py::module_& m) {
  for (const auto& [name, value] : m.attr("__dict__").cast<py::dict>())
    if (PyCFunction_Check(value.ptr())) value.attr("__module__") = public_module;
}

}  // namespace
}  // namespace tarniq::python

PYBIND11_MODULE(_tarniq, m) {
  using namespace tarniq::python;
  m.doc() = "The compiled part of tarniq; import tarniq instead.";
  bind_constants(m);
  bind_errors(m);
  bind_types(m);
  bind_waveguides(m);
  bind_horns(m);
  bind_analysis(m);
  bind_designs(m);
  bind_fields(m);
  bind_feeds(m);
  bind_parts(m);
  bind_requests(m);
  claim_functions(m);
}
