// Far field of a tapered aperture with quadratic phase, in closed form through Fresnel integrals.
//
// Across one plane of the aperture, x from -A/2 to A/2, the field is
// amplitude(x)·e^(-jkx²/(2R)). Its far field at θ is ∫ field·e^(jkx sin θ) dx.
// Completing the square, for the uniform amplitude and u = B·sin θ,
//   ∫ = √(λR/2)·T(u),  T(u) = e^(jψ)·[E(t₂) - E(t₁)],
//   t₁,₂ = (∓4s - u)/(2√s),  ψ = πu²/(8s),  E(t) = C(t) - jS(t).
// The cosine amplitude is the sum of two such terms with u shifted by ±1/2.
//
// ψ and the Fresnel phases φᵢ = πtᵢ²/2 grow without bound as s → 0 or u
// grows, but their differences do not: ψ - φ₁,₂ = -2πs ∓ πu. With
// E(t) = σ·[(1 - j)/2 + j·(f + jg)·e^(-jφ)], σ the sign of t and f, g the
// auxiliary functions at |t|, each term is assembled from f, g and those
// bounded phases; e^(jψ) itself is needed only when t₁ and t₂ differ in sign,
// and then it is bounded too.
#include "aperture_pattern.hpp"

#include <cmath>

#include "cos_sin_pi.hpp"
#include "fresnel_parts.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Below this phase deviation the field is taken as in phase: the Fresnel
// differences would lose digits like 1e-16/√s, while the in-phase pattern
// differs from the true one only by order s² of the boresight value.
constexpr double kInPhaseLimit = 1e-9;

Phasor operator+(Phasor a, Phasor b) { return {a.re + b.re, a.im + b.im}; }
Phasor operator-(Phasor a, Phasor b) { return {a.re - b.re, a.im - b.im}; }
Phasor operator*(Phasor a, Phasor b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
Phasor conj(Phasor a) { return {a.re, -a.im}; }
double norm(Phasor a) { return a.re * a.re + a.im * a.im; }

// e^(jπx)
Phasor phasor_pi(double x) {
  const CosSin p = cos_sin_pi(x);
  return {p.cos, p.sin};
}

// The rotating part of e^(jψ)·E(t): σ·j·(f + jg)·e^(j(ψ - φ)) at t, given
// relative = e^(j(ψ - φ)).
Phasor rotating_part(double t, Phasor relative) {
  const FresnelAuxiliary h = fresnel_auxiliary(std::fabs(t));
  const double sigma = t < 0.0 ? -1.0 : 1.0;  // E is odd in t
  // σ·j·(f + jg) = σ·(-g + jf)
  return Phasor{-sigma * h.g, sigma * h.f} * relative;
}

// T(u) = e^(jψ)·[E(t₂) - E(t₁)] of the uniform aperture, with rotation = e^(jπu).
Phasor uniform_term(const ApertureCut& cut, double u, Phasor rotation) {
  const double four_s = 4.0 * cut.phase_deviation;
  const double t2 = (four_s - u) * cut.inverse_two_root_s;
  const double t1 = (-four_s - u) * cut.inverse_two_root_s;
  // e^(j(ψ - φ₂)) = e^(jπ(u - 2s)),  e^(j(ψ - φ₁)) = e^(-jπ(u + 2s))
  const Phasor sum = rotating_part(t2, rotation * cut.edge_phasor) -
                     rotating_part(t1, conj(rotation) * cut.edge_phasor);
  if (t1 >= 0.0 || t2 < 0.0) return sum;  // t₁, t₂ of one sign: the constants ±(1 - j)/2 cancel
  // t₁ < 0 <= t₂: they add to (1 - j)·e^(jψ), where |u| < 4s keeps ψ = πu²/(8s) below 2πs
  return sum + Phasor{1.0, -1.0} * phasor_pi(u * u / (8.0 * cut.phase_deviation));
}

// F(u) of the in-phase aperture, real, 1 at u = 0; even in u.
double in_phase_field(Taper taper, double u) {
  const double au = std::fabs(u);
  if (taper == Taper::uniform) {
    if (au == 0.0) return 1.0;
    return cos_sin_pi(au).sin / (kPi * au);
  }
  // cos(πu)/(1 - 4u²); near u = 1/2 as sin(πd)/(2d·(1 + 2|u|)), d = 1/2 - |u|
  const double d = 0.5 - au;
  if (std::fabs(d) < 0.25) return d == 0.0 ? kPi / 4.0 : cos_sin_pi(d).sin / (2.0 * d * (1.0 + 2.0 * au));
  return cos_sin_pi(au).cos / (1.0 - 4.0 * au * au);
}

// |F(u)|² of the in-phase aperture, normalized to 1 at u = 0.
double in_phase_power(Taper taper, double u) {
  const double F = in_phase_field(taper, u);
  return F * F;
}

// F(u) with the normalization still to be applied: its phase is the far
// field's, referred to the aperture centre.
Phasor unnormalized_field(const ApertureCut& cut, double u) {
  const Phasor rotation = phasor_pi(u);
  if (cut.taper == Taper::uniform) return uniform_term(cut, u, rotation);
  // cos(πx/a) = (e^(jπx/a) + e^(-jπx/a))/2: u shifted by ±1/2, e^(jπ(u ± 1/2)) = ±j·e^(jπu)
  const Phasor plus{-rotation.im, rotation.re};
  const Phasor minus{rotation.im, -rotation.re};
  return uniform_term(cut, u + 0.5, plus) + uniform_term(cut, u - 0.5, minus);
}

// |F(u)|² with the normalization still to be applied.
double unnormalized_power(const ApertureCut& cut, double u) { return norm(unnormalized_field(cut, u)); }

}  // namespace

ApertureCut make_aperture_cut(double size, double phase_deviation, Taper taper) {
  ApertureCut cut;
  cut.taper = taper;
  cut.size = size;
  cut.phase_deviation = phase_deviation;
  cut.in_phase = phase_deviation < kInPhaseLimit;
  if (!cut.in_phase) {
    cut.inverse_two_root_s = 1.0 / (2.0 * std::sqrt(phase_deviation));
    cut.edge_phasor = phasor_pi(-2.0 * phase_deviation);
    cut.boresight_power = unnormalized_power(cut, 0.0);
  }
  return cut;
}

ApertureCut make_aperture_cut(const Horn& horn, double frequency_hz, Plane plane) {
  const double lambda = wavelength(frequency_hz);
  const double a = aperture(horn, plane);
  const double s = a * a / (8.0 * lambda * slant_radius(horn, plane));
  return make_aperture_cut(a / lambda, s, plane == Plane::e ? Taper::uniform : Taper::cosine);
}

double relative_power(const ApertureCut& cut, double sin_theta, double cos_theta) {
  const double u = cut.size * std::fabs(sin_theta);
  const double aperture_power =
      cut.in_phase ? in_phase_power(cut.taper, u) : unnormalized_power(cut, u) / cut.boresight_power;
  const double obliquity = (1.0 + cos_theta) / 2.0;
  return aperture_power * obliquity * obliquity;
}

Phasor relative_field(const ApertureCut& cut, double u) {
  if (cut.in_phase) return {in_phase_field(cut.taper, u), 0.0};
  const Phasor F = unnormalized_field(cut, u);
  const double scale = 1.0 / std::sqrt(cut.boresight_power);
  return {F.re * scale, F.im * scale};
}

}  // namespace tarniq::detail
