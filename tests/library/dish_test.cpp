// Tests of the dish illumination: ideal feeds against Silver's integral, each efficiency on a case where it is known, a horn by brute force.
#include "tarniq/dish.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <vector>

#include "quadrature.hpp"
#include "rejections.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/phase_center.hpp"
#include "tarniq/units.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kNoField = -HUGE_VAL;

// A feed tabulated every 0.25° from 0 to `last` degrees: E- and H-plane
// field magnitudes (linear) from two functions of θ (radians).
TabulatedFeed tabulated(const std::function<double(double)>& e, const std::function<double(double)>& h, double last) {
  TabulatedFeed feed;
  for (double a = 0.0; a <= last + 1e-9; a += 0.25) {
    feed.angles_deg.push_back(a);
    const auto db = [](double field) { return field > 0.0 ? 20.0 * std::log10(field) : kNoField; };
    feed.e_plane_db.push_back(db(e(a * kDegree)));
    feed.h_plane_db.push_back(db(h(a * kDegree)));
  }
  return feed;
}

std::function<double(double)> cos_power(double n) {
  return [n](double theta) { return std::pow(std::max(0.0, std::cos(theta)), n / 2.0); };  // field: cos^(n/2)
}

// Silver's aperture efficiency of a feed of power pattern cosⁿθ (zero beyond
// 90°) on a dish of edge angle θ0, by the test's own quadrature:
// cot²(θ0/2)·|∫ √G·tan(θ/2) dθ|², G = 2(n + 1)·cosⁿθ.
double silver(double n, double theta0) {
  const long double integral = test::gauss_legendre<long double>(
      [&](long double t) {
        return std::sqrt(2.0L * (n + 1) * std::pow(std::cos(t), static_cast<long double>(n))) * std::tan(t / 2);
      },
      0.0L, theta0, 200);
  const double cot = 1.0 / std::tan(theta0 / 2.0);
  return cot * cot * static_cast<double>(integral * integral);
}

// The closed form for n = 2, a second check of the reference itself.
double silver_cos2(double theta0) {
  const double half = theta0 / 2.0;
  const double bracket = std::sin(half) * std::sin(half) + std::log(std::cos(half));
  return 24.0 * bracket * bracket / (std::tan(half) * std::tan(half));
}

// Ideal cosⁿ feeds: the aperture efficiency is Silver's integral; for n = 2
// its classical optimum, about 0.83, lies near θ0 = 66°.
TEST(DishIllumination, CosineFeedsFollowSilversIntegral) {
  for (const double n : {2.0, 4.0, 8.0}) {
    const TabulatedFeed feed = tabulated(cos_power(n), cos_power(n), 90.0);
    const std::vector<double> edges = {30.0, 50.0, 66.0, 80.0};
    const std::vector<DishIllumination> rows = dish_illumination(feed, edges);
    for (std::size_t i = 0; i < edges.size(); ++i) {
      EXPECT_NEAR(rows[i].aperture, silver(n, edges[i] * kDegree), 2e-4) << n << " at " << edges[i];
      if (n == 2.0) {
        EXPECT_NEAR(silver(n, edges[i] * kDegree), silver_cos2(edges[i] * kDegree), 1e-12);
      }
    }
  }
  std::vector<double> edges;
  for (double a = 56.0; a <= 76.0; a += 0.5) edges.push_back(a);
  const std::vector<DishIllumination> rows = dish_illumination(tabulated(cos_power(2), cos_power(2), 90.0), edges);
  std::size_t best = 0;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].aperture > rows[best].aperture) best = i;
  EXPECT_NEAR(rows[best].aperture, 0.83, 0.005);
  EXPECT_NEAR(edges[best], 66.0, 1.5);
}

// Each efficiency where its value is known: a feed that radiates only into
// the dish spills nothing; one that makes the aperture field uniform
// (sec²(θ/2), undoing the spreading) has no taper loss; one in phase loses
// nothing to phase; one with equal cuts is purely co-polar. With all four
// the aperture efficiency is 1.
TEST(DishIllumination, EachEfficiencyOnACaseWhereItIsKnown) {
  const auto uniform_aperture = [](double theta) { return 1.0 / std::pow(std::cos(theta / 2.0), 2.0); };
  const double edge = 60.0;
  const DishIllumination ideal = dish_illumination(tabulated(uniform_aperture, uniform_aperture, edge), {&edge, 1}).front();
  EXPECT_NEAR(ideal.spillover, 1.0, 1e-12);
  EXPECT_NEAR(ideal.taper, 1.0, 1e-6);
  EXPECT_NEAR(ideal.phase, 1.0, 1e-12);
  EXPECT_NEAR(ideal.polarization, 1.0, 1e-12);
  EXPECT_NEAR(ideal.aperture, 1.0, 1e-6);
  EXPECT_NEAR(ideal.space_loss_db, 40.0 * std::log10(std::cos(30.0 * kDegree)), 1e-12);
  EXPECT_NEAR(ideal.e_edge_taper_db, 0.0, 1e-12);  // it rises to its maximum at the edge

  // Unequal cuts: co-polar E·sin²φ + H·cos²φ, cross-polar (E - H)·sin φ·cos φ,
  // their powers summed over φ by the test's own quadrature.
  const auto e = cos_power(2), h = cos_power(6);
  const DishIllumination mixed = dish_illumination(tabulated(e, h, 90.0), {&edge, 1}).front();
  const auto ring = [&](long double theta, bool co_only) {
    const double E = e(static_cast<double>(theta)), H = h(static_cast<double>(theta));
    return test::gauss_legendre<long double>(
        [&](long double phi) {
          const long double s = std::sin(phi), c = std::cos(phi);
          const long double co = E * s * s + H * c * c, cross = (E - H) * s * c;
          return co * co + (co_only ? 0.0L : cross * cross);
        },
        0.0L, 2 * test::kPi, 16);
  };
  const auto power = [&](long double to, bool co_only) {
    return test::gauss_legendre<long double>([&](long double t) { return ring(t, co_only) * std::sin(t); }, 0.0L, to, 60);
  };
  EXPECT_NEAR(mixed.polarization, static_cast<double>(power(edge * kDegree, true) / power(edge * kDegree, false)), 1e-6);
  EXPECT_NEAR(mixed.spillover, static_cast<double>(power(edge * kDegree, false) / power(kPi / 2, false)), 1e-5);
  EXPECT_NEAR(mixed.spillover * mixed.taper * mixed.phase * mixed.polarization, mixed.aperture, 1e-12);
}

// Moving an in-phase feed by δ toward the dish adds k·δ·cos θ to the aperture
// phase: the phase efficiency is |∫√G·e^(jkδcos θ)·tan(θ/2)|² / (∫√G·tan(θ/2))².
TEST(DishIllumination, AnOffsetFeedLosesToPhase) {
  TabulatedFeed feed = tabulated(cos_power(2), cos_power(2), 90.0);
  feed.frequency_hz = 10e9;
  const double k = 2.0 * kPi / wavelength(feed.frequency_hz);
  const double edge = 64.0;
  for (const double delta : {0.005, -0.01, 0.03}) {
    const DishIllumination row = dish_illumination(feed, {&edge, 1}, {delta}).front();
    const auto integral = [&](bool with_phase) {
      return test::gauss_legendre<test::Complex>(
          [&](long double t) {
            const long double weight = std::cos(t) * std::tan(t / 2);
            return with_phase ? std::polar(weight, static_cast<long double>(k * delta) * std::cos(t))
                              : test::Complex(weight, 0.0L);
          },
          0.0L, edge * kDegree, 200);
    };
    const long double expected = std::norm(integral(true)) / std::norm(integral(false));
    EXPECT_NEAR(row.phase, static_cast<double>(expected), 1e-6) << delta;
    EXPECT_LT(row.phase, 1.0);
  }
}

// A horn: the aperture efficiency against a brute-force integration of its
// field (the aperture integrals multiplied, the obliquity, the phase moved to
// its common phase centre) over the dish and over the whole sphere.
TEST(DishIllumination, HornAgainstBruteForceIntegration) {
  const double frequency = 10e9;
  const double lambda = wavelength(frequency);
  const Horn horn = make_horn(0.03087, 0.02258, 0.0225, find_waveguide("WR-90"));
  const double B_H = horn.aperture_width / lambda, B_E = horn.aperture_height / lambda;
  const double s_H = phase_deviation(horn, Plane::h, frequency), s_E = phase_deviation(horn, Plane::e, frequency);
  const double kd = 2.0 * kPi / lambda * phase_center(horn, frequency).common;
  const auto field = [&](long double theta, long double phi) {
    const double v = std::sin(static_cast<double>(theta));
    return test::aperture_field(true, s_H, B_H * v * std::cos(static_cast<double>(phi))) *
           test::aperture_field(false, s_E, B_E * v * std::sin(static_cast<double>(phi))) *
           static_cast<long double>((1.0 + std::cos(static_cast<double>(theta))) / 2.0);
  };
  const auto over_phi = [&](auto f) { return 4.0L * test::gauss_legendre<decltype(f(0.0L))>(f, 0.0L, test::kPi / 2, 6); };
  const long double total = test::gauss_legendre<long double>(
      [&](long double t) { return over_phi([&](long double p) { return std::norm(field(t, p)); }) * std::sin(t); }, 0.0L,
      test::kPi, 12);
  for (const double edge : {50.0, 64.0}) {
    const test::Complex sum = test::gauss_legendre<test::Complex>(
        [&](long double t) {
          return over_phi([&](long double p) { return field(t, p); }) * std::polar(1.0L, kd * std::cos(t)) *
                 std::tan(t / 2);
        },
        0.0L, edge * kDegree, 8);
    const double cot = 1.0 / std::tan(edge * kDegree / 2.0);
    const double expected = cot * cot * static_cast<double>(std::norm(sum) / total) / kPi;
    const DishIllumination row = dish_illumination(horn, frequency, {&edge, 1}).front();
    EXPECT_NEAR(row.aperture, expected, 1e-4) << edge;
    for (const double part : {row.spillover, row.taper, row.phase, row.polarization, row.aperture}) {
      EXPECT_GT(part, 0.0);
      EXPECT_LE(part, 1.0);
    }
  }
}

TEST(DishIllumination, GeometryAndRefusals) {
  EXPECT_NEAR(dish_edge_angle_deg(0.25), 90.0, 1e-12);
  EXPECT_NEAR(dish_edge_angle_deg(0.4), 2.0 * std::atan(0.625) / kDegree, 1e-12);
  EXPECT_NEAR(dish_f_over_d(dish_edge_angle_deg(0.37)), 0.37, 1e-15);
  const Horn horn = make_horn(0.11, 0.08, 0.2, find_waveguide("WR-90"));
  TabulatedFeed unordered = tabulated(cos_power(2), cos_power(2), 10.0);
  std::swap(unordered.angles_deg[2], unordered.angles_deg[3]);
  testing::expect_rejections<InvalidArgument>({
      {[] { (void)dish_edge_angle_deg(0.0); }, "f/D 0 is not positive and finite"},
      {[] { (void)dish_f_over_d(180.0); }, "edge angle 180 degrees is not between 0 and 180"},
      {[&] { (void)dish_illumination(horn, 10e9, std::vector<double>{-5.0}); },
       "edge angle -5 degrees is not between 0 and 180"},
      {[] { (void)dish_illumination(make_horn(6.0, 1.0, 50.0, find_waveguide("WR-90")), 10e9, std::vector<double>{60.0}); },
       "aperture width 6 m (200.1 wavelengths, phase deviation 2.985) is too large for the dish integrals: a plane's "
       "size in wavelengths plus four times its phase deviation may be up to 60"},
      {[&] { (void)dish_illumination(unordered, std::vector<double>{60.0}); },
       "pattern angle 0.5 degrees (row 4) does not follow 0.75 in ascending order"},
      {[&] { (void)dish_illumination(tabulated(cos_power(2), cos_power(2), 10.0), std::vector<double>{60.0}, {0.01}); },
       "a feed offset of 0.01 m needs the pattern's frequency, not 0 Hz"},
  });
}

// A level far below any feed's (a null written as -3e14 dB) counts as no
// field: the dish is what it is with that level left empty, where
// interpolating in dB toward it left the integrals no power at all.
TEST(DishIllumination, LevelsFarBelowAreNoField) {
  const auto feed = [](double null_db) {
    return TabulatedFeed{{-45.0, 0.0, 81.0}, {-3.0, 59.0, null_db}, {-4.0, 59.0, kNoField}, {}, {}, 0.0};
  };
  const std::vector<double> edges = {30.0, 64.0, 120.0};
  const std::vector<DishIllumination> deep = dish_illumination(feed(-3.1e14), edges);
  const std::vector<DishIllumination> empty = dish_illumination(feed(kNoField), edges);
  for (std::size_t i = 0; i < edges.size(); ++i) {
    EXPECT_EQ(deep[i].aperture, empty[i].aperture);
    EXPECT_EQ(deep[i].spillover, empty[i].spillover);
    EXPECT_GT(deep[i].aperture, 0.0);
  }
  EXPECT_NE(dish_illumination(feed(-999.0), edges)[1].spillover, empty[1].spillover);  // still a level
}

}  // namespace
}  // namespace tarniq
