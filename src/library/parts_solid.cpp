// The horn's walls as a solid of triangles: inner and outer surfaces joined by flat ends, watertight.
#include <algorithm>
#include <array>
#include <cmath>

#include "checks.hpp"
#include "parts_walls.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/parts.hpp"

namespace tarniq {
namespace {

// Stations closer than this (relative to the axial length) are one.
constexpr double kSameStation = 1e-12;

// The half-width of a surface across one plane, along the axis: a straight
// part ahead of the flare (z below `bend`) and the flaring part, which grows
// by `slope` per metre of z.
struct Side {
  double straight = 0.0;  // half-width of the straight part
  double flare = 0.0;     // the flaring part's half-width at z = 0
  double slope = 0.0;
  double bend = 0.0;      // where the two meet

  double at(double z) const { return std::max(straight, flare + slope * z); }
};

// The inner surface: the waveguide's half-size ahead of z = 0, then the flare.
Side inner_side(double waveguide, double step, double length) {
  return {waveguide / 2.0, waveguide / 2.0, step / length, 0.0};
}

// The outer surface, each wall moved out by the thickness square to itself:
// the flaring wall by thickness/cos(flare angle) across the axis. The two
// outer planes meet a little ahead of z = 0, where the straight part ends.
Side outer_side(double waveguide, double step, double length, double thickness) {
  const double slope = step / length;
  const double flare = waveguide / 2.0 + thickness * std::hypot(1.0, slope);
  return {waveguide / 2.0 + thickness, flare, slope, (waveguide / 2.0 + thickness - flare) / slope};
}

// A rectangle across the axis at z, corners counterclockwise seen from the aperture.
using Ring = std::array<Vector3, 4>;

Ring ring(const Side& across_x, const Side& across_y, double z) {
  const double x = across_x.at(z);
  const double y = across_y.at(z);
  return {{{x, y, z}, {-x, y, z}, {-x, -y, z}, {x, -y, z}}};
}

// The z of every ring of a surface: both ends, and each plane's bend between them.
std::vector<double> stations(double start, double end, std::initializer_list<double> bends) {
  std::vector<double> z{start, end};
  for (const double bend : bends)
    if (bend > start && bend < end) z.push_back(bend);
  std::sort(z.begin(), z.end());
  const double merge = kSameStation * (end - start);
  z.erase(std::unique(z.begin(), z.end(), [&](double a, double b) { return b - a <= merge; }), z.end());
  return z;
}

Vector3 minus(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Facet facet(Vector3 a, Vector3 b, Vector3 c) {
  const Vector3 u = minus(b, a);
  const Vector3 v = minus(c, a);
  const Vector3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
  const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  return {{n.x / length, n.y / length, n.z / length}, {a, b, c}};
}

// A flat quadrilateral as two triangles, its corners counterclockwise seen from outside.
void add_quad(std::vector<Facet>& facets, Vector3 a, Vector3 b, Vector3 c, Vector3 d) {
  facets.push_back(facet(a, b, c));
  facets.push_back(facet(a, c, d));
}

// The side walls between consecutive rings; `outward` when the surface faces
// away from the axis (the outer surface), else it faces the axis.
void add_surface(std::vector<Facet>& facets, const std::vector<Ring>& rings, bool outward) {
  for (std::size_t i = 0; i + 1 < rings.size(); ++i)
    for (std::size_t j = 0; j < 4; ++j) {
      const std::size_t k = (j + 1) % 4;
      if (outward)
        add_quad(facets, rings[i][j], rings[i][k], rings[i + 1][k], rings[i + 1][j]);
      else
        add_quad(facets, rings[i][j], rings[i + 1][j], rings[i + 1][k], rings[i][k]);
    }
}

// The flat end between an inner and an outer ring in one plane, facing the
// throat (down the axis) or the aperture.
void add_end(std::vector<Facet>& facets, const Ring& inner, const Ring& outer, bool facing_aperture) {
  for (std::size_t j = 0; j < 4; ++j) {
    const std::size_t k = (j + 1) % 4;
    if (facing_aperture)
      add_quad(facets, inner[j], outer[j], outer[k], inner[k]);
    else
      add_quad(facets, inner[j], inner[k], outer[k], outer[j]);
  }
}

}  // namespace

double thickest_wall(const Horn& horn) {
  const detail::Walls walls = detail::horn_walls(horn, metres_scale);
  return std::min({walls.aperture_width, walls.aperture_height, walls.length});
}

std::vector<Facet> horn_solid(const Horn& horn, const SolidOptions& options) {
  const detail::Walls walls = detail::horn_walls(horn, options.message_lengths);
  const LengthScale& unit = options.message_lengths;
  const double thickness = options.wall_thickness;
  detail::require_positive(thickness, "wall thickness", "m");
  const double thickest = std::min({walls.aperture_width, walls.aperture_height, walls.length});
  if (!(thickness < thickest))
    throw InvalidArgument("wall thickness " + detail::length_text(thickness, unit) +
                          " is too thick for this horn: it must be less than " + detail::length_text(thickest, unit) +
                          ", the smallest of its aperture and axial length");
  const double throat = options.throat_length;
  if (!(std::isfinite(throat) && throat >= 0.0))
    throw InvalidArgument(detail::show("throat length", throat, "m") + " is not zero or positive and finite");

  const double length = walls.length;
  const Side inner_x = inner_side(walls.waveguide_width, walls.width_step(), length);
  const Side inner_y = inner_side(walls.waveguide_height, walls.height_step(), length);
  const Side outer_x = outer_side(walls.waveguide_width, walls.width_step(), length, thickness);
  const Side outer_y = outer_side(walls.waveguide_height, walls.height_step(), length, thickness);

  std::vector<Ring> inner, outer;
  for (const double z : stations(-throat, length, {0.0})) inner.push_back(ring(inner_x, inner_y, z));
  for (const double z : stations(-throat, length, {outer_x.bend, outer_y.bend}))
    outer.push_back(ring(outer_x, outer_y, z));

  std::vector<Facet> facets;
  add_surface(facets, inner, false);
  add_surface(facets, outer, true);
  add_end(facets, inner.front(), outer.front(), false);
  add_end(facets, inner.back(), outer.back(), true);
  return facets;
}

}  // namespace tarniq
