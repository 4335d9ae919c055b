// Tests of the horn gain: the interactive program's reference horns, and the aperture integrals it stands for.
#include "tarniq/gain.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "quadrature.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

const Waveguide kXBandFeed{0.9 * metres_per_inch, 0.4 * metres_per_inch, ""};

struct InchHorn {
  double FGHZ, AH, AE, RE, RH;  // GHz and inches, in the interactive program's order
  double dB;                    // its gain as it prints it, three decimals
  double single_dB;             // 10·log10 of its single-precision gain ratio
};

Horn to_horn(const InchHorn& r) {
  return make_horn_from_slant_radii(r.AH * metres_per_inch, r.AE * metres_per_inch,
                                    r.RH * metres_per_inch, r.RE * metres_per_inch, kXBandFeed);
}

// The interactive program's reference horns: the library is its formula in
// double precision, so the two differ only by float rounding (and the last
// digit of its speed of light). The last two rows exchange the radii, which
// pins which radius belongs to which plane.
TEST(Gain, EqualsTheInteractiveProgram) {
  const InchHorn rows[] = {
      {10.0, 10.0, 8.0, 20.0, 20.0, 23.925, 23.924619}, {10.0, 5.0, 4.0, 12.0, 12.0, 20.990, 20.990419},
      {3.0, 10.0, 8.0, 20.0, 20.0, 16.871, 16.871032},  {30.0, 10.0, 8.0, 20.0, 20.0, 19.838, 19.837739},
      {10.0, 10.0, 8.0, 15.0, 25.0, 23.129, 23.129212}, {10.0, 10.0, 8.0, 25.0, 15.0, 23.288, 23.288085},
  };
  for (const InchHorn& r : rows) {
    const double dbi = gain_dbi(to_horn(r), r.FGHZ * hertz_per_gigahertz);
    EXPECT_NEAR(dbi, r.dB, 0.0005) << "FGHZ = " << r.FGHZ << ", RE = " << r.RE;
    EXPECT_NEAR(dbi, r.single_dB, 2e-5) << "FGHZ = " << r.FGHZ << ", RE = " << r.RE;
    EXPECT_DOUBLE_EQ(gain_ratio(to_horn(r), r.FGHZ * hertz_per_gigahertz), std::pow(10.0, dbi / 10.0));
  }
}

// The closed form is the directivity 4π/λ²·|∫∫E dA|²/∫∫|E|² dA of the
// aperture field it models (uniform across the height, cos(πx/a) across the
// width, quadratic phase in both), here integrated numerically: from large
// phase deviations down to the smallest the analysis accepts, where the
// closed form's Fresnel arguments nearly cancel.
TEST(Gain, IsTheDirectivityOfTheApertureField) {
  struct Row {
    double B_H, B_E;  // aperture width and height, wavelengths
    double s_H, s_E;  // phase deviations, wavelengths
  };
  const Row rows[] = {{1.5, 1.1, 0.05, 0.1},  {4.0, 3.0, 0.375, 0.25}, {12.0, 9.0, 1.2, 0.6},
                      {30.0, 25.0, 0.1, 2.0}, {7.0, 5.0, 1e-9, 1e-6},  {7.0, 5.0, 1e-12, 1e-12}};
  const double frequency = 10e9;
  const double lambda = wavelength(frequency);
  for (const Row& r : rows) {
    const double AH = r.B_H * lambda;
    const double AE = r.B_E * lambda;
    const Horn horn = make_horn_from_slant_radii(AH, AE, AH * AH / (8.0 * lambda * r.s_H),
                                                 AE * AE / (8.0 * lambda * r.s_E),
                                                 Waveguide{0.5 * AH, 0.5 * AE, ""});
    // ∫|E|² over the normalized aperture: 1/2 across the cosine, 1 across the uniform plane
    const long double h_factor = std::norm(test::aperture_field(true, r.s_H, 0.0)) / 0.5L;
    const long double e_factor = std::norm(test::aperture_field(false, r.s_E, 0.0));
    const long double directivity = 4 * test::kPi * r.B_H * r.B_E * h_factor * e_factor;
    EXPECT_NEAR(gain_ratio(horn, frequency) / static_cast<double>(directivity), 1.0, 1e-5 * 1e-12 / r.s_H + 1e-12)
        << "B_H = " << r.B_H << ", s_E = " << r.s_E;
  }
}

}  // namespace
}  // namespace tarniq
