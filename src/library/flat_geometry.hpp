// Plane geometry for flat layouts: points as vectors, rigid motions, overlap of convex shapes, the tightest box.
#pragma once

#include <span>
#include <vector>

#include "tarniq/parts.hpp"

namespace tarniq {

// Points as vectors; found by argument lookup wherever FlatPoint is used.
inline FlatPoint operator+(FlatPoint p, FlatPoint q) { return {p.x + q.x, p.y + q.y}; }
inline FlatPoint operator-(FlatPoint p, FlatPoint q) { return {p.x - q.x, p.y - q.y}; }
inline FlatPoint operator*(double k, FlatPoint p) { return {k * p.x, k * p.y}; }
inline double dot(FlatPoint p, FlatPoint q) { return p.x * q.x + p.y * q.y; }
inline double cross(FlatPoint p, FlatPoint q) { return p.x * q.y - p.y * q.x; }

}  // namespace tarniq

namespace tarniq::detail {

[[nodiscard]] double norm(FlatPoint p);

// A rotation by an angle followed by a shift.
struct RigidMotion {
  double cosine = 1.0;
  double sine = 0.0;
  FlatPoint shift;

  [[nodiscard]] FlatPoint operator()(FlatPoint p) const {
    return {cosine * p.x - sine * p.y + shift.x, sine * p.x + cosine * p.y + shift.y};
  }
  [[nodiscard]] double angle_deg() const;
};

[[nodiscard]] RigidMotion rotation(double radians);

// The motion that takes `from` to `to` and turns the direction from `from`
// to `from_towards` into the direction from `to` to `to_towards`.
[[nodiscard]] RigidMotion motion_onto(FlatPoint from, FlatPoint from_towards, FlatPoint to, FlatPoint to_towards);

// Whether two convex polygons share more than a sliver `tolerance` wide:
// polygons that only touch along an edge do not overlap.
[[nodiscard]] bool convex_overlap(std::span<const FlatPoint> p, std::span<const FlatPoint> q, double tolerance);

// The rotation (radians) after which the points' upright bounding box has
// the least area: one side of the box lies along an edge of their hull.
[[nodiscard]] double tightest_box_rotation(std::vector<FlatPoint> points);

// Lowest corner and size of the points' upright bounding box.
struct Box {
  FlatPoint low;
  FlatPoint size;
};
[[nodiscard]] Box bounding_box(std::span<const FlatPoint> points);

}  // namespace tarniq::detail
