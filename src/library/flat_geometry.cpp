// Plane geometry for flat layouts.
#include "flat_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tarniq::detail {
namespace {

// The hull's corners counterclockwise (monotone chain).
std::vector<FlatPoint> convex_hull(std::vector<FlatPoint> points) {
  std::sort(points.begin(), points.end(),
            [](FlatPoint p, FlatPoint q) { return p.x < q.x || (p.x == q.x && p.y < q.y); });
  if (points.size() < 3) return points;
  std::vector<FlatPoint> hull(2 * points.size());
  std::size_t k = 0;
  const auto add = [&](FlatPoint p, std::size_t floor) {
    while (k >= floor && cross(hull[k - 1] - hull[k - 2], p - hull[k - 2]) <= 0.0) --k;
    hull[k++] = p;
  };
  for (const FlatPoint p : points) add(p, 2);
  const std::size_t lower = k + 1;
  for (auto p = points.rbegin() + 1; p != points.rend(); ++p) add(*p, lower);
  hull.resize(k - 1);
  return hull;
}

// Whether the line through an edge of p, with p on its left, has all of q
// on its right within the tolerance.
bool separated_by_an_edge_of(std::span<const FlatPoint> p, std::span<const FlatPoint> q, double tolerance) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    const FlatPoint a = p[i];
    const FlatPoint edge = p[(i + 1) % p.size()] - a;
    const double length = norm(edge);
    const bool all_right =
        std::all_of(q.begin(), q.end(), [&](FlatPoint v) { return cross(edge, v - a) / length <= tolerance; });
    if (all_right) return true;
  }
  return false;
}

}  // namespace

double norm(FlatPoint p) { return std::hypot(p.x, p.y); }

double RigidMotion::angle_deg() const { return std::atan2(sine, cosine) * 180.0 / std::numbers::pi; }

RigidMotion rotation(double radians) { return {std::cos(radians), std::sin(radians), {}}; }

RigidMotion motion_onto(FlatPoint from, FlatPoint from_towards, FlatPoint to, FlatPoint to_towards) {
  const FlatPoint u = from_towards - from;
  const FlatPoint v = to_towards - to;
  const double turn = std::atan2(cross(u, v), dot(u, v));
  RigidMotion motion = rotation(turn);
  const FlatPoint turned = motion(from);
  motion.shift = to - turned;
  return motion;
}

bool convex_overlap(std::span<const FlatPoint> p, std::span<const FlatPoint> q, double tolerance) {
  return !separated_by_an_edge_of(p, q, tolerance) && !separated_by_an_edge_of(q, p, tolerance);
}

double tightest_box_rotation(std::vector<FlatPoint> points) {
  const std::vector<FlatPoint> hull = convex_hull(std::move(points));
  double best_angle = 0.0;
  double best_area = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const FlatPoint edge = hull[(i + 1) % hull.size()] - hull[i];
    const double angle = -std::atan2(edge.y, edge.x);
    const RigidMotion turn = rotation(angle);
    std::vector<FlatPoint> turned;
    for (const FlatPoint p : hull) turned.push_back(turn(p));
    const Box box = bounding_box(turned);
    // Ties keep the first: a layout already square to its box stays as it is.
    if (box.size.x * box.size.y < best_area * (1.0 - 1e-12)) {
      best_area = box.size.x * box.size.y;
      best_angle = angle;
    }
  }
  return best_angle;
}

Box bounding_box(std::span<const FlatPoint> points) {
  FlatPoint low{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
  FlatPoint high{-low.x, -low.y};
  for (const FlatPoint p : points) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  return {low, high - low};
}

}  // namespace tarniq::detail
