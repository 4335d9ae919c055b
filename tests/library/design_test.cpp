// Tests of the beamwidth designs: the table method as the interactive program, the pattern method exact.
#include "tarniq/design.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "tarniq/beamwidth.hpp"
#include "library/rejections.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/gain_design.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq {
namespace {

constexpr double kGHz = hertz_per_gigahertz;
constexpr double kInch = metres_per_inch;
const Waveguide kXBand{0.9 * kInch, 0.4 * kInch, "WR-90"};
const Waveguide kSquareFeed{0.9 * kInch, 0.9 * kInch, ""};

// A length of a table design in the interactive program's single-precision inches.
float inches(double metres) { return static_cast<float>(metres / kInch); }

// The table method is the interactive program's design, value for value:
// each length, converted back to inches, is the same float. The X-band
// rows print in the program's table as 4.220 1.978 7.545 7.212 5.699 and
// 3.161 4.234 2.810 (square).
TEST(TableMethod, IsTheInteractiveProgramsDesign) {
  struct Row {
    const char* name;
    RectangularPrescription prescription;
    float AH, AE, RH, RE, AXL;
  };
  const Row rows[] = {
      {"X band, H plane narrower", {30.0, 20.0, half_power_db, 0.25, 10.0 * kGHz, kXBand},
       4.22028446f, 1.97805381f, 7.54512644f, 7.21196842f, 5.69921303f},
      {"X band, E plane narrower", {20.0, 30.0, half_power_db, 0.25, 10.0 * kGHz, kXBand},
       2.69371748f, 3.1614995f, 5.32571745f, 4.23418093f, 3.43105769f},
      {"10 dB, S = 0.21", {15.0, 25.0, 10.0, 0.21, 10.0 * kGHz, kXBand},
       5.6665163f, 7.08089399f, 28.2254791f, 25.2859936f, 23.62257f},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const HornDesign d = design_rectangular(r.prescription, {DesignMethod::table});
    EXPECT_EQ(inches(d.horn.aperture_width), r.AH);
    EXPECT_EQ(inches(d.horn.aperture_height), r.AE);
    EXPECT_EQ(inches(d.horn.h_slant_radius), r.RH);
    EXPECT_EQ(inches(d.horn.e_slant_radius), r.RE);
    EXPECT_EQ(inches(d.axial_length), r.AXL);
  }
  struct SquareRow {
    SquarePrescription prescription;
    float A, R, AXL;
  };
  const SquareRow squares[] = {
      {{20.0, SquarePlane::e, half_power_db, 0.25, 10.0 * kGHz, kSquareFeed}, 3.1614995f, 4.23418093f, 2.80982661f},
      {{20.0, SquarePlane::average, 10.0, 0.25, 10.0 * kGHz, kSquareFeed},
       8.91247463f, 33.6495857f, 29.985136f},
  };
  for (const SquareRow& r : squares) {
    const HornDesign d = design_square(r.prescription, {DesignMethod::table});
    EXPECT_EQ(inches(d.horn.aperture_width), r.A);
    EXPECT_EQ(inches(d.horn.aperture_height), r.A);
    EXPECT_EQ(inches(d.horn.h_slant_radius), r.R);
    EXPECT_EQ(inches(d.horn.e_slant_radius), r.R);
    EXPECT_EQ(inches(d.axial_length), r.AXL);
  }
}

// The table method's single-precision lengths make a horn that can be built:
// even a short horn, whose axial lengths come from nearly equal slant
// radius and half aperture, raises no unequal_axial_lengths warning.
TEST(TableMethod, DesignsNeedOneAxialLength) {
  const double f = 10.0 * kGHz;
  for (double s = 0.20; s <= 0.305; s += 0.01) {
    const HornDesign d = design_rectangular({45.0, 50.0, half_power_db, s, f, kXBand}, {DesignMethod::table});
    for (const Warning& w : horn_warnings(d.horn, f, {DesignMethod::table}))
      EXPECT_NE(w.code, WarningCode::unequal_axial_lengths) << "S " << s << ": " << w.message;
  }
}

// The pattern method's designs, analysed again, have the prescribed
// beamwidths, the S plane the prescribed phase deviation, and both
// planes one axial length; across levels, which plane is narrower, the
// square horn's three planes and phase deviations.
TEST(PatternMethod, AnalysedAgainGivesThePrescription) {
  struct Row {
    double e, h, level, s, ghz;
  };
  const Row rectangular[] = {
      {20.0, 30.0, half_power_db, 0.25, 10.0}, {30.0, 20.0, half_power_db, 0.25, 10.0}, {15.0, 25.0, 10.0, 0.21, 10.0},
      {40.0, 25.0, 10.0, 0.1, 10.0}, {12.0, 12.0, half_power_db, 0.15, 9.0},  {25.0, 60.0, 10.0, 0.05, 12.0},
      {10.0, 14.0, half_power_db, 0.6, 10.0},  {50.0, 35.0, half_power_db, 0.15, 8.5},
  };
  for (const Row& r : rectangular) {
    SCOPED_TRACE("E " + std::to_string(r.e) + ", H " + std::to_string(r.h) + " at " +
                 std::to_string(r.level) + " dB, S " + std::to_string(r.s));
    const double f = r.ghz * kGHz;
    const HornDesign d = design_rectangular({r.e, r.h, r.level, r.s, f, kXBand});
    EXPECT_NEAR(*beamwidth(d.horn, f, Plane::e, r.level), r.e, 0.001);
    EXPECT_NEAR(*beamwidth(d.horn, f, Plane::h, r.level), r.h, 0.001);
    EXPECT_NEAR(phase_deviation(d.horn, d.s_plane, f), r.s, 1e-12);
    EXPECT_NEAR(axial_length(d.horn, Plane::e), d.axial_length, 1e-12 * d.axial_length);
    EXPECT_NEAR(axial_length(d.horn, Plane::h), d.axial_length, 1e-12 * d.axial_length);
  }
  struct SquareRow {
    double bw;
    SquarePlane plane;
    double level, s;
  };
  const SquareRow squares[] = {
      {20.0, SquarePlane::e, half_power_db, 0.25},       {20.0, SquarePlane::h, half_power_db, 0.25},
      {20.0, SquarePlane::average, half_power_db, 0.25}, {30.0, SquarePlane::e, 10.0, 0.1},
      {30.0, SquarePlane::h, 10.0, 0.4},       {30.0, SquarePlane::average, 10.0, 0.2},
  };
  const double f = 10.0 * kGHz;
  for (const SquareRow& r : squares) {
    SCOPED_TRACE(std::to_string(r.bw) + " degrees, plane " + std::to_string(static_cast<int>(r.plane)) +
                 " at " + std::to_string(r.level) + " dB, S " + std::to_string(r.s));
    const HornDesign d = design_square({r.bw, r.plane, r.level, r.s, f, kSquareFeed});
    const Beamwidths both = beamwidths(d.horn, f, r.level);
    const double achieved = r.plane == SquarePlane::e   ? *both.e_plane
                            : r.plane == SquarePlane::h ? *both.h_plane
                                                        : (*both.e_plane + *both.h_plane) / 2.0;
    EXPECT_NEAR(achieved, r.bw, 0.001);
    EXPECT_EQ(d.horn.aperture_width, d.horn.aperture_height);
    EXPECT_EQ(d.horn.h_slant_radius, d.horn.e_slant_radius);
    EXPECT_NEAR(phase_deviation(d.horn, Plane::e, f), r.s, 1e-12);
    EXPECT_NEAR(axial_length(d.horn, Plane::e), d.axial_length, 1e-12 * d.axial_length);
  }
}

// Equal and near-equal beams design at every S from 0.1 to 0.5. S belongs to
// the plane with the larger aperture, which sets the axial length: for equal
// beams the H plane, whose tapered illumination needs the larger aperture, up
// to E < H < about 1.3 E. Taken on the narrower beam (E on a tie), 20°/20°
// failed from S = 0.22 on: the H plane's flare of the E plane's length could
// not narrow its beam to 20°.
TEST(PatternMethod, EqualAndNearEqualBeamsDesignAtEveryS) {
  const double f = 10.0 * kGHz;
  const struct {
    double e, h;
  } pairs[] = {{20.0, 20.0}, {20.0, 21.0}, {21.0, 20.0}, {20.0, 25.0}, {12.0, 14.0}, {30.0, 33.0}};
  for (const auto& p : pairs) {
    for (int i = 0; i <= 8; ++i) {
      const double s = 0.1 + 0.05 * i;
      SCOPED_TRACE(::testing::Message() << "E " << p.e << ", H " << p.h << ", S " << s);
      const HornDesign d = design_rectangular({p.e, p.h, half_power_db, s, f, kXBand});
      EXPECT_NEAR(phase_deviation(d.horn, d.s_plane, f), s, 1e-12);
      // Where the apertures are close (20°/25° from S = 0.35 on), only S in the E plane gives a horn.
      if (std::abs(p.e - p.h) <= 1.0 && s <= 0.45) {
        EXPECT_EQ(d.s_plane, Plane::h);
        EXPECT_GT(d.horn.aperture_width, d.horn.aperture_height);
      }
    }
  }
}

// The wider plane takes the smallest flare that works: every narrower
// aperture of the same axial length gives a wider beam.
TEST(PatternMethod, WiderPlaneTakesTheSmallestFlare) {
  const double f = 10.0 * kGHz;
  for (const RectangularPrescription& prescription : {RectangularPrescription{15.0, 25.0, 10.0, 0.21, f, kXBand},
                                      RectangularPrescription{20.0, 30.0, half_power_db, 0.25, f, kXBand}}) {
    const HornDesign d = design_rectangular(prescription);
    for (int i = 1; i < 40; ++i) {
      const double width = kXBand.width + (d.horn.aperture_width - kXBand.width) * i / 40.0;
      const Horn narrower = make_horn(width, d.horn.aperture_height, d.axial_length, kXBand);
      const std::optional<double> bw = beamwidth(narrower, f, Plane::h, prescription.level_db);
      if (bw) {
        EXPECT_GT(*bw, prescription.h_beamwidth_deg) << "width " << width;
      }
    }
  }
}

// The fault that brought in the pattern method: the table method's 15°/25°
// 10 dB design at S = 0.21 has an E-plane pattern about 16.3° wide, 8 % off;
// the pattern method's is 15.00°. Inside the table's range the two methods
// agree to a few tenths of a percent.
TEST(PatternMethod, MeetsWhatTheTableMethodMisses) {
  const double f = 10.0 * kGHz;
  const RectangularPrescription prescription{15.0, 25.0, 10.0, 0.21, f, kXBand};
  const HornDesign by_table = design_rectangular(prescription, {DesignMethod::table});
  EXPECT_NEAR(*beamwidth(by_table.horn, f, Plane::e, 10.0), 16.3, 0.1);
  const HornDesign by_pattern = design_rectangular(prescription, {DesignMethod::pattern});
  EXPECT_NEAR(*beamwidth(by_pattern.horn, f, Plane::e, 10.0), 15.0, 0.001);

  const RectangularPrescription x_band{30.0, 20.0, half_power_db, 0.25, f, kXBand};
  const HornDesign table = design_rectangular(x_band, {DesignMethod::table});
  const HornDesign pattern = design_rectangular(x_band, {DesignMethod::pattern});
  EXPECT_NEAR(pattern.horn.aperture_width, table.horn.aperture_width, 5e-3 * table.horn.aperture_width);
  EXPECT_NEAR(pattern.horn.aperture_height, table.horn.aperture_height, 5e-3 * table.horn.aperture_height);
  EXPECT_NEAR(pattern.axial_length, table.axial_length, 1e-2 * table.axial_length);
  EXPECT_TRUE(horn_warnings(pattern.horn, f).empty());
}

// Prescriptions that no horn meets: a beam wider than the smallest aperture
// gives, in the S plane or the other one, held to the S plane's axial length.
// (The message of the preferred S plane, the larger aperture's.)
TEST(Designs, ReportWhatCannotBeMet) {
  const double f = 10.0 * kGHz;
  for (const DesignMethod method : {DesignMethod::pattern, DesignMethod::table})
    EXPECT_THROW(design_rectangular({170.0, 175.0, half_power_db, 0.25, f, kXBand}, {method}), NoSolution);
  testing::expect_rejections<NoSolution>({
      {[&] { (void)design_rectangular({170.0, 175.0, half_power_db, 0.25, f, kXBand}); },
       "no horn meets E plane 170°, H plane 175° at 3.01 dB, 10 GHz, phase deviation 0.25: the smallest H-plane "
       "flare at that phase deviation (aperture 0.02998 m) already gives a narrower beam, 66.2703°"},
      {[&] { (void)design_square({175.0, SquarePlane::h, half_power_db, 0.25, f, kSquareFeed}); },
       "no horn meets H plane 175° at 3.01 dB, 10 GHz, phase deviation 0.25: the smallest flare at that phase "
       "deviation (aperture 0.02998 m) already gives a narrower beam, 66.2703°"},
      {[&] { (void)design_rectangular({7.0, 40.0, 0.5, 0.06, f, kXBand}); },
       "no horn meets E plane 7°, H plane 40° at 0.5 dB, 10 GHz, phase deviation 0.06: the smallest H-plane "
       "flare of the axial length 0.507 m (aperture 0.02286 m) already gives a narrower beam, 31.0519°"},
  });
}

// Every public call of the catalogue, warnings and designs refuses a bad
// argument with InvalidArgument naming it, before any arithmetic.
TEST(BadArguments, AreRejectedWithTheirValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double f = 10.0 * kGHz;
  const Horn horn = make_horn(0.1, 0.08, 0.2, kXBand);
  Horn broken = horn;
  broken.aperture_width = 0.01;
  const Waveguide flat{0.02, -0.01, ""};
  testing::expect_rejections<InvalidArgument>({
      {[&] { (void)te10_cutoff(flat); }, "waveguide height -0.01 m is not positive and finite"},
      {[&] { (void)te20_cutoff(Waveguide{nan, 0.01, ""}); }, "waveguide width nan m is not positive and finite"},
      {[&] { (void)waveguides_for_frequency(-1.0); }, "frequency -1 Hz is not positive and finite"},
      {[&] { (void)te11_cutoff(Waveguide{0.0, 0.01, "WR-0"}); }, "waveguide width 0 m is not positive and finite"},
      {[&] { (void)horn_warnings(horn, 0.0); }, "frequency 0 Hz is not positive and finite"},
      {[&] { (void)horn_warnings(broken, f); },
       "aperture width 0.01 m is not larger than the waveguide width 0.02286 m"},
      {[&] { (void)design_rectangular({0.0, 20.0, half_power_db, 0.25, f, kXBand}); },
       "E-plane beamwidth 0 degrees is not between 0 and 180"},
      {[&] { (void)design_rectangular({30.0, 180.0, half_power_db, 0.25, f, kXBand}, {DesignMethod::table}); },
       "H-plane beamwidth 180 degrees is not between 0 and 180"},
      {[&] { (void)design_rectangular({30.0, nan, half_power_db, 0.25, f, kXBand}); },
       "H-plane beamwidth nan degrees is not between 0 and 180"},
      {[&] { (void)design_rectangular({30.0, 20.0, -3.0, 0.25, f, kXBand}); },
       "level -3 dB is not positive and finite"},
      {[&] { (void)design_rectangular({30.0, 20.0, half_power_db, 0.0, f, kXBand}); },
       "phase deviation 0 wavelengths is not positive and finite"},
      {[&] { (void)design_rectangular({30.0, 20.0, half_power_db, 0.25, inf, kXBand}); },
       "frequency inf Hz is not positive and finite"},
      {[&] { (void)design_rectangular({30.0, 20.0, half_power_db, 0.25, f, flat}); },
       "waveguide height -0.01 m is not positive and finite"},
      {[&] { (void)design_rectangular({30.0, 20.0, 4.0, 0.25, f, kXBand}, {DesignMethod::table}); },
       "level 4 dB is not one of the table method's levels, 0.5, 1, 2, 3.01 (half power) or 10 dB"},
      {[&] { (void)design_rectangular({30.0, 20.0, half_power_db, 0.25, 1e300, kXBand}, {DesignMethod::table}); },
       "frequency 1e+291 GHz is outside the table method's single-precision range"},
      {[&] { (void)design_square({-5.0, SquarePlane::e, 3.0, 0.25, f, kSquareFeed}); },
       "beamwidth -5 degrees is not between 0 and 180"},
      {[&] { (void)design_square({20.0, SquarePlane::e, half_power_db, 0.25, f, kXBand}); },
       "a square horn needs a square waveguide, not WR-90"},
      {[&] { (void)design_square({20.0, SquarePlane::h, 10.0, 0.25, nan, kSquareFeed}, {DesignMethod::table}); },
       "frequency nan Hz is not positive and finite"},
      {[&] { (void)classical_gain_horn(nan, f, kXBand); }, "gain nan dBi is not finite"},
      {[&] { (void)classical_gain_horn(20.0, -f, kXBand); }, "frequency -1e+10 Hz is not positive and finite"},
      {[&] { (void)design_for_gain(inf, f, kXBand); }, "gain inf dBi is not finite"},
      {[&] { (void)design_for_gain(20.0, f, flat); }, "waveguide height -0.01 m is not positive and finite"},
  });
}

}  // namespace
}  // namespace tarniq
