// Conversions between Python and the library: numbers and array-likes, missing values, message units, the GIL.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <complex>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "parallel.hpp"
#include "tarniq/design.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::python {

namespace py = pybind11;

// The module the classes and functions say they belong to: users import
// tarniq, not the extension inside it.
inline constexpr const char* public_module = "tarniq";

// What a function over angles, frequencies or other sample points takes: one
// number, or any array-like of numbers (list, tuple, ndarray of any shape and
// numeric dtype), held as a C-contiguous float64 array, without a copy when
// it already is one.
struct Values {
  using Array = py::array_t<double, py::array::c_style | py::array::forcecast>;
  bool scalar = true;
  double value = 0.0;  // the number, when scalar
  Array array;         // otherwise

  [[nodiscard]] std::span<const double> span() const {
    if (scalar) return {&value, 1};
    return {array.data(), static_cast<std::size_t>(array.size())};
  }
  [[nodiscard]] std::vector<py::ssize_t> shape() const { return {array.shape(), array.shape() + array.ndim()}; }
};

// A result of a function over Values: a float (or None where the library has
// no value) for one number, a float64 array of the input's shape (NaN where
// it has none) for an array. The template argument says whether values may
// be missing, for the signature.
template <bool MayBeMissing>
struct Mapped {
  py::object object;
};

// A library value that may be missing, stored in an array: NaN for none.
// Complex values (a far field) go in complex128 arrays.
inline double stored(double value) { return value; }
inline double stored(const std::optional<double>& value) {
  return value ? *value : std::numeric_limits<double>::quiet_NaN();
}
inline std::complex<double> stored(std::complex<double> value) { return value; }
inline py::object to_python(double value) { return py::float_(value); }
inline py::object to_python(const std::optional<double>& value) {
  if (value) return py::float_(*value);
  return py::none();
}
inline py::object to_python(std::complex<double> value) {
  return py::reinterpret_steal<py::object>(PyComplex_FromDoubles(value.real(), value.imag()));
}

// The library's results of one call as an array of objects: a lone number,
// an optional number, or several (std::array) of them.
template <class Result>
struct ResultCount : std::integral_constant<std::size_t, 1> {};
template <class Item, std::size_t N>
struct ResultCount<std::array<Item, N>> : std::integral_constant<std::size_t, N> {};

// compute(k) for each index k below `count`, the GIL released (and a long
// run split over the cores, see parallel.hpp): each of its N results as a
// float, complex (or None) when `scalar` (count is then 1), or as an array
// of `shape` otherwise (NaN for none).
template <class Compute>
auto map_indices(bool scalar, const std::vector<py::ssize_t>& shape, std::size_t count, Compute compute,
                 std::size_t least_per_part) {
  using Result = std::invoke_result_t<Compute&, std::size_t>;
  constexpr std::size_t results = ResultCount<Result>::value;
  const auto item = [](const Result& result, std::size_t i) -> decltype(auto) {
    if constexpr (requires { result[i]; })
      return (result[i]);
    else
      return (result);
  };
  using Element = decltype(stored(item(std::declval<const Result&>(), 0)));
  std::array<py::object, results> objects;
  if (scalar) {
    std::optional<Result> result;
    {
      py::gil_scoped_release unlocked;
      result = compute(std::size_t{0});
    }
    for (std::size_t i = 0; i < results; ++i) objects[i] = to_python(item(*result, i));
    return objects;
  }
  std::array<py::array_t<Element>, results> arrays;
  std::array<Element*, results> out{};
  for (std::size_t i = 0; i < results; ++i) {
    arrays[i] = py::array_t<Element>(shape);
    out[i] = arrays[i].mutable_data();
  }
  {
    py::gil_scoped_release unlocked;
    const std::size_t parts = part_count(count, least_per_part);
    run_parts(parts, [&](std::size_t part) {
      for (std::size_t k = count * part / parts; k < count * (part + 1) / parts; ++k) {
        const Result result = compute(k);
        for (std::size_t i = 0; i < results; ++i) out[i][k] = stored(item(result, i));
      }
    });
  }
  for (std::size_t i = 0; i < results; ++i) objects[i] = std::move(arrays[i]);
  return objects;
}

// compute(x) for each value (see map_indices): floats (or None) for one
// number, arrays of the input's shape for an array.
template <class Compute>
auto map_values(const Values& values, Compute compute, std::size_t least_per_part = light_work) {
  const std::span<const double> in = values.span();
  return map_indices(
      values.scalar, values.scalar ? std::vector<py::ssize_t>{} : values.shape(), in.size(),
      [&compute, in](std::size_t k) { return compute(in[k]); }, least_per_part);
}

// Two Values broadcast against each other as NumPy does: two numbers, or two
// arrays of one shape (copies, C-contiguous). Raises ValueError for shapes
// that do not broadcast.
inline std::pair<Values, Values> broadcast(const Values& a, const Values& b) {
  if (a.scalar && b.scalar) return {a, b};
  const auto as_object = [](const Values& v) -> py::object {
    return v.scalar ? py::object(py::float_(v.value)) : py::object(v.array);
  };
  const py::tuple both = py::module_::import("numpy").attr("broadcast_arrays")(as_object(a), as_object(b));
  const auto held = [](py::handle array) {
    return Values{false, 0.0, Values::Array::ensure(py::module_::import("numpy").attr("ascontiguousarray")(array))};
  };
  return {held(both[0]), held(both[1])};
}

// compute(x, y) for each pair of the two broadcast Values (see map_indices).
template <class Compute>
auto map_pairs(const Values& first, const Values& second, Compute compute, std::size_t least_per_part = light_work) {
  const auto [a, b] = broadcast(first, second);
  const std::span<const double> x = a.span();
  const std::span<const double> y = b.span();
  return map_indices(
      a.scalar, a.scalar ? std::vector<py::ssize_t>{} : a.shape(), x.size(),
      [&compute, x, y](std::size_t k) { return compute(x[k], y[k]); }, least_per_part);
}

// map_values of a computation with one result, typed for the signature.
template <class Compute>
auto map_value(const Values& values, Compute compute, std::size_t least_per_part = light_work) {
  using Result = std::invoke_result_t<Compute&, double>;
  return Mapped<!std::is_same_v<Result, double>>{std::move(map_values(values, compute, least_per_part)[0])};
}

// map_pairs of a computation with one result, typed for the signature.
template <class Compute>
auto map_pair(const Values& first, const Values& second, Compute compute, std::size_t least_per_part = light_work) {
  using Result = std::invoke_result_t<Compute&, double, double>;
  return Mapped<!std::is_same_v<Result, double>>{std::move(map_pairs(first, second, compute, least_per_part)[0])};
}

// compute(angles, out) writes the library's N values at each angle into
// out, N spans of the angles' size. Run over the cores in parts that write
// straight into the result arrays, the GIL released. Of a list symmetric
// about its middle (a sweep about boresight) only the second half is
// computed and then mirrored: the library's values depend on |θ| alone, so
// this gives what one call over the list would. The N results as floats for
// one angle, arrays of the input's shape otherwise. When a part fails, one
// call over all the angles reports the library's own error.
template <std::size_t N, class Compute>
std::array<py::object, N> map_angles(const Values& angles, Compute compute) {
  using Outputs = std::array<std::span<double>, N>;
  const std::span<const double> all = angles.span();
  std::array<py::object, N> objects;
  if (angles.scalar) {
    std::array<double, N> values{};
    Outputs out;
    for (std::size_t i = 0; i < N; ++i) out[i] = std::span<double>(&values[i], 1);
    {
      py::gil_scoped_release unlocked;
      compute(all, out);
    }
    for (std::size_t i = 0; i < N; ++i) objects[i] = py::float_(values[i]);
    return objects;
  }
  const std::vector<py::ssize_t> shape = angles.shape();
  std::array<py::array_t<double>, N> arrays;
  Outputs out;
  for (std::size_t i = 0; i < N; ++i) {
    arrays[i] = py::array_t<double>(shape);
    out[i] = std::span<double>(arrays[i].mutable_data(), all.size());
  }
  {
    py::gil_scoped_release unlocked;
    const std::size_t n = all.size();
    const std::size_t mirrored = mirrored_angle_count(all);  // values copied from the second half
    const std::span<const double> computed = all.subspan(mirrored);
    const std::size_t parts = part_count(computed.size(), light_work);
    try {
      run_parts(parts, [&](std::size_t part) {
        const ItemRange range = part_range(computed.size(), parts, part);
        Outputs piece;
        for (std::size_t i = 0; i < N; ++i) piece[i] = out[i].subspan(mirrored + range.begin, range.size());
        compute(computed.subspan(range.begin, range.size()), piece);
      });
    } catch (...) {
      std::array<std::vector<double>, N> scratch;
      Outputs whole;
      for (std::size_t i = 0; i < N; ++i) {
        scratch[i].resize(n);
        whole[i] = scratch[i];
      }
      compute(all, whole);  // throws the error the library gives for the whole list
      throw;
    }
    for (std::size_t i = 0; i < N; ++i)
      for (std::size_t k = 0; k < mirrored; ++k) out[i][k] = out[i][n - 1 - k];
  }
  for (std::size_t i = 0; i < N; ++i) objects[i] = std::move(arrays[i]);
  return objects;
}

// A library function as a Python function that takes its arguments by value
// (copied while the GIL is held, so that another thread changing the objects
// cannot disturb the call) and computes with the GIL released.
template <class Result, class... Arguments>
auto released(Result (*function)(Arguments...)) {
  return [function](std::decay_t<Arguments>... arguments) -> Result {
    py::gil_scoped_release unlocked;
    return function(arguments...);
  };
}

// The unit a message shows lengths in (the library's LengthScale, which only
// views its symbol), owning its symbol.
struct MessageUnit {
  std::string symbol = "m";
  double metres = 1.0;

  [[nodiscard]] LengthScale scale() const { return {symbol, metres}; }
};

// DesignOptions and WarningOptions with a MessageUnit; .library() views it.
struct DesignSettings {
  DesignMethod method = DesignMethod::pattern;
  MessageUnit message_lengths;

  [[nodiscard]] DesignOptions library() const { return {method, message_lengths.scale()}; }
};

struct WarningSettings {
  DesignMethod method = DesignMethod::pattern;
  MessageUnit message_lengths;

  [[nodiscard]] WarningOptions library() const { return {method, message_lengths.scale()}; }
};

// Results as Python sees them where the library's hold vectors or views:
// Beamwidths, FresnelIntegrals and PatternCuts over many values hold arrays
// (floats, or None, for one value); the waveguide's names and mode own their
// text.
struct BeamwidthValues {
  py::object e_plane;
  py::object h_plane;
};

struct FresnelValues {
  py::object S;
  py::object C;
};

struct PatternCutValues {
  py::object angles_deg;
  py::object e_plane_dbi;
  py::object h_plane_dbi;
};

struct WaveguideModeValue {
  std::string name;
  double cutoff_hz = 0.0;
};

struct WaveguideNameValues {
  std::string eia;
  std::string iec;
  std::string british;
};

}  // namespace tarniq::python

namespace pybind11::detail {

// Values from any number or array-like; strings, bytes and None are refused
// (NumPy would read "10" as ten and None as NaN).
template <>
struct type_caster<tarniq::python::Values> {
  PYBIND11_TYPE_CASTER(tarniq::python::Values, const_name("ArrayLike"));

  bool load(handle source, bool) {
    PyObject* object = source.ptr();
    if (PyFloat_Check(object)) {
      value = {true, PyFloat_AS_DOUBLE(object), {}};
      return true;
    }
    if (source.is_none() || PyUnicode_Check(object) || PyBytes_Check(object)) return false;
    auto array = tarniq::python::Values::Array::ensure(source);
    if (!array) {
      PyErr_Clear();
      return false;
    }
    if (array.ndim() == 0) {
      value = {true, *array.data(), {}};
      return true;
    }
    value = {false, 0.0, std::move(array)};
    return true;
  }
};

template <bool MayBeMissing>
struct type_caster<tarniq::python::Mapped<MayBeMissing>> {
  PYBIND11_TYPE_CASTER(tarniq::python::Mapped<MayBeMissing>,
                       const_name<MayBeMissing>("float | None | numpy.ndarray", "float | numpy.ndarray"));

  bool load(handle, bool) { return false; }
  static handle cast(const tarniq::python::Mapped<MayBeMissing>& mapped, return_value_policy, handle) {
    return mapped.object.inc_ref();
  }
};

}  // namespace pybind11::detail
