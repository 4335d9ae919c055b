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
#include <cstring>

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

// The field's arithmetic, for one angle (T = double) or eight (T = Lanes).
template <class T>
using Complex = PhasorOf<T>;

template <class A, class B>
TARNIQ_LANES_INLINE auto operator+(PhasorOf<A> a, PhasorOf<B> b) {
  return PhasorOf<decltype(a.re + b.re)>{a.re + b.re, a.im + b.im};
}
template <class A, class B>
TARNIQ_LANES_INLINE auto operator-(PhasorOf<A> a, PhasorOf<B> b) {
  return PhasorOf<decltype(a.re - b.re)>{a.re - b.re, a.im - b.im};
}
template <class A, class B>
TARNIQ_LANES_INLINE auto operator*(PhasorOf<A> a, PhasorOf<B> b) {
  return PhasorOf<decltype(a.re * b.re)>{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
template <class T>
TARNIQ_LANES_INLINE Complex<T> conj(Complex<T> a) {
  return {a.re, -a.im};
}
template <class T>
TARNIQ_LANES_INLINE T norm(Complex<T> a) {
  return a.re * a.re + a.im * a.im;
}
using detail::select;
template <class Mask, class T>
TARNIQ_LANES_INLINE Complex<T> select(Mask where, Complex<T> a, Complex<T> b) {
  return {select(where, a.re, b.re), select(where, a.im, b.im)};
}

// e^(jπx)
template <class T>
TARNIQ_LANES_INLINE Complex<T> phasor_pi(T x) {
  const CosSinOf<T> p = cos_sin_pi(x);
  return {p.cos, p.sin};
}

// The rotating part of e^(jψ)·E(t): σ·j·(f + jg)·e^(j(ψ - φ)) at t, given
// relative = e^(j(ψ - φ)).
template <class T>
TARNIQ_LANES_INLINE Complex<T> rotating_part(T t, Complex<T> relative) {
  const FresnelAuxiliaryOf<T> h = fresnel_auxiliary(magnitude(t));
  const T sigma = select(t < 0.0, splat<T>(-1.0), splat<T>(1.0));  // E is odd in t
  // σ·j·(f + jg) = σ·(-g + jf)
  return Complex<T>{-sigma * h.g, sigma * h.f} * relative;
}

// T(u) = e^(jψ)·[E(t₂) - E(t₁)] of the uniform aperture, with rotation = e^(jπu).
template <class T>
TARNIQ_LANES_INLINE Complex<T> uniform_term(const ApertureCut& cut, T u, Complex<T> rotation) {
  const double four_s = 4.0 * cut.phase_deviation;
  const T t2 = (four_s - u) * cut.inverse_two_root_s;
  const T t1 = (-four_s - u) * cut.inverse_two_root_s;
  // e^(j(ψ - φ₂)) = e^(jπ(u - 2s)),  e^(j(ψ - φ₁)) = e^(-jπ(u + 2s))
  const Complex<T> sum = rotating_part(t2, rotation * cut.edge_phasor) -
                         rotating_part(t1, conj(rotation) * cut.edge_phasor);
  // t₁, t₂ of one sign: the constants ±(1 - j)/2 cancel
  const auto straddles = both(t1 < 0.0, t2 >= 0.0);
  if (!any(straddles)) return sum;
  // t₁ < 0 <= t₂: they add to (1 - j)·e^(jψ), where |u| < 4s keeps ψ = πu²/(8s) below 2πs
  const T psi_over_pi = select(straddles, u * u / (8.0 * cut.phase_deviation), T{});
  return select(straddles, sum + Phasor{1.0, -1.0} * phasor_pi(psi_over_pi), sum);
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
template <class T>
TARNIQ_LANES_INLINE Complex<T> unnormalized_field(const ApertureCut& cut, T u) {
  const Complex<T> rotation = phasor_pi(u);
  if (cut.taper == Taper::uniform) return uniform_term(cut, u, rotation);
  // cos(πx/a) = (e^(jπx/a) + e^(-jπx/a))/2: u shifted by ±1/2, e^(jπ(u ± 1/2)) = ±j·e^(jπu)
  const Complex<T> plus{-rotation.im, rotation.re};
  const Complex<T> minus{rotation.im, -rotation.re};
  return uniform_term(cut, u + 0.5, plus) + uniform_term(cut, u - 0.5, minus);
}

// |F(u)/F(0)|²
template <class T>
TARNIQ_LANES_INLINE T aperture_power(const ApertureCut& cut, T u) {
  if (cut.in_phase) return each_lane(u, [&cut](double v) { return in_phase_power(cut.taper, v); });
  return norm(unnormalized_field(cut, u)) / cut.boresight_power;
}

// relative_power, for one angle or eight
template <class T>
TARNIQ_LANES_INLINE T power_toward(const ApertureCut& cut, T sin_theta, T cos_theta) {
  const T u = cut.size * magnitude(sin_theta);
  const T obliquity = (1.0 + cos_theta) / 2.0;
  return aperture_power(cut, u) * obliquity * obliquity;
}

// relative_power at θ (degrees) from the sine and cosine of |θ|
template <class T>
TARNIQ_LANES_INLINE T power_at_angle(const ApertureCut& cut, T angle_deg) {
  const CosSinOf<T> direction = cos_sin_pi(magnitude(angle_deg) / 180.0);
  return power_toward(cut, direction.sin, direction.cos);
}

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
    cut.boresight_power = norm(unnormalized_field(cut, 0.0));
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
  return power_toward(cut, sin_theta, cos_theta);
}

// Eight angles at a time; clones for wider vector units are chosen when the
// program starts, where the compiler and processor have them (lanes.hpp).
TARNIQ_LANES_CLONES void relative_powers_at(const ApertureCut& cut, std::span<const double> angles_deg,
                                            std::span<double> powers) {
  std::size_t i = 0;
  for (; i + kLaneCount <= angles_deg.size(); i += kLaneCount) {
    Lanes angles;
    std::memcpy(&angles, &angles_deg[i], sizeof angles);
    const Lanes lane_powers = power_at_angle(cut, angles);
    std::memcpy(&powers[i], &lane_powers, sizeof lane_powers);
  }
  for (; i < angles_deg.size(); ++i) powers[i] = power_at_angle(cut, angles_deg[i]);
}

Phasor relative_field(const ApertureCut& cut, double u) {
  if (cut.in_phase) return {in_phase_field(cut.taper, u), 0.0};
  const Phasor F = unnormalized_field(cut, u);
  const double scale = 1.0 / std::sqrt(cut.boresight_power);
  return {F.re * scale, F.im * scale};
}

}  // namespace tarniq::detail
