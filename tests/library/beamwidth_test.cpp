// Tests of the pattern-true beamwidths: the definition on the pattern, the table method inside and beyond its range.
#include "tarniq/beamwidth.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tarniq/pattern.hpp"
#include "tarniq/table_method.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

constexpr double kFrequency = 10e9;
const Waveguide kXBandFeed{0.9 * metres_per_inch, 0.4 * metres_per_inch, ""};

Horn inch_horn(double AH, double AE, double RH, double RE) {
  return make_horn_from_slant_radii(AH * metres_per_inch, AE * metres_per_inch, RH * metres_per_inch,
                                    RE * metres_per_inch, kXBandFeed);
}

// A horn given by its aperture (wavelengths) and phase deviation, the same in both planes.
Horn shaped_horn(double B, double s) {
  const double lambda = wavelength(kFrequency);
  const double A = B * lambda;
  const double R = A * A / (8.0 * lambda * s);
  return make_horn_from_slant_radii(A, A, R, R, Waveguide{0.4 * A, 0.4 * A, ""});
}

// The interactive program's X-band design (30° E, 20° H at 3 dB, S = 0.25):
// its analysis and the pattern agree to a few hundredths of a degree.
TEST(Beamwidth, XBandDesignAgreesWithTheTableMethod) {
  const Horn horn = inch_horn(4.220, 1.978, 7.545, 7.212);
  const Beamwidths bw = beamwidths(horn, kFrequency, half_power_db);
  ASSERT_TRUE(bw.e_plane && bw.h_plane);
  EXPECT_NEAR(*bw.e_plane, 30.0, 0.01);
  EXPECT_NEAR(*bw.h_plane, 20.0, 0.01);
  EXPECT_NEAR(*bw.e_plane, *table_beamwidth(horn, kFrequency, Plane::e, half_power_db), 0.04);
  EXPECT_NEAR(*bw.h_plane, *table_beamwidth(horn, kFrequency, Plane::h, half_power_db), 0.04);
}

// Inside the universal table, for beams under 30° at the phase deviations
// designs use (E plane up to 0.23, H plane up to 0.5 wavelength), the table
// method is within 0.35 % of the pattern's 3 dB beamwidth (0.1° at 30°). It
// drifts further with the width of the beam and towards the end of the
// E-plane table (up to about 4 % near s = 0.46).
TEST(Beamwidth, InsideTheTableFollowsTheTableMethod) {
  for (double B = 2.5; B < 25.0; B *= 1.3) {
    for (const double s : {0.02, 0.12, 0.23, 0.36, 0.5}) {
      const Horn horn = shaped_horn(B, s);
      for (const Plane plane : {Plane::e, Plane::h}) {
        if (plane == Plane::e && s > 0.23) continue;
        const std::optional<double> pattern = beamwidth(horn, kFrequency, plane, half_power_db);
        const std::optional<double> table = table_beamwidth(horn, kFrequency, plane, half_power_db);
        ASSERT_TRUE(pattern && table);
        if (*pattern > 30.0) continue;
        EXPECT_NEAR(*table, *pattern, 0.0035 * *pattern)
            << "B = " << B << ", s = " << s << (plane == Plane::e ? ", E" : ", H");
      }
    }
  }
}

// Past the table the interactive analysis extrapolates: the 10 × 8 in horn
// with 20 in radii at 30 GHz (s = 1.02 E plane, 1.59 H plane) gets 101.7°
// for its 3 dB E-plane width, while its pattern is 15.6° wide.
TEST(Beamwidth, BeyondTheTableTheTableMethodFails) {
  const Horn horn = inch_horn(10.0, 8.0, 20.0, 20.0);
  const double f = 30e9;
  EXPECT_NEAR(*table_beamwidth(horn, f, Plane::e, half_power_db), 101.70, 0.005);
  EXPECT_NEAR(*beamwidth(horn, f, Plane::e, half_power_db), 15.60, 0.005);
  EXPECT_NEAR(*table_beamwidth(horn, f, Plane::h, half_power_db), 18.04, 0.005);
  EXPECT_NEAR(*beamwidth(horn, f, Plane::h, half_power_db), 14.05, 0.005);
}

// The definition, checked on the cut itself sampled every 0.01°: at half the
// beamwidth the cut is the level below its maximum, and between the
// maximum's angle and there it stays above. Covered: 30 dB widths that end
// in a null narrower than the search's sampling, off-boresight maxima (large
// s), wide beams.
TEST(Beamwidth, IsWhereTheCutFirstFallsTheLevel) {
  struct Case {
    double B, s, level;
    Plane plane;
  };
  const Case cases[] = {
      {3.39, 0.1, 30.0, Plane::e}, {6.25, 0.2, 30.0, Plane::h}, {10.0, 0.01, 40.0, Plane::e},
      {10.0, 1.2, half_power_db, Plane::e},  {10.0, 1.2, 10.0, Plane::h}, {30.0, 2.0, half_power_db, Plane::e},
      {2.0, 0.3, 10.0, Plane::h},  {6.0, 0.25, 20.0, Plane::e},
  };
  std::vector<double> angles;
  for (int i = 0; i <= 9000; ++i) angles.push_back(0.01 * i);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "B = " << c.B << ", s = " << c.s << ", " << c.level << " dB");
    const Horn horn = shaped_horn(c.B, c.s);
    const std::optional<double> bw = beamwidth(horn, kFrequency, c.plane, c.level);
    ASSERT_TRUE(bw);
    const std::vector<double> cut = pattern_cut(horn, kFrequency, c.plane, angles);
    const auto peak = std::max_element(cut.begin(), cut.end());
    const double floor = *peak - c.level;
    const double edge = *bw / 2.0;
    const double at_edge = pattern_cut(horn, kFrequency, c.plane, std::vector<double>{edge})[0];
    EXPECT_NEAR(at_edge, floor, 1e-4);
    for (auto i = static_cast<std::size_t>(peak - cut.begin()); angles[i] < edge - 1e-3; ++i)
      ASSERT_GT(cut[i], floor) << "at " << angles[i];
  }
}

// The half-width by brute force: the cut sampled every 0.002° over 0 to
// 90°, its largest sample, the first sample outward at or below the level,
// and bisection between that sample and the one before.
double brute_force_half_width(const Horn& horn, Plane plane, double level) {
  constexpr double step = 0.002;
  std::vector<double> angles;
  for (int i = 0; i <= 45000; ++i) angles.push_back(step * i);
  const std::vector<double> cut = pattern_cut(horn, kFrequency, plane, angles);
  const auto peak = std::max_element(cut.begin(), cut.end());
  const double floor = *peak - level;
  const auto below = std::find_if(peak, cut.end(), [&](double dbi) { return dbi <= floor; });
  if (below == cut.end()) return 90.0;
  double inside = angles[static_cast<std::size_t>(below - cut.begin()) - 1];
  double outside = angles[static_cast<std::size_t>(below - cut.begin())];
  while (outside - inside > 1e-7) {
    const double middle = (inside + outside) / 2.0;
    (pattern_cut(horn, kFrequency, plane, std::vector<double>{middle})[0] > floor ? inside : outside) = middle;
  }
  return inside;
}

// The search against the brute force, to 0.001°, over horns whose beams
// test it: deep levels ending in nulls, off-boresight maxima and shoulders
// (large s), beams from a few degrees to near 180°, apertures of 1 to 53
// wavelengths. A coarser sampling shows here, a looser crossing in the test above.
TEST(Beamwidth, MatchesABruteForceScanOfThePattern) {
  struct Case {
    double B, s, level;
    Plane plane;
  };
  const Case cases[] = {
      {1.2, 0.05, half_power_db, Plane::h}, {2.0, 0.3, 10.0, Plane::h},   {3.39, 0.1, 30.0, Plane::e},
      {4.0, 0.8, 6.0, Plane::e},            {6.25, 0.2, 30.0, Plane::h},  {8.0, 0.45, 13.0, Plane::e},
      {10.0, 0.01, 40.0, Plane::e},         {10.0, 1.2, 10.0, Plane::h},  {12.0, 0.7, 1.0, Plane::e},
      {15.0, 1.6, half_power_db, Plane::h}, {20.0, 0.25, 25.0, Plane::e}, {30.0, 2.0, half_power_db, Plane::e},
      {40.0, 0.1, 20.0, Plane::h},
      // Large apertures at large s, where a search sampling three, two or
      // one and a half times per lobe (instead of ten) goes astray.
      {26.63, 1.659, 40.0, Plane::h},       {30.06, 2.16, 1.0, Plane::e},   {39.26, 1.646, 40.0, Plane::h},
      {43.23, 0.1744, 40.0, Plane::e},      {53.41, 0.9784, 40.0, Plane::h},
  };
  for (const Case& c : cases) {
    const Horn horn = shaped_horn(c.B, c.s);
    const std::optional<double> bw = beamwidth(horn, kFrequency, c.plane, c.level);
    ASSERT_TRUE(bw);
    EXPECT_NEAR(*bw, 2.0 * brute_force_half_width(horn, c.plane, c.level), 0.001)
        << "B = " << c.B << ", s = " << c.s << ", " << c.level << " dB" << (c.plane == Plane::e ? ", E" : ", H");
  }
}

// A level is the dB given, 3 is 3 dB and not half power; a small aperture's
// beam never falls 40 dB within 90°: no width.
TEST(Beamwidth, LevelsAsGivenAndBeamsThatNeverFallThatFar) {
  const Horn horn = shaped_horn(5.0, 0.3);
  EXPECT_GT(*beamwidth(horn, kFrequency, Plane::e, half_power_db), *beamwidth(horn, kFrequency, Plane::e, 3.0));
  EXPECT_GT(*beamwidth(horn, kFrequency, Plane::e, 3.0), *beamwidth(horn, kFrequency, Plane::e, 2.9999999));
  const Horn small = shaped_horn(1.0, 0.05);
  EXPECT_TRUE(beamwidth(small, kFrequency, Plane::e, 3.0));
  const Beamwidths deep = beamwidths(small, kFrequency, 40.0);
  EXPECT_FALSE(deep.e_plane);
  EXPECT_FALSE(deep.h_plane);
}

// Small and electrically large apertures, mild and strong phase error: the
// widths the search gave when it sampled every lobe of the whole cut (to
// 1e-6°). Passing over what cannot hold the peak or the crossing keeps them.
TEST(Beamwidth, LargeAperturesKeepTheWidthsOfAFullScan) {
  struct Case {
    double B, s;
    Plane plane;
    double level, width;
  };
  const Case cases[] = {
      {10.0, 1.0, Plane::e, 10.0, 54.894634},        {100.0, 10.0, Plane::h, half_power_db, 22.834509},
      {100.0, 0.25, Plane::e, 10.0, 1.700160},       {1000.0, 100.0, Plane::h, 10.0, 36.824796},
      {1000.0, 100.0, Plane::e, 10.0, 47.873734},    {1e4, 10.0, Plane::h, half_power_db, 0.229664},
      {1e4, 1000.0, Plane::e, half_power_db, 46.736976}, {1e4, 1000.0, Plane::h, 10.0, 36.822167},
      {1e5, 0.01, Plane::e, half_power_db, 0.000508}, {1e5, 0.25, Plane::e, 10.0, 0.001700},
      {1e5, 100.0, Plane::e, half_power_db, 0.446230}, {1e5, 1000.0, Plane::h, half_power_db, 2.291583},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "B = " << c.B << ", s = " << c.s << ", " << c.level << " dB");
    const std::optional<double> width = beamwidth(shaped_horn(c.B, c.s), kFrequency, c.plane, c.level);
    ASSERT_TRUE(width);
    EXPECT_NEAR(*width, c.width, 2e-6);
  }
}

}  // namespace
}  // namespace tarniq
