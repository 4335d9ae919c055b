// Tests of the horn's solid: a closed ring of triangles facing out, walls of the given thickness, its true volume.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tarniq/parts.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq {
namespace {

using Key = std::tuple<double, double, double>;
Key key(const Vector3& v) { return {v.x, v.y, v.z}; }
Vector3 minus(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector3 cross(Vector3 a, Vector3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

struct Case {
  const char* name;
  Horn horn;
  double wall, throat;
};

std::vector<Case> cases() {
  const Horn x_band = make_horn(0.11, 0.08, 0.20, find_waveguide("WR-90"));
  return {
      {"X band, 2 mm", x_band, 0.002, 0.0},
      {"X band, 2 mm, 30 mm throat", x_band, 0.002, 0.03},
      {"X band, throat shorter than the outer bend", x_band, 0.01, 0.0002},
      {"hydrogen line, 6 mm board", make_horn(0.60, 0.45, 0.55, find_waveguide("WR-650")), 0.006, 0.1},
      {"W band, thick print", make_horn(0.012, 0.009, 0.03, find_waveguide("WR-10")), 0.004, 0.005},
      {"short and wide", make_horn(0.60, 0.45, 0.05, find_waveguide("WR-650")), 0.003, 0.02},
  };
}

// Every edge is shared by exactly two triangles that run it in opposite
// directions (closed, consistently turned); vertices, edges and faces make
// the Euler characteristic of a ring, 0; each normal is unit and on the
// side the vertices' order says.
TEST(HornSolid, IsAClosedRingFacingOut) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const std::vector<Facet> facets = horn_solid(c.horn, {c.wall, c.throat, metres_scale});
    std::map<std::pair<Key, Key>, int> directed;
    std::set<Key> vertices;
    for (const Facet& f : facets) {
      for (int i = 0; i < 3; ++i) {
        vertices.insert(key(f.vertices[i]));
        ++directed[{key(f.vertices[i]), key(f.vertices[(i + 1) % 3])}];
      }
      const Vector3 n = cross(minus(f.vertices[1], f.vertices[0]), minus(f.vertices[2], f.vertices[0]));
      EXPECT_NEAR(dot(f.normal, f.normal), 1.0, 1e-12);
      EXPECT_NEAR(dot(n, f.normal), std::sqrt(dot(n, n)), 1e-9 * std::sqrt(dot(n, n)));
    }
    std::size_t edges = 0;
    for (const auto& [edge, count] : directed) {
      EXPECT_EQ(count, 1);
      const auto back = directed.find({edge.second, edge.first});
      EXPECT_TRUE(back != directed.end() && back->second == 1);
      ++edges;
    }
    edges /= 2;
    EXPECT_EQ(static_cast<long>(vertices.size()) - static_cast<long>(edges) + static_cast<long>(facets.size()), 0);
  }
}

// The half-width of a wall's outer face across one plane at z: each outer
// plane lies the thickness out from its inner one, square to it, and the
// surface is the outermost of the straight guide's and the flare's planes.
double outer_half(double guide, double step, double length, double wall, double z) {
  const double slope = step / length;
  const double normal_y = 1.0 / std::sqrt(1.0 + slope * slope);  // share of the flare's normal across the axis
  return std::max(guide / 2.0 + wall, guide / 2.0 + slope * z + wall / normal_y);
}

double inner_half(double guide, double step, double length, double z) {
  return guide / 2.0 + step / length * std::max(0.0, z);
}

// Volume by the divergence theorem over the triangles against the integral
// of the cross-section (outer rectangle less inner), by Simpson's rule on
// pieces where each is quadratic in z.
TEST(HornSolid, VolumeIsTheWallsVolume) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const std::vector<Facet> facets = horn_solid(c.horn, {c.wall, c.throat, metres_scale});
    double volume = 0.0;
    for (const Facet& f : facets) volume += dot(f.vertices[0], cross(f.vertices[1], f.vertices[2])) / 6.0;

    const double length = axial_length(c.horn, Plane::e);
    const Horn& h = c.horn;
    const double width_step = (h.aperture_width - h.feed.width) / 2.0;
    const double height_step = (h.aperture_height - h.feed.height) / 2.0;
    const auto section = [&](double z) {
      const double outer = 4.0 * outer_half(h.feed.width, width_step, length, c.wall, z) *
                           outer_half(h.feed.height, height_step, length, c.wall, z);
      const double inner = 4.0 * inner_half(h.feed.width, width_step, length, z) *
                           inner_half(h.feed.height, height_step, length, z);
      return outer - inner;
    };
    // The kinks of the sections: where each outer face bends, and z = 0.
    const auto bend = [&](double step) {
      const double slope = step / length;
      return c.wall * (1.0 - std::sqrt(1.0 + slope * slope)) / slope;
    };
    std::vector<double> z = {-c.throat, 0.0, length, bend(width_step), bend(height_step)};
    std::erase_if(z, [&](double v) { return v < -c.throat || v > length; });
    std::sort(z.begin(), z.end());
    double expected = 0.0;
    for (std::size_t i = 0; i + 1 < z.size(); ++i) {
      const double a = z[i], b = z[i + 1];
      expected += (b - a) / 6.0 * (section(a) + 4.0 * section((a + b) / 2.0) + section(b));
    }
    EXPECT_NEAR(volume, expected, 1e-9 * expected);
  }
}

}  // namespace
}  // namespace tarniq
