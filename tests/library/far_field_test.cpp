// Tests of the full far field: the principal cuts, any cut against the integrated aperture field, no cross-polar field.
#include "tarniq/far_field.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "quadrature.hpp"
#include "rejections.hpp"
#include "tarniq/errors.hpp"
#include "plane_shapes.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

using testing::horn_of;
using testing::kDegree;
using testing::kFrequency;
using testing::PlaneShape;

constexpr PlaneShape kShapes[] = {{1.2, 0.05, 1.1, 0.05}, {3.7, 0.13, 2.7, 0.11}, {10.0, 0.5, 8.0, 0.25},
                                  {6.0, 1e-10, 6.0, 2e-9}, {8.0, 1.5, 20.0, 1.0}};

double level_dbi(std::complex<double> field) { return 10.0 * std::log10(std::norm(field)); }

// At φ = 0° the field is the H-plane cut, at φ = 90° the E-plane cut, and a
// negative θ is the mirror direction: the cuts of pattern_cut to 1e-9 dB.
TEST(FarField, PrincipalPlanesAreThePatternCuts) {
  std::vector<double> angles;
  for (double a = -90.0; a <= 90.0; a += 2.5) angles.push_back(a);
  for (const PlaneShape& shape : kShapes) {
    const Horn horn = horn_of(shape);
    const PatternCuts cuts = pattern_cuts(horn, kFrequency, angles);
    const double phis[] = {0.0, 90.0};
    const std::vector<FarField> grid = far_field_grid(horn, kFrequency, angles, phis);
    for (std::size_t i = 0; i < angles.size(); ++i) {
      EXPECT_NEAR(level_dbi(grid[2 * i].co), cuts.h_plane_dbi[i], 1e-9) << angles[i];
      EXPECT_NEAR(level_dbi(grid[2 * i + 1].co), cuts.e_plane_dbi[i], 1e-9) << angles[i];
      const FarField single = far_field(horn, kFrequency, angles[i], 90.0);
      EXPECT_NEAR(std::abs(single.co - grid[2 * i + 1].co), 0.0, 1e-12 * std::abs(single.co));
    }
  }
}

// Any direction, level and phase, against the aperture field integrated
// numerically (separable: the two planes' integrals multiply), with the
// obliquity; the cross-polar field is exactly zero.
TEST(FarField, AnyDirectionFollowsTheIntegratedApertureField) {
  for (const PlaneShape& shape : kShapes) {
    const Horn horn = horn_of(shape);
    const double gain = gain_ratio(horn, kFrequency);
    const test::Complex boresight = test::aperture_field(true, shape.s_H, 0.0) * test::aperture_field(false, shape.s_E, 0.0);
    for (const double phi : {45.0, 30.0, 160.0, -70.0}) {
      for (double theta = 0.0; theta <= 90.0; theta += 7.5) {
        const double v = std::sin(theta * kDegree);
        const test::Complex reference = test::aperture_field(true, shape.s_H, shape.B_H * v * std::cos(phi * kDegree)) *
                                        test::aperture_field(false, shape.s_E, shape.B_E * v * std::sin(phi * kDegree)) *
                                        static_cast<long double>((1.0 + std::cos(theta * kDegree)) / 2.0);
        const FarField field = far_field(horn, kFrequency, theta, phi);
        const std::complex<double> expected(static_cast<double>(reference.real()), static_cast<double>(reference.imag()));
        const double scale = std::sqrt(gain) / static_cast<double>(std::abs(boresight));
        // Level to 0.01 dB and phase to 0.01° where within 40 dB of boresight.
        if (std::norm(expected) * scale * scale < gain * 1e-4) continue;
        EXPECT_NEAR(level_dbi(field.co), level_dbi(expected * scale), 0.01) << theta << ", " << phi;
        EXPECT_NEAR(std::remainder(std::arg(field.co) - std::arg(expected), 2.0 * 3.14159265358979323846) / kDegree,
                    0.0, 0.01)
            << theta << ", " << phi;
        EXPECT_EQ(field.cross, std::complex<double>(0.0, 0.0));
      }
    }
  }
}

TEST(FarField, RefusesDirectionsOutsideTheSphere) {
  const Horn horn = horn_of(kShapes[1]);
  testing::expect_rejections<InvalidArgument>({
      {[&] { (void)far_field(horn, kFrequency, 181.0, 0.0); }, "angle θ 181 degrees is not within [-180, 180]"},
      {[&] { (void)far_field(horn, kFrequency, 0.0, std::nan("")); }, "angle φ nan degrees is not finite"},
      {[&] { (void)far_field_grid(horn, -1.0, {}, {}); }, "frequency -1 Hz is not positive and finite"},
  });
}

}  // namespace
}  // namespace tarniq
