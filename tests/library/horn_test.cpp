// Tests of the horn geometry: the relations between its lengths, the messages of a horn that cannot be.
#include "tarniq/horn.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "library/rejections.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

const Waveguide kWr90{0.9 * metres_per_inch, 0.4 * metres_per_inch, "WR-90"};

// A horn built to one axial length has that length in both planes, each
// slant radius on the line from the apex through the side wall, the side
// wall the hypotenuse of the length and the step, and the phase deviation
// A²/(8λR); from its slant radii it is the same horn again.
TEST(HornGeometry, LengthsAgreeInEveryPlane) {
  struct Row { double width, height, length; };
  const Row rows[] = {{0.1, 0.08, 0.2}, {0.023, 0.0102, 0.001}, {0.5, 0.011, 3.0}, {1.2, 0.9, 0.05}};
  const double frequency = 10e9;
  for (const Row& r : rows) {
    const Horn horn = make_horn(r.width, r.height, r.length, kWr90);
    for (const Plane plane : {Plane::e, Plane::h}) {
      const double A = aperture(horn, plane);
      const double w = waveguide_dimension(horn, plane);
      const double R = slant_radius(horn, plane);
      const double wall = side_wall_length(horn, plane);
      SCOPED_TRACE(std::to_string(r.width) + " by " + std::to_string(r.height) + ", plane " +
                   (plane == Plane::e ? "E" : "H"));
      EXPECT_NEAR(axial_length(horn, plane), r.length, 1e-12 * r.length);
      EXPECT_NEAR(wall, std::hypot(r.length, (A - w) / 2.0), 1e-12 * wall);
      EXPECT_NEAR(wall / R, (A - w) / A, 1e-12);  // similar triangles from the apex
      EXPECT_NEAR(phase_deviation(horn, plane, frequency), A * A / (8.0 * wavelength(frequency) * R), 1e-15);
    }
    const Horn again = make_horn_from_slant_radii(horn.aperture_width, horn.aperture_height,
                                                  horn.h_slant_radius, horn.e_slant_radius, kWr90);
    EXPECT_EQ(axial_length(again, Plane::e), axial_length(horn, Plane::e));
    EXPECT_EQ(axial_length(again, Plane::h), axial_length(horn, Plane::h));
  }
}

// The planes map to their own fields: E is the height, H the width.
TEST(HornGeometry, PlanesReadTheirOwnFields) {
  const Horn horn = make_horn_from_slant_radii(0.1, 0.08, 0.3, 0.2, kWr90);
  EXPECT_EQ(aperture(horn, Plane::h), 0.1);
  EXPECT_EQ(aperture(horn, Plane::e), 0.08);
  EXPECT_EQ(slant_radius(horn, Plane::h), 0.3);
  EXPECT_EQ(slant_radius(horn, Plane::e), 0.2);
  EXPECT_EQ(waveguide_dimension(horn, Plane::h), kWr90.width);
  EXPECT_EQ(waveguide_dimension(horn, Plane::e), kWr90.height);
}

// A horn that cannot be built is refused with a message that names the
// quantity and its value, whichever function receives it.
TEST(HornArguments, AreRejectedWithTheirValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Horn good = make_horn(0.1, 0.08, 0.2, kWr90);
  Horn short_e = good;
  short_e.e_slant_radius = 0.03;
  Horn no_feed = good;
  no_feed.feed.height = 0.0;
  testing::expect_rejections<InvalidArgument>({
      {[&] { (void)make_horn(0.02, 0.08, 0.2, kWr90); },
       "aperture width 0.02 m is not larger than the waveguide width 0.02286 m"},
      {[&] { (void)make_horn(0.1, 0.01, 0.2, kWr90); },
       "aperture height 0.01 m is not larger than the waveguide height 0.01016 m"},
      {[&] { (void)make_horn(nan, 0.08, 0.2, kWr90); }, "aperture width nan m is not positive and finite"},
      {[&] { (void)make_horn(0.1, 0.08, -1.0, kWr90); }, "axial length -1 m is not positive and finite"},
      {[&] { (void)make_horn(0.1, 0.08, 0.2, Waveguide{inf, 0.01, ""}); },
       "waveguide width inf m is not positive and finite"},
      {[&] { (void)make_horn_from_slant_radii(0.1, 0.08, 0.3, 0.03, kWr90); },
       "E-plane slant radius 0.03 m is not longer than half the aperture, 0.04 m"},
      {[&] { (void)make_horn_from_slant_radii(0.1, 0.08, 0.05, 0.2, kWr90); },
       "H-plane slant radius 0.05 m is not longer than half the aperture, 0.05 m"},
      {[&] { (void)make_horn_from_slant_radii(0.1, 0.08, 0.3, 0.0, kWr90); },
       "E-plane slant radius 0 m is not positive and finite"},
      {[&] { (void)axial_length(short_e, Plane::e); },
       "E-plane slant radius 0.03 m is not longer than half the aperture, 0.04 m"},
      {[&] { (void)side_wall_length(no_feed, Plane::h); }, "waveguide height 0 m is not positive and finite"},
      {[&] { (void)phase_deviation(good, Plane::h, -1.0); }, "frequency -1 Hz is not positive and finite"},
      {[&] { (void)check_horn(short_e); },
       "E-plane slant radius 0.03 m is not longer than half the aperture, 0.04 m"},
  });
}

}  // namespace
}  // namespace tarniq
