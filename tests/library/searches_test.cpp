// The library's inner searches: bounds that hold wherever they are taken, and searches that say when they give up.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "aperture_pattern.hpp"
#include "aperture_search.hpp"
#include "pattern_bounds.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::detail {
namespace {

double power(const ApertureCut& cut, double v) { return relative_power(cut, v, std::sqrt(1.0 - v * v)); }

// Over random spans, narrow and wide, of small and large apertures with
// every kind of phase deviation, the power sampled inside the span lies
// within the bounds taken from its ends.
TEST(PatternBounds, HoldAcrossEverySpan) {
  const struct {
    double B, s;
  } cuts[] = {{2.0, 0.0}, {10.0, 0.25}, {100.0, 1e-10}, {300.0, 3.0}, {1e4, 40.0}, {1e4, 2400.0}, {1e5, 0.5}};
  std::mt19937 random(17);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (const auto& c : cuts) {
    for (const Taper taper : {Taper::uniform, Taper::cosine}) {
      SCOPED_TRACE(testing::Message() << "B = " << c.B << ", s = " << c.s << (taper == Taper::uniform ? ", E" : ", H"));
      const ApertureCut cut = make_aperture_cut(c.B, c.s, taper);
      for (int trial = 0; trial < 300; ++trial) {
        // spans from a tenth of a lobe to the whole cut, near boresight more often
        const double width = std::pow(10.0, -1.0 - std::log10(c.B) * unit(random) + std::log10(c.B) * unit(random));
        const double a = std::pow(unit(random), 3.0) * (1.0 - std::min(width, 1.0));
        const double b = std::min(1.0, a + width);
        const PowerBounds bounds = power_bounds(cut, a, power(cut, a), b, power(cut, b));
        for (int i = 0; i <= 200; ++i) {
          const double v = a + (b - a) * i / 200.0;
          const double p = power(cut, v);
          ASSERT_LE(bounds.low, p * (1.0 + 1e-12)) << "span " << a << " to " << b << ", at " << v;
          ASSERT_GE(bounds.high, p * (1.0 - 1e-12)) << "span " << a << " to " << b << ", at " << v;
        }
      }
    }
  }
}

// A search whose steps run out before it brackets the target gives up
// distinctly (SearchFailed), never as "no horn" (an empty answer); one
// whose range ends first finds no aperture.
TEST(ApertureSearch, RunningOutOfStepsIsNotNoSolution) {
  const auto never_gets_there = [](double a) { return 20.0 + 1.0 / a; };  // ever narrower, never 20°
  const auto narrows_then_widens = [](double a) { return 21.0 + (a - 2.0) * (a - 2.0); };
  const auto narrowing = [](double a) { return 40.0 / a; };
  EXPECT_FALSE(aperture_for_beamwidth(narrowing, 1.0, {0.5, 1.5}, 20.0));  // 2 is past the range's end
  EXPECT_NEAR(*aperture_for_beamwidth(narrowing, 1.0, {0.5, 3.0}, 20.0), 2.0, 1e-6);
  EXPECT_FALSE(smallest_aperture_for_beamwidth(narrows_then_widens, 1.0, {0.5, 1e300}, 20.0));  // 21° at best
  for (const bool smallest : {false, true}) {
    SCOPED_TRACE(smallest ? "smallest aperture" : "aperture at a phase deviation");
    try {
      (void)(smallest ? smallest_aperture_for_beamwidth(never_gets_there, 1.0, {0.5, 1e300}, 20.0)
                      : aperture_for_beamwidth(never_gets_there, 1.0, {0.5, 1e300}, 20.0));
      ADD_FAILURE() << "no exception";
    } catch (const SearchFailed& e) {
      const std::string gave_up = "the search for the aperture of a 20° beam stopped after 40 steps, the beam still 20.";
      EXPECT_EQ(std::string(e.what()).rfind(gave_up, 0), 0u) << e.what();
    }
  }
}

}  // namespace
}  // namespace tarniq::detail
