// Tests of feed design: the edge tapers equal the request, the search finds the best design, refusals.
#include "tarniq/feed_design.hpp"

#include <gtest/gtest.h>

#include "rejections.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq {
namespace {

const Waveguide wr90 = find_waveguide("WR-90");

// Both planes' patterns fall exactly the edge taper at the dish's edge, so
// both beamwidths at that level are twice the edge angle.
TEST(FeedDesign, EdgeTapersEqualTheRequest) {
  const struct {
    double f_over_d, taper, s;
  } cases[] = {{0.4, 10.0, 0.05}, {0.6, 12.0, 0.1}, {1.0, 8.0, 0.05}, {0.35, 14.0, 0.05}};
  for (const auto& c : cases) {
    const double edge = dish_edge_angle_deg(c.f_over_d);
    const FeedDesign feed = design_feed({edge, c.taper, c.s, 10e9, wr90});
    EXPECT_NEAR(feed.dish.e_edge_taper_db, -c.taper, 0.01) << c.f_over_d;
    EXPECT_NEAR(feed.dish.h_edge_taper_db, -c.taper, 0.01) << c.f_over_d;
    const Beamwidths widths = beamwidths(feed.design.horn, 10e9, c.taper);
    EXPECT_NEAR(*widths.e_plane, 2.0 * edge, 0.01);
    EXPECT_NEAR(*widths.h_plane, 2.0 * edge, 0.01);
    EXPECT_DOUBLE_EQ(feed.dish.edge_angle_deg, edge);
  }
}

// No design in a grid of S and taper beats the searched optimum; the search
// over S alone keeps the given taper.
TEST(FeedDesign, TheSearchFindsTheMostEfficientDesign) {
  const double edge = dish_edge_angle_deg(0.6);
  const FeedPrescription p{edge, 10.0, 0.25, 10e9, wr90};
  const FeedDesign best = design_best_feed(p, FeedSearch::phase_deviation_and_edge_taper);
  const FeedDesign at_taper = design_best_feed(p, FeedSearch::phase_deviation);
  EXPECT_EQ(at_taper.edge_taper_db, 10.0);
  EXPECT_GE(best.dish.aperture, at_taper.dish.aperture - 1e-9);
  for (const double taper : {6.0, 8.0, 10.0, 11.0, 12.0, 13.0, 16.0}) {
    for (const double s : {0.05, 0.1, 0.2, 0.3, 0.5}) {
      try {
        const FeedDesign feed = design_feed({edge, taper, s, 10e9, wr90});
        EXPECT_LE(feed.dish.aperture, best.dish.aperture + 1e-4) << taper << " dB, S " << s;
        if (taper == 10.0) {
          EXPECT_LE(feed.dish.aperture, at_taper.dish.aperture + 1e-4) << "S " << s;
        }
      } catch (const NoSolution&) {
      }
    }
  }
}

TEST(FeedDesign, Refusals) {
  testing::expect_rejections<InvalidArgument>({
      {[] { (void)design_feed({95.0, 10.0, 0.1, 10e9, wr90}); },
       "edge angle 95 degrees is not between 0 and 90: a horn's beamwidth is measured within ±90°"},
      {[] { (void)design_feed({60.0, -1.0, 0.1, 10e9, wr90}); }, "edge taper -1 dB is not positive and finite"},
  });
  // A feed waveguide wider than the aperture such a wide beam needs.
  EXPECT_THROW((void)design_best_feed({80.0, 10.0, 0.1, 10e9, find_waveguide("WR-284")},
                                      FeedSearch::phase_deviation_and_edge_taper),
               NoSolution);
}

}  // namespace
}  // namespace tarniq
