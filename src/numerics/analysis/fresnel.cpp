// Fresnel integrals from the twelve-term expansions in the phase x = pi X^2 / 2.
#include "analysis/fresnel.hpp"

#include <array>
#include <cmath>
#include <cstddef>

namespace tarniq::analysis {
namespace {

// The twelve-term expansion coefficients, n = 0 to 11 (index = power of u).
// Inner range (x <= 4, u = x / 4): C - iS = e^(-ix) sqrt(u) sum (a_n + i b_n) u^n.
constexpr std::array<float, 12> kA = {
  1.5957692f,   -0.000001702f, -6.808569f,   -0.000576361f,
  6.920692f,    -0.016898656f, -3.0504856f,  -0.07575242f,
  0.8506638f,   -0.02563904f,  -0.15023096f, 0.03440478f};
constexpr std::array<float, 12> kB = {
  -0.000000033f, 4.2553873f,    -0.00009281f, -7.78002f,
  -0.009520895f, 5.0751615f,    -0.13834195f, -1.3637291f,
  -0.40334928f,  0.702222f,     -0.21619593f, 0.01954703f};
// Outer range (x > 4, u = 4 / x):
// C - iS = (1 - i)/2 + e^(-ix) sqrt(u) sum (c_n + i d_n) u^n.
// c_0 is zero and not stored: kC[0] is c_1. Note c_2 is positive.
constexpr std::array<float, 11> kC = {
  -0.024933975f, 0.000003936f, 0.005770956f, 0.000689892f,
  -0.009497136f, 0.011948809f, -0.006748873f, 0.00024642f,
  0.002102967f,  -0.00121793f, 0.000233939f};
constexpr std::array<float, 12> kD = {
  0.19947115f,   0.000000023f,  -0.009351341f, 0.000023006f,
  0.004851466f,  0.001903218f,  -0.017122913f, 0.029064067f,
  -0.027928956f, 0.016497308f,  -0.005598515f, 0.000838386f};

constexpr float kHalfPi = 1.5707963f;  // pi / 2
constexpr float kSwitch = 4.0f;        // phase x where the outer expansion takes over

// Horner's scheme from the highest power down; coef[i] multiplies u^i.
template <std::size_t N>
float horner(const std::array<float, N>& coef, float u) {
  float sum = coef[N - 1];
  for (std::size_t i = N - 1; i-- > 0;) {
    sum = sum * u + coef[i];
  }
  return sum;
}

// Outer P has no constant term: P = (c_11 u^10 + ... + c_1) u.
float outer_p(float u) {
  return horner(kC, u) * u;
}

}  // namespace

Fresnel FRNL2(float X) {
  const float x = (X * X) * kHalfPi;
  // odd in X: the expansions see X only through x, sigma restores the sign
  const float sigma = X < 0.0f ? -1.0f : 1.0f;
  const float cosx = std::cos(x);
  const float sinx = std::sin(x);

  if (x - kSwitch <= 0.0f) {
    // x <= 4: inner expansion
    const float u = x / kSwitch;
    const float P = horner(kA, u);
    const float Q = horner(kB, u);
    const float root = std::sqrt(u);
    const float FC = sigma * root * (P * cosx + Q * sinx);
    const float FS = sigma * root * (P * sinx - Q * cosx);
    return {FS, FC};
  }
  // x > 4: outer expansion about the limits 1/2
  const float u = kSwitch / x;
  const float P = outer_p(u);
  const float Q = horner(kD, u);
  const float root = std::sqrt(u);
  const float FC = sigma * (0.5f + root * (P * cosx + Q * sinx));  // 0.5: C(inf)
  const float FS = sigma * (0.5f - root * (Q * cosx - P * sinx));  // 0.5: S(inf)
  return {FS, FC};
}

}  // namespace tarniq::analysis
