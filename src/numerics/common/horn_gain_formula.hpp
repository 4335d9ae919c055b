// Closed-form gain of a pyramidal horn from Fresnel integrals, for any floating-point precision.
//
// The interactive program evaluates it in single precision with its own
// Fresnel routine and constants; the library in double precision with
// double-precision Fresnel integrals. The order of operations is the same in
// both, so the single-precision instantiation fixes every last digit.
#pragma once

#include <cmath>

namespace tarniq::numerics {

// Fresnel integrals S(x) and C(x) at one argument.
template <typename Real>
struct FresnelValues {
  Real S;
  Real C;
};

// The two constants of the formula, in the precision of the caller.
template <typename Real>
struct GainConstants {
  Real sqrt2;     // √2
  Real eight_pi;  // 8π
};

// E-plane factor |C(w) - iS(w)|² of the uniform-amplitude E-plane aperture.
template <typename Real, typename Fresnel>
Real e_plane_gain_factor(Real w, Fresnel fresnel) {
  const FresnelValues<Real> fw = fresnel(w);
  return fw.S * fw.S + fw.C * fw.C;
}

// H-plane factor |[C(u) - C(v)] - i[S(u) - S(v)]|² of the cosine-amplitude
// H-plane aperture, with r = √(λ·RH)/AH; v is negative for AH > √(λ·RH).
template <typename Real, typename Fresnel>
Real h_plane_gain_factor(Real r, Fresnel fresnel, GainConstants<Real> k) {
  const Real u = (Real(1) / r + r) / k.sqrt2;
  const Real v = (r - Real(1) / r) / k.sqrt2;
  const FresnelValues<Real> fu = fresnel(u);
  const FresnelValues<Real> fv = fresnel(v);
  const Real dc = fu.C - fv.C;
  const Real ds = fu.S - fv.S;
  return dc * dc + ds * ds;
}

// Gain (a power ratio, no losses) of the horn with aperture width AH (H
// plane), height AE (E plane) and slant radii RE, RH, at the wavelength
// lambda, all lengths in one unit:
// G = 8π·RE·RH/(AH·AE) · {[C(u) - C(v)]² + [S(u) - S(v)]²} · {C(w)² + S(w)²},
// w = AE/√(2λ·RE). The Fresnel integrals are taken at u, v, then w.
template <typename Real, typename Fresnel>
Real horn_gain_ratio(Real lambda, Real AH, Real AE, Real RE, Real RH, Fresnel fresnel,
                     GainConstants<Real> k) {
  const Real r = std::sqrt(lambda * RH) / AH;
  const Real w = AE / std::sqrt(lambda * Real(2) * RE);
  const Real H = h_plane_gain_factor(r, fresnel, k);
  const Real E = e_plane_gain_factor(w, fresnel);
  const Real area = AH * AE;
  return H * E * RH * RE * k.eight_pi / area;
}

}  // namespace tarniq::numerics
