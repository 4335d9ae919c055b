// Tests of the Lagrange interpolation.
#include "common/algip.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace tarniq::numerics {
namespace {

// No points give 0 and one point a constant, wherever X lies.
TEST(DesignAlgip, DegenerateCounts) {
  const std::array<float, 3> xt = {0.1f, 0.2f, 0.4f};
  const std::array<float, 3> yt = {7.0f, -2.0f, 5.0f};
  for (const float x : {-3.0f, 0.0f, 0.15f, 1e6f}) {
    EXPECT_EQ(ALGIP(x, xt, yt, 0), 0.0f);
    EXPECT_EQ(ALGIP(x, xt, yt, -4), 0.0f);
    EXPECT_EQ(ALGIP(x, xt, yt, 1), 7.0f);
  }
  // A count beyond the spans reads only the points that are there.
  EXPECT_EQ(ALGIP(0.3f, xt, yt, 9), ALGIP(0.3f, xt, yt, 3));
}

// Three points reproduce any quadratic, inside and outside their span and in
// any order of the abscissas, and hit their own ordinates exactly.
TEST(DesignAlgip, ReproducesQuadratics) {
  const auto q = [](double x) { return 2.5 * x * x - 3.0 * x + 0.75; };
  struct NodeSet {
    std::array<float, 3> xt;
    float lo, hi;  // X range checked, reaching past the span on both sides
  };
  const std::vector<NodeSet> node_sets = {
      {{0.0f, 0.02f, 0.04f}, -0.04f, 0.1f},  // the table's spacing
      {{0.9f, 0.35f, 0.1f}, -0.5f, 1.5f},    // falling abscissas
      {{-1.0f, 0.25f, 2.0f}, -2.0f, 3.0f}};  // uneven spacing
  for (const auto& [xt, lo, hi] : node_sets) {
    std::array<float, 3> yt{};
    for (int i = 0; i < 3; ++i) yt[i] = static_cast<float>(q(xt[i]));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ALGIP(xt[i], xt, yt, 3), yt[i]);
    for (int k = 0; k <= 40; ++k) {
      const float x = lo + (hi - lo) * static_cast<float>(k) / 40.0f;
      EXPECT_NEAR(ALGIP(x, xt, yt, 3), q(x), 1e-5 * (1.0 + std::abs(q(x)))) << "x = " << x;
    }
  }
}

}  // namespace
}  // namespace tarniq::numerics
