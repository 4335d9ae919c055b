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

// The order of evaluation fixes the last bit: each Lagrange weight multiplies
// by (X - XT[j]) before it divides by (XT[i] - XT[j]), rounding every partial
// product to float. Three rows of the E-plane 3.01 dB column; dividing first
// gives results one unit in the last place away at each of these X.
TEST(DesignAlgip, RoundingOrderFixesTheLastBit) {
  const std::array<float, 3> xt = {0.22f, 0.24f, 0.26f};
  const std::array<float, 3> yt = {0.462968f, 0.467587f, 0.472983f};
  const std::pair<float, float> cases[] = {
      {0x1.c2f838p-3f, 0x1.da1f64p-2f},  // X = 0.2202
      {0x1.c46738p-3f, 0x1.da4668p-2f},  // X = 0.2209
      {0x1.c63f14p-3f, 0x1.da78eap-2f},  // X = 0.2218
      {0x1.c6a7fp-3f, 0x1.da8434p-2f},   // X = 0.2220
  };
  for (const auto& [x, expected] : cases) EXPECT_EQ(ALGIP(x, xt, yt, 3), expected) << std::hexfloat << x;
}

}  // namespace
}  // namespace tarniq::numerics
