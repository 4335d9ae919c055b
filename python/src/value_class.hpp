// Python classes for value types: keyword constructor, attributes, readable repr, equality, pickling and copying.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "conversions.hpp"

namespace tarniq::python {

// A field a keyword constructor must be given.
template <class T, class V>
struct Required {
  using Class = T;
  using Type = V;
  const char* name;
  V T::*member;
  const char* doc;
  [[nodiscard]] py::arg argument() const { return py::arg(name); }
};

// A field whose keyword may be left out: it then takes the C++ default.
template <class T, class V>
struct Defaulted {
  using Class = T;
  using Type = V;
  const char* name;
  V T::*member;
  const char* doc;
  [[nodiscard]] py::arg_v argument() const { return py::arg_v(name, T{}.*member); }
};

template <class T, class V>
Required<T, V> required(const char* name, V T::*member, const char* doc) {
  return {name, member, doc};
}
template <class T, class V>
Defaulted<T, V> defaulted(const char* name, V T::*member, const char* doc) {
  return {name, member, doc};
}

namespace detail {

// One field seen from Python, for repr, equality and pickling.
template <class T>
struct Accessor {
  std::string name;
  std::function<py::object(const T&)> get;
  std::function<void(T&, py::handle)> set;
};

template <class T, class Field>
Accessor<T> accessor(const Field& field) {
  using V = typename Field::Type;
  const auto member = field.member;
  const auto get = [member](const T& value) -> py::object {
    if constexpr (std::is_base_of_v<py::object, V>)
      return value.*member;
    else
      return py::cast(value.*member);
  };
  const auto set = [member](T& value, py::handle object) {
    if constexpr (std::is_base_of_v<py::object, V>)
      value.*member = py::reinterpret_borrow<V>(object);
    else
      value.*member = object.cast<V>();
  };
  return {field.name, get, set};
}

// Equal fields: arrays element by element, everything else by ==.
inline bool equal(const py::object& a, const py::object& b) {
  if (py::isinstance<py::array>(a) || py::isinstance<py::array>(b))
    return py::module_::import("numpy").attr("array_equal")(a, b).cast<bool>();
  return a.equal(b);
}

}  // namespace detail

// The class `name` for the value type T, in scope: a keyword-only
// constructor over the fields (those made with defaulted() optional), one
// read-write attribute per field with its doc, a repr that reads back as the
// constructor call, ==, pickling and copy.
template <class T, class... Fields>
py::class_<T> value_class(py::module_& scope, const char* name, const char* doc, Fields... fields) {
  py::class_<T> cls(scope, name, doc);
  // Before any signature names the class: it reads tarniq.Horn, not the extension's name.
  cls.attr("__module__") = public_module;
  cls.def(py::init([fields...](typename Fields::Type... values) {
            T value{};
            ((value.*(fields.member) = std::move(values)), ...);
            return value;
          }),
          py::kw_only(), fields.argument()...);
  (cls.def_readwrite(fields.name, fields.member, fields.doc), ...);

  const auto accessors = std::make_shared<const std::vector<detail::Accessor<T>>>(
      std::vector<detail::Accessor<T>>{detail::accessor<T>(fields)...});
  const std::string class_name = name;
  cls.def("__repr__", [accessors, class_name](const T& value) {
    std::string text = class_name + "(";
    for (std::size_t i = 0; i < accessors->size(); ++i) {
      const detail::Accessor<T>& field = (*accessors)[i];
      const py::object shown = field.get(value);
      text += (i == 0 ? "" : ", ") + field.name + "=" + std::string(py::repr(shown));
    }
    return text + ")";
  });
  cls.def(
      "__eq__",
      [accessors](const T& a, const T& b) {
        for (const auto& field : *accessors)
          if (!detail::equal(field.get(a), field.get(b))) return false;
        return true;
      },
      py::is_operator());
  cls.def(py::pickle(
      [accessors](const T& value) {
        py::tuple state(accessors->size());
        for (std::size_t i = 0; i < accessors->size(); ++i) state[i] = (*accessors)[i].get(value);
        return state;
      },
      [accessors, class_name](const py::tuple& state) {
        if (state.size() != accessors->size()) throw py::value_error("not a pickled " + class_name);
        T value{};
        for (std::size_t i = 0; i < accessors->size(); ++i) (*accessors)[i].set(value, state[i]);
        return value;
      }));
  cls.def("__copy__", [](const T& value) { return value; });
  cls.def(
      "__deepcopy__", [](const T& value, const py::dict&) { return value; }, py::arg("memo"));
  return cls;
}

// An enum whose repr is the way to write it: Plane.e rather than <Plane.e: 0>.
template <class E>
py::enum_<E> enum_class(py::module_& scope, const char* name, const char* doc) {
  py::enum_<E> cls(scope, name, doc);
  cls.attr("__module__") = public_module;
  const std::string class_name = name;
  cls.attr("__repr__") = py::cpp_function(
      [class_name](const py::object& value) {
        return class_name + "." + py::str(value.attr("name")).cast<std::string>();
      },
      py::name("__repr__"), py::is_method(cls));
  return cls;
}

}  // namespace tarniq::python
