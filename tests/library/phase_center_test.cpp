// Tests of the phase centre: an independent fit on the integrated aperture phase, and its limits.
#include "tarniq/phase_center.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "quadrature.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

constexpr double kFrequency = 10e9;
constexpr double kPi = 3.14159265358979323846;

Horn square_horn(double B, double s) {
  const double lambda = wavelength(kFrequency);
  const double A = B * lambda;
  const double R = A * A / (8.0 * lambda * s);
  return make_horn_from_slant_radii(A, A, R, R, Waveguide{0.5 * A, 0.5 * A, ""});
}

Horn horn_of(double B_H, double s_H, double B_E, double s_E) {
  const double lambda = wavelength(kFrequency);
  const double AH = B_H * lambda, AE = B_E * lambda;
  return make_horn_from_slant_radii(AH, AE, AH * AH / (8.0 * lambda * s_H), AE * AE / (8.0 * lambda * s_E),
                                    Waveguide{0.5 * AH, 0.5 * AE, ""});
}

// The fit done independently: the cut sampled finely from the integrated
// aperture field, its 10 dB point found on the samples, the phase unwrapped
// and the weighted regression of Φ on -cos θ solved. Returns k·d.
struct Sample {
  double theta, weight, phase;
};

std::vector<Sample> reference_samples(bool cosine, double B, double s) {
  constexpr int n = 3000;
  std::vector<double> theta(n + 1), power(n + 1), phase(n + 1);
  const double boresight = static_cast<double>(std::norm(test::aperture_field(cosine, s, 0.0)));
  for (int i = 0; i <= n; ++i) {
    theta[i] = kPi / 2.0 * i / n;
    const test::Complex f = test::aperture_field(cosine, s, B * std::sin(theta[i]));
    const double obliquity = (1.0 + std::cos(theta[i])) / 2.0;
    power[i] = static_cast<double>(std::norm(f)) / boresight * obliquity * obliquity;
    phase[i] = static_cast<double>(std::arg(f));
    if (i > 0) phase[i] -= 2.0 * kPi * std::round((phase[i] - phase[i - 1]) / (2.0 * kPi));
  }
  const std::size_t peak = static_cast<std::size_t>(std::max_element(power.begin(), power.end()) - power.begin());
  const double threshold = power[peak] / 10.0;
  std::vector<Sample> samples;
  for (std::size_t i = 0; i < theta.size(); ++i) {
    if (i > peak && power[i] < threshold) break;
    samples.push_back({theta[i], power[i] >= threshold ? power[i] : 0.0, phase[i]});
  }
  return samples;
}

double reference_shift(const std::vector<Sample>& samples) {
  double w = 0, t = 0, y = 0;
  for (const Sample& s : samples) w += s.weight, t += s.weight * std::cos(s.theta), y += s.weight * s.phase;
  double tt = 0, ty = 0;
  for (const Sample& s : samples) {
    const double dt = std::cos(s.theta) - t / w;
    tt += s.weight * dt * dt;
    ty += s.weight * dt * (s.phase - y / w);
  }
  return -ty / tt;
}

// Each plane's and the common phase centre equal the independent fit to a
// thousandth of a wavelength (or 3e-4 of the distance, beyond five
// wavelengths), over apertures of 1 to 12 wavelengths and phase deviations
// of 0.05 to 1.
TEST(PhaseCenter, EqualsAnIndependentFitOnTheIntegratedPhase) {
  const double lambda = wavelength(kFrequency);
  const double k = 2.0 * kPi / lambda;
  const struct {
    double B_H, s_H, B_E, s_E;
  } horns[] = {{3.7, 0.13, 2.7, 0.11}, {1.2, 0.05, 1.0, 0.05}, {6.0, 0.4, 4.5, 0.25}, {12.0, 1.0, 9.0, 0.6}};
  for (const auto& h : horns) {
    const PhaseCenter center = phase_center(horn_of(h.B_H, h.s_H, h.B_E, h.s_E), kFrequency);
    const std::vector<Sample> e = reference_samples(false, h.B_E, h.s_E);
    const std::vector<Sample> hh = reference_samples(true, h.B_H, h.s_H);
    std::vector<Sample> both = e;
    both.insert(both.end(), hh.begin(), hh.end());
    const auto expect_close = [&](double d, double reference_kd, const char* which) {
      const double reference = reference_kd / k;
      EXPECT_NEAR(d / lambda, reference / lambda, std::max(1e-3, 3e-4 * reference / lambda)) << which << " " << h.B_H;
    };
    expect_close(center.e_plane, reference_shift(e), "E");
    expect_close(center.h_plane, reference_shift(hh), "H");
    expect_close(center.common, reference_shift(both), "common");
  }
}

// In phase it sits at the aperture; as the phase deviation grows through
// the usual values (to 0.25) it moves back toward the apex, staying in
// front of the centre of the aperture's phase front (the slant radius R
// behind); the common point lies between the planes' points.
TEST(PhaseCenter, MovesFromTheApertureTowardTheApex) {
  const double lambda = wavelength(kFrequency);
  const PhaseCenter flat = phase_center(square_horn(6.0, 1e-8), kFrequency);
  EXPECT_NEAR(flat.e_plane / lambda, 0.0, 1e-6);
  EXPECT_NEAR(flat.h_plane / lambda, 0.0, 1e-6);
  EXPECT_NEAR(flat.common / lambda, 0.0, 1e-6);
  PhaseCenter previous{};
  for (const double s : {0.02, 0.05, 0.1, 0.15, 0.2, 0.25}) {
    const Horn horn = square_horn(8.0, s);
    const PhaseCenter center = phase_center(horn, kFrequency);
    const double apex = horn.e_slant_radius;
    EXPECT_GT(center.e_plane, previous.e_plane) << s;
    EXPECT_GT(center.h_plane, previous.h_plane) << s;
    EXPECT_LT(center.e_plane, apex) << s;
    EXPECT_LT(center.h_plane, apex) << s;
    EXPECT_GE(center.common, std::min(center.e_plane, center.h_plane)) << s;
    EXPECT_LE(center.common, std::max(center.e_plane, center.h_plane)) << s;
    previous = center;
  }
}

}  // namespace
}  // namespace tarniq
