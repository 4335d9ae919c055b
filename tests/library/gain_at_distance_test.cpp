// Tests of the gain at a finite distance: the far-field limit, and a direct integration of the near field.
#include "tarniq/gain_at_distance.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "quadrature.hpp"
#include "rejections.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/units.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq {
namespace {

const Horn horn = make_horn(0.11, 0.08, 0.20, find_waveguide("WR-90"));

// It rises with distance toward the far-field gain, which it reaches.
TEST(GainAtDistance, TendsToTheFarFieldGain) {
  const double far = gain_dbi(horn, 10e9);
  double previous = -HUGE_VAL;
  for (const double r : {0.2, 0.5, 1.0, 2.0, 5.0, 20.0, 1e3}) {
    const double g = gain_at_distance_dbi(horn, 10e9, r);
    EXPECT_GT(g, previous) << r;
    EXPECT_LT(g, far) << r;
    previous = g;
  }
  EXPECT_NEAR(gain_at_distance_dbi(horn, 10e9, 1e9), far, 1e-9);
  EXPECT_EQ(gain_at_distance_dbi(horn, 10e9, 1e300), far);
}

// The power density on the axis from the aperture field integrated
// directly: each point's exact distance d, its spreading r/d and its
// obliquity (1 + r/d)/2. 4π·r²·S/P agrees within 0.02 dB from five aperture
// diagonals on; nearer, the Fresnel approximation's neglect of amplitude
// and obliquity across the aperture shows, 0.15 dB at one diagonal.
TEST(GainAtDistance, AgreesWithADirectNearFieldIntegration) {
  const double lambda = wavelength(10e9);
  const double k = 2.0 * 3.14159265358979323846 / lambda;
  const double a = horn.aperture_width, b = horn.aperture_height;
  const double diagonal = std::hypot(a, b);
  const struct {
    double distance, tolerance_db;
  } cases[] = {{1.0 * diagonal, 0.15}, {2.0 * diagonal, 0.08}, {3.0 * diagonal, 0.04},
               {5.0 * diagonal, 0.02}, {10.0 * diagonal, 0.012}, {2.0 * a * a / lambda, 0.012}};
  for (const auto& [r, tolerance] : cases) {
    const auto aperture = [&](long double x, long double y) {
      const double phase = -k * (static_cast<double>(x * x) / (2.0 * horn.h_slant_radius) +
                                 static_cast<double>(y * y) / (2.0 * horn.e_slant_radius));
      return std::polar(std::cos(3.14159265358979323846 * static_cast<double>(x) / a), phase);
    };
    const test::Complex field = test::gauss_legendre<test::Complex>(
        [&](long double x) {
          return test::gauss_legendre<test::Complex>(
              [&](long double y) {
                const double d = std::sqrt(r * r + static_cast<double>(x * x + y * y));
                const std::complex<double> value =
                    aperture(x, y) * std::polar(r / d * (1.0 + r / d) / 2.0, -k * (d - r));
                return test::Complex(value.real(), value.imag());
              },
              -b / 2, b / 2, 24);
        },
        -a / 2, a / 2, 24);
    // ∫|Ea|² = a·b/2 for the cosine taper
    const double expected = 10.0 * std::log10(4.0 * 3.14159265358979323846 / (lambda * lambda) *
                                              static_cast<double>(std::norm(field)) / (a * b / 2.0));
    EXPECT_NEAR(gain_at_distance_dbi(horn, 10e9, r), expected, tolerance) << r;
  }
}

TEST(GainAtDistance, RefusesADistanceThatIsNotPositive) {
  testing::expect_rejections<InvalidArgument>({
      {[] { (void)gain_at_distance_dbi(horn, 10e9, 0.0); }, "distance 0 m is not positive and finite"},
      {[] { (void)gain_at_distance_ratio(horn, 10e9, HUGE_VAL); }, "distance inf m is not positive and finite"},
  });
}

}  // namespace
}  // namespace tarniq
