// The far field, dish, feed and parts results as Python sees them: NumPy arrays where the library holds lists.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "conversions.hpp"
#include "tarniq/dish.hpp"
#include "tarniq/feed_design.hpp"
#include "tarniq/parts.hpp"
#include "tarniq/phase_center.hpp"

namespace tarniq::python {

// Co- and cross-polar fields: complex numbers for one direction, complex128
// arrays for many.
struct FarFieldValues {
  py::object co;
  py::object cross;
};

// Phase centres, metres behind the aperture: floats for one frequency,
// float64 arrays for many.
struct PhaseCenterValues {
  py::object e_plane;
  py::object h_plane;
  py::object common;
};

// DishIllumination with each field a float (one edge angle) or a float64
// array of the edge angles' shape.
struct DishIlluminationValues {
  py::object edge_angle_deg;
  py::object f_over_d;
  py::object e_edge_taper_db;
  py::object h_edge_taper_db;
  py::object space_loss_db;
  py::object spillover;
  py::object taper;
  py::object phase;
  py::object polarization;
  py::object aperture;
};

struct FeedDesignValue {
  HornDesign design;
  double phase_deviation = 0.0;
  double edge_taper_db = 0.0;
  DishIlluminationValues dish;
  PhaseCenterValues phase_center;
};

// LayoutOptions and SolidOptions with a MessageUnit; .library() views it.
struct LayoutSettings {
  LayoutKind kind = LayoutKind::separate;
  double tab_width = 0.0;
  MessageUnit message_lengths;

  [[nodiscard]] LayoutOptions library() const { return {kind, tab_width, message_lengths.scale()}; }
};

struct SolidSettings {
  double wall_thickness = SolidOptions{}.wall_thickness;
  double throat_length = SolidOptions{}.throat_length;
  MessageUnit message_lengths;

  [[nodiscard]] SolidOptions library() const { return {wall_thickness, throat_length, message_lengths.scale()}; }
};

// A panel on the sheet: its corners as a (4, 2) array of (x, y), its centre (x, y).
struct PlacedPanelValue {
  PanelKind kind = PanelKind::broad;
  py::object corners;
  py::object centre;
  double axis_angle_deg = 0.0;
};

// FlatLayout with points as arrays of (x, y): tabs (n, 4, 2), outlines a list
// of (k, 2), folds (n, 2, 2) from and to, size (width, height).
struct FlatLayoutValue {
  std::vector<PlacedPanelValue> panels;
  py::object tabs;
  std::vector<py::object> outlines;
  py::object folds;
  py::object size;
};

// The solid's triangles: normals (n, 3), vertices (n, 3, 3), vertex k of
// triangle i at vertices[i, k].
struct FacetsValue {
  py::object normals;
  py::object vertices;
};

// A float64 array of `shape` filled from `values` in order.
inline py::array_t<double> filled_array(const std::vector<py::ssize_t>& shape, std::span<const double> values) {
  py::array_t<double> array(shape);
  std::copy(values.begin(), values.end(), array.mutable_data());
  return array;
}

// The library's illuminations, one per edge angle, as fields: floats when
// the edge angles were one number, arrays of their shape otherwise.
inline DishIlluminationValues illumination_values(const std::vector<DishIllumination>& rows, bool scalar,
                                                  const std::vector<py::ssize_t>& shape) {
  const auto field = [&](double DishIllumination::*member) -> py::object {
    if (scalar) return py::float_(rows.at(0).*member);
    std::vector<double> values;
    values.reserve(rows.size());
    for (const DishIllumination& row : rows) values.push_back(row.*member);
    return filled_array(shape, values);
  };
  return {field(&DishIllumination::edge_angle_deg),  field(&DishIllumination::f_over_d),
          field(&DishIllumination::e_edge_taper_db), field(&DishIllumination::h_edge_taper_db),
          field(&DishIllumination::space_loss_db),   field(&DishIllumination::spillover),
          field(&DishIllumination::taper),           field(&DishIllumination::phase),
          field(&DishIllumination::polarization),    field(&DishIllumination::aperture)};
}

inline PhaseCenterValues phase_center_values(const PhaseCenter& center) {
  return {py::float_(center.e_plane), py::float_(center.h_plane), py::float_(center.common)};
}

inline FeedDesignValue feed_design_value(const FeedDesign& feed) {
  return {feed.design, feed.phase_deviation, feed.edge_taper_db, illumination_values({feed.dish}, true, {}),
          phase_center_values(feed.phase_center)};
}

}  // namespace tarniq::python
