// Tests of the pattern cuts: agreement with the integrated aperture field, limits, symmetry and the list forms.
#include "tarniq/pattern.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <span>
#include <vector>

#include "quadrature.hpp"
#include "plane_shapes.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

using testing::horn_of;
using testing::kDegree;
using testing::kFrequency;
using testing::PlaneShape;

std::vector<double> sweep(double from, double to, double step) {
  std::vector<double> angles;
  for (double a = from; a <= to + 1e-9; a += step) angles.push_back(a);
  return angles;
}

// Relative pattern, dB, of the aperture field integrated numerically, with
// the obliquity factor.
double integrated_db(bool cosine, double B, double s, double angle_deg) {
  const double theta = angle_deg * kDegree;
  const double u = B * std::sin(theta);
  const long double ratio = std::norm(test::aperture_field(cosine, s, u)) /
                            std::norm(test::aperture_field(cosine, s, 0.0));
  const double obliquity = (1.0 + std::cos(theta)) / 2.0;
  return 10.0 * std::log10(static_cast<double>(ratio)) + 20.0 * std::log10(obliquity);
}

// Both cuts, minus the boresight gain, follow the numerically integrated
// aperture field to 0.01 dB wherever they are above -40 dB of their maximum:
// apertures from 1 to 40 wavelengths, phase deviations from 0.05 to 1.5 (the
// larger ones put the maximum off boresight), and on either side of 1e-9,
// below which the in-phase patterns sin(πu)/(πu) and cos(πu)/(1 - 4u²) take over.
TEST(PatternCut, FollowsTheIntegratedApertureField) {
  const PlaneShape shapes[] = {
      {1.2, 0.05, 1.1, 0.05}, {3.0, 0.3, 2.0, 0.2},   {10.0, 0.5, 8.0, 0.25},
      {40.0, 1.5, 30.0, 1.0}, {8.0, 1.5, 40.0, 1.5}, {40.0, 0.05, 5.0, 0.75},
      {6.0, 2e-9, 6.0, 5e-10}, {6.0, 1e-12, 6.0, 1e-7},
  };
  const std::vector<double> angles = sweep(-90.0, 90.0, 0.5);
  for (const PlaneShape& p : shapes) {
    const Horn horn = horn_of(p);
    const double gain = gain_dbi(horn, kFrequency);
    for (const Plane plane : {Plane::e, Plane::h}) {
      const bool cosine = plane == Plane::h;
      const double B = cosine ? p.B_H : p.B_E;
      const double s = cosine ? p.s_H : p.s_E;
      const std::vector<double> cut = pattern_cut(horn, kFrequency, plane, angles);
      std::vector<double> reference;
      for (const double a : angles) reference.push_back(integrated_db(cosine, B, s, a));
      const double floor = *std::max_element(reference.begin(), reference.end()) - 40.0;
      for (std::size_t i = 0; i < angles.size(); ++i) {
        if (reference[i] < floor) continue;
        EXPECT_NEAR(cut[i] - gain, reference[i], 0.01)
            << "B = " << B << ", s = " << s << (cosine ? ", H" : ", E") << " at " << angles[i];
      }
    }
  }
}

// The cut is the gain on boresight, even in θ (mirrored angles give the same
// value to the last bit, whether the list is symmetric or not), -infinity
// where the obliquity factor vanishes at ±180°, and never NaN.
TEST(PatternCut, BoresightSymmetryAndBackDirection) {
  const Horn horn = horn_of({4.0, 0.4, 3.0, 0.3});
  const std::vector<double> symmetric = sweep(-180.0, 180.0, 0.25);
  const std::vector<double> one_sided = sweep(0.0, 180.0, 0.25);
  for (const Plane plane : {Plane::e, Plane::h}) {
    const std::vector<double> both = pattern_cut(horn, kFrequency, plane, symmetric);
    const std::vector<double> right = pattern_cut(horn, kFrequency, plane, one_sided);
    const std::size_t centre = symmetric.size() / 2;
    EXPECT_DOUBLE_EQ(both[centre], gain_dbi(horn, kFrequency));
    for (std::size_t i = 0; i < right.size(); ++i) {
      EXPECT_EQ(both[centre + i], right[i]) << "at " << one_sided[i];
      EXPECT_EQ(both[centre - i], right[i]) << "at " << -one_sided[i];
      EXPECT_FALSE(std::isnan(right[i]));
    }
    EXPECT_EQ(right.back(), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(both.front(), -std::numeric_limits<double>::infinity());
  }
}

// pattern_cuts is the two single cuts at the same angles; an empty list
// gives empty cuts.
TEST(PatternCuts, AreTheTwoSingleCuts) {
  const Horn horn = horn_of({10.0, 0.5, 8.0, 0.25});
  const std::vector<double> angles = {-90.0, -12.5, 0.0, 3.0, 45.0, 170.0};
  const PatternCuts cuts = pattern_cuts(horn, kFrequency, angles);
  EXPECT_EQ(cuts.angles_deg, angles);
  EXPECT_EQ(cuts.e_plane_dbi, pattern_cut(horn, kFrequency, Plane::e, angles));
  EXPECT_EQ(cuts.h_plane_dbi, pattern_cut(horn, kFrequency, Plane::h, angles));
  const PatternCuts none = pattern_cuts(horn, kFrequency, {});
  EXPECT_TRUE(none.angles_deg.empty() && none.e_plane_dbi.empty() && none.h_plane_dbi.empty());
}

// Long lists are computed eight angles at a time; each value is still the
// one a list of that angle alone gives, to the last bit: neighbouring angles
// (one vector formula), scattered ones (lanes in different ranges of the
// Fresnel functions), tails shorter than eight, in-phase and very large
// apertures. The form that fills given storage gives the same values and
// refuses storage of another size.
TEST(PatternCut, ManyAnglesAtOnceAreEachAngleAlone) {
  const PlaneShape shapes[] = {{10.0, 0.5, 8.0, 0.25}, {2.0, 0.45, 200.0, 0.01}, {6.0, 1e-12, 6.0, 1e-7},
                               {3000.0, 40.0, 900.0, 2.0}};
  std::mt19937 random(7);
  std::uniform_real_distribution<double> anywhere(-180.0, 180.0);
  std::vector<double> angles;
  for (int i = 0; i < 203; ++i) angles.push_back(anywhere(random));
  for (int i = 0; i < 333; ++i) angles.push_back(-1.0 + 0.0123 * i);
  for (const PlaneShape& p : shapes) {
    const Horn horn = horn_of(p);
    for (const Plane plane : {Plane::e, Plane::h}) {
      const std::vector<double> all = pattern_cut(horn, kFrequency, plane, angles);
      std::vector<double> filled(angles.size());
      pattern_cut(horn, kFrequency, plane, angles, filled);
      EXPECT_EQ(filled, all);
      for (std::size_t i = 0; i < angles.size(); ++i)
        ASSERT_EQ(all[i], pattern_cut(horn, kFrequency, plane, std::span(&angles[i], 1))[0])
            << "B_H = " << p.B_H << (plane == Plane::e ? ", E" : ", H") << " at " << angles[i];
    }
    std::vector<double> short_storage(angles.size() - 1);
    EXPECT_THROW(pattern_cut(horn, kFrequency, Plane::e, angles, short_storage), InvalidArgument);
  }
}

}  // namespace
}  // namespace tarniq
