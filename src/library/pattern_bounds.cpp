// Bounds on a cut's power over a span of angles.
//
// In the notation of aperture_pattern.cpp, the uniform aperture's far field
// is T(u) = e^(jψ)·[E(t₂) - E(t₁)], and the cosine aperture's the sum of two
// such terms at u ± 1/2. Each E(t) is a constant on its side of t = 0 (the
// geometric-optics part, present where t₁ < 0 <= t₂, magnitude √2 per term)
// plus an edge term of magnitude √(f² + g²) at |t|, which falls as |t|
// grows. |E'(t)| = 1 and dt/du = -1/(2√s), so |T| changes no faster than
// 1/√s; the aperture, one unit wide in x/A, bounds the slope of its field
// too (Bernstein: π times its largest value).
#include "pattern_bounds.hpp"

#include <algorithm>
#include <cmath>

#include "fresnel_parts.hpp"

namespace tarniq::detail {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRootTwo = 1.41421356237309504880;
// Rounding in the computed pattern and in the bounds, relative.
constexpr double kSlack = 1e-9;

double obliquity(double v) { return (1.0 + std::sqrt(std::max(0.0, 1.0 - v * v))) / 2.0; }

// The smallest |t| over t in [low, high].
double nearest_to_zero(double low, double high) {
  if (low <= 0.0 && high >= 0.0) return 0.0;
  return std::min(std::fabs(low), std::fabs(high));
}

// The largest edge-term magnitude √(f² + g²) over |t| >= x.
double edge_term(double x) {
  const FresnelAuxiliary h = fresnel_auxiliary(x);
  return std::hypot(h.f, h.g);
}

struct Magnitudes {
  double low;
  double high;
};

// One uniform term, its u shifted by `shift`, over u in [u_a, u_b]: the sum
// of its edge terms' largest magnitudes, and where its geometric-optics
// part is present (-4s < u <= 4s).
struct TermSpan {
  double edges;
  bool present_somewhere;
  bool present_throughout;
};

TermSpan term_span(const ApertureCut& cut, double u_a, double u_b, double shift) {
  const double four_s = 4.0 * cut.phase_deviation;
  const double a = u_a + shift, b = u_b + shift;
  const double k = cut.inverse_two_root_s;
  const double t2 = nearest_to_zero((four_s - b) * k, (four_s - a) * k);
  const double t1 = nearest_to_zero((-four_s - b) * k, (-four_s - a) * k);
  return {edge_term(t2) + edge_term(t1), b > -four_s && a <= four_s, a > -four_s && b <= four_s};
}

// The cosine aperture's two terms at u ± 1/2 carry each edge's term twice,
// with opposite signs and Fresnel arguments 1/(2√s) apart: G(t₊) - G(t₋),
// G(t) = σ·(-g + jf) at |t|. Where both arguments lie on one side of zero
// and beyond kPairedFrom, |G'| = √((1 - πxf)² + (πxg)²), which falls as x
// grows there, bounds the difference; elsewhere, the two magnitudes.
constexpr double kPairedFrom = 2.0;
constexpr double kPairedMargin = 1.01;

// One edge's pair over u in [u_a, u_b]: its Fresnel argument is
// (edge - u ∓ 1/2)/(2√s), edge = 4s for t₂ and -4s for t₁.
double edge_pair(const ApertureCut& cut, double u_a, double u_b, double edge) {
  const double k = cut.inverse_two_root_s;
  const double low = (edge - u_b - 0.5) * k, high = (edge - u_a + 0.5) * k;  // both terms' arguments
  const double nearest = nearest_to_zero(low, high);
  if (nearest >= kPairedFrom) {
    const FresnelAuxiliary h = fresnel_auxiliary(nearest);
    const double slope = std::hypot(1.0 - kPi * nearest * h.f, kPi * nearest * h.g);
    return kPairedMargin * k * slope;
  }
  return edge_term(nearest_to_zero((edge - u_b - 0.5) * k, (edge - u_a - 0.5) * k)) +
         edge_term(nearest_to_zero((edge - u_b + 0.5) * k, (edge - u_a + 0.5) * k));
}

// The field's magnitude over [u_a, u_b], unnormalized, from its parts.
Magnitudes parts_bounds(const ApertureCut& cut, double u_a, double u_b) {
  if (cut.taper == Taper::uniform) {
    const TermSpan t = term_span(cut, u_a, u_b, 0.0);
    return {(t.present_throughout ? kRootTwo : 0.0) - t.edges, (t.present_somewhere ? kRootTwo : 0.0) + t.edges};
  }
  const TermSpan plus = term_span(cut, u_a, u_b, 0.5);
  const TermSpan minus = term_span(cut, u_a, u_b, -0.5);
  const double four_s = 4.0 * cut.phase_deviation;
  const double edges =
      std::min(plus.edges + minus.edges, edge_pair(cut, u_a, u_b, four_s) + edge_pair(cut, u_a, u_b, -four_s));
  if (plus.present_throughout && minus.present_throughout) {
    // The two parts add to 2√2·cos(πu/(8s)), falling over 0 <= u < 4s.
    const double angle = kPi / (8.0 * cut.phase_deviation);
    return {2.0 * kRootTwo * std::cos(angle * u_b) - edges, 2.0 * kRootTwo * std::cos(angle * u_a) + edges};
  }
  const bool one_only = (plus.present_throughout && !minus.present_somewhere) ||
                        (minus.present_throughout && !plus.present_somewhere);
  const int somewhere = (plus.present_somewhere ? 1 : 0) + (minus.present_somewhere ? 1 : 0);
  return {one_only ? kRootTwo - edges : -edges, somewhere * kRootTwo + edges};
}

// The in-phase field's magnitude over u >= u_a: 1 at most, and the tail of
// sin(πu)/(πu) or cos(πu)/(1 - 4u²).
double in_phase_high(const ApertureCut& cut, double u_a) {
  if (cut.taper == Taper::uniform) return u_a > 0.0 ? std::min(1.0, 1.0 / (kPi * u_a)) : 1.0;
  return u_a > 1.0 ? 1.0 / (4.0 * u_a * u_a - 1.0) : 1.0;
}

// How fast the normalized field's magnitude may change with u.
double largest_slope(const ApertureCut& cut) {
  if (cut.in_phase) return kPi;  // the largest value is 1, on boresight
  const double s = cut.phase_deviation;
  const double root_s = std::sqrt(s);
  const double slope = cut.taper == Taper::uniform
                           ? std::min(1.0 / root_s, 4.0 * kPi * root_s)
                           : std::min(2.0 / root_s + kPi / (4.0 * s) * std::min(2.0, 4.0 * root_s), 16.0 * root_s);
  return slope / std::sqrt(cut.boresight_power);
}

}  // namespace

PowerBounds power_bounds(const ApertureCut& cut, double v_a, double p_a, double v_b, double p_b) {
  const double o_a = obliquity(v_a), o_b = obliquity(v_b);
  const double u_a = cut.size * v_a, u_b = cut.size * v_b;
  // The magnitudes at the ends, and what the slope allows between them.
  const double m_a = std::sqrt(p_a) / o_a, m_b = std::sqrt(p_b) / o_b;
  const double spread = largest_slope(cut) * (u_b - u_a);
  double low = (m_a + m_b - spread) / 2.0;
  double high = (m_a + m_b + spread) / 2.0;
  if (cut.in_phase) {
    high = std::min(high, in_phase_high(cut, u_a));
  } else {
    const Magnitudes parts = parts_bounds(cut, u_a, u_b);
    const double scale = 1.0 / std::sqrt(cut.boresight_power);
    low = std::max(low, parts.low * scale);
    high = std::min(high, parts.high * scale);
  }
  low = std::max(0.0, low * (1.0 - kSlack));
  high = high * (1.0 + kSlack);
  return {low * low * o_b * o_b, high * high * o_a * o_a};
}

}  // namespace tarniq::detail
