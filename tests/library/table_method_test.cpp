// Tests of the table-method beamwidths: the interactive analysis on the same horn, every level, its gaps.
#include "tarniq/table_method.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>

#include "tarniq/design.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

const Waveguide kXBandFeed{0.9 * metres_per_inch, 0.4 * metres_per_inch, ""};
constexpr std::array<double, 5> kLevels = {half_power_db, 10.0, 0.5, 1.0, 2.0};  // level codes 1 to 5

struct InchHorn {
  double FGHZ, AH, AE, RH, RE;  // GHz and inches, in the interactive analysis' order
  std::array<double, 5> EBW, HBW;  // its beamwidths by level code, to float precision
};

Horn to_horn(const InchHorn& r) {
  return make_horn_from_slant_radii(r.AH * metres_per_inch, r.AE * metres_per_inch,
                                    r.RH * metres_per_inch, r.RE * metres_per_inch, kXBandFeed);
}

// Every level of both planes is the interactive analysis' value for the horn
// converted to inches and GHz: inside the table, and past it, where the
// extrapolated 0.5 dB H-plane factor turns negative and is returned as it is.
TEST(TableBeamwidth, EqualsTheInteractiveAnalysis) {
  const InchHorn rows[] = {
      {10.0, 10.0, 8.0, 20.0, 20.0,
       {8.53849697, 27.6603184, 3.40830612, 4.83081532, 6.87944317},
       {11.0650454, 24.7791672, 4.23003483, 6.04376173, 8.75394821}},
      {10.0, 4.220, 1.978, 7.545, 7.212,
       {29.9641705, 51.4785233, 12.4350653, 17.525568, 24.6088009},
       {19.9977531, 37.0211716, 8.18041039, 11.5581894, 16.3189831}},
      {30.0, 10.0, 8.0, 20.0, 20.0,
       {101.697937, 60.0186462, 4.84264231, 8.41713238, 21.3860149},
       {18.0354767, 28.5933056, -0.697087586, 4.97301531, 12.2202454}},
  };
  for (const InchHorn& r : rows) {
    const Horn horn = to_horn(r);
    for (std::size_t k = 0; k < kLevels.size(); ++k) {
      SCOPED_TRACE(testing::Message() << r.FGHZ << " GHz, " << kLevels[k] << " dB");
      const double f = r.FGHZ * hertz_per_gigahertz;
      EXPECT_FLOAT_EQ(static_cast<float>(*table_beamwidth(horn, f, Plane::e, kLevels[k])),
                      static_cast<float>(r.EBW[k]));
      EXPECT_FLOAT_EQ(static_cast<float>(*table_beamwidth(horn, f, Plane::h, kLevels[k])),
                      static_cast<float>(r.HBW[k]));
    }
  }
}

// Where a plane's 10 dB point has no real angle the analysis estimates it (a
// negative width) and leaves the 0.5, 1 and 2 dB elements as sines; those are
// returned converted to degrees like every other width, so the widths still
// grow with the level. Where the analysis has no number (NaN), no width.
TEST(TableBeamwidth, EstimatedAndMissingWidths) {
  const Horn horn = make_horn_from_slant_radii(4.0 * metres_per_inch, 3.0 * metres_per_inch,
                                               10.0 * metres_per_inch, 10.0 * metres_per_inch, kXBandFeed);
  for (const Plane plane : {Plane::e, Plane::h}) {
    EXPECT_NEAR(*table_beamwidth(horn, 2e9, plane, 10.0), plane == Plane::e ? -159.397 : -160.409, 0.001);
    const double w05 = *table_beamwidth(horn, 2e9, plane, 0.5);
    const double w1 = *table_beamwidth(horn, 2e9, plane, 1.0);
    const double w2 = *table_beamwidth(horn, 2e9, plane, 2.0);
    const double w3 = *table_beamwidth(horn, 2e9, plane, half_power_db);
    EXPECT_GT(w05, 20.0);  // degrees, not a sine
    EXPECT_LT(w05, w1);
    EXPECT_LT(w1, w2);
    EXPECT_LT(w2, w3);
  }
  const Horn tiny = make_horn_from_slant_radii(0.3 * metres_per_inch, 0.3 * metres_per_inch,
                                               100.0 * metres_per_inch, 100.0 * metres_per_inch,
                                               Waveguide{0.1 * metres_per_inch, 0.1 * metres_per_inch, ""});
  EXPECT_EQ(table_beamwidth(tiny, 10e9, Plane::e, half_power_db), std::nullopt);
  EXPECT_EQ(table_beamwidth(tiny, 10e9, Plane::h, 10.0), std::nullopt);
}

// One rule says which levels the table has, the same for its beamwidths and
// its designs: the level's single-precision value is one of the table's.
TEST(TableLevels, OneRuleInSinglePrecision) {
  const Horn horn = make_horn(0.1, 0.08, 0.2, kXBandFeed);
  const struct {
    double level;
    bool tabulated;
  } cases[] = {
      {half_power_db, true}, {0.5, true},  {1.0, true},       {2.0, true},        {10.0, true},
      {10.0000001, true},    {3.0, false}, {3.0100004, false}, {4.0, false},       {20.0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    EXPECT_EQ(is_table_level(c.level), c.tabulated);
    const RectangularPrescription prescription{30.0, 20.0, c.level, 0.25, 10e9, kXBandFeed};
    if (c.tabulated) {
      EXPECT_NO_THROW((void)table_beamwidth(horn, 10e9, Plane::e, c.level));
      EXPECT_NO_THROW((void)design_rectangular(prescription, {DesignMethod::table}));
    } else {
      EXPECT_THROW((void)table_beamwidth(horn, 10e9, Plane::e, c.level), InvalidArgument);
      EXPECT_THROW((void)design_rectangular(prescription, {DesignMethod::table}), InvalidArgument);
    }
  }
}

}  // namespace
}  // namespace tarniq
