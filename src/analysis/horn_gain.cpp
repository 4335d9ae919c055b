// Horn gain from the E-plane and H-plane aperture factors built on Fresnel integrals.
#include "analysis/horn_gain.hpp"

#include <cmath>

#include "analysis/fresnel.hpp"

namespace tarniq::analysis {
namespace {

constexpr float kLightInchPerNs = 11.80285f;  // speed of light, inches per nanosecond
constexpr float kSqrt2 = 1.4142135f;          // sqrt(2)
constexpr float kEightPi = 25.13274f;         // 8 pi

// E-plane factor |C(w) - iS(w)|^2 for the uniform-amplitude E-plane aperture.
float e_plane_factor(float w) {
  const Fresnel fw = FRNL2(w);
  return fw.FS * fw.FS + fw.FC * fw.FC;
}

// H-plane factor |[C(u) - C(v)] - i[S(u) - S(v)]|^2 for the cosine-distributed
// H-plane aperture; r = sqrt(lambda RH) / AH.
float h_plane_factor(float r) {
  const float u = (1.0f / r + r) / kSqrt2;
  const float v = (r - 1.0f / r) / kSqrt2;  // negative for AH > sqrt(lambda RH)
  const Fresnel fu = FRNL2(u);
  const Fresnel fv = FRNL2(v);
  const float dc = fu.FC - fv.FC;
  const float ds = fu.FS - fv.FS;
  return dc * dc + ds * ds;
}

}  // namespace

float HORN(float FGHZ, float AH, float AE, float RE, float RH) {
  const float lambda = kLightInchPerNs / FGHZ;
  const float r = std::sqrt(lambda * RH) / AH;
  const float w = AE / std::sqrt(lambda * 2.0f * RE);  // 2: w = AE / sqrt(2 lambda RE)
  // The Fresnel integrals are taken at u, v, then w.
  const float H = h_plane_factor(r);
  const float E = e_plane_factor(w);
  const float area = AH * AE;
  return H * E * RH * RE * kEightPi / area;
}

}  // namespace tarniq::analysis
