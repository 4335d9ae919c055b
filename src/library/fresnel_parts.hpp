// The pieces of the double-precision Fresnel integrals, for the pattern cuts that combine them directly.
#pragma once

#include <cstddef>

#include "fresnel_coefficients.hpp"
#include "lanes.hpp"
#include "polynomial.hpp"
#include "tarniq/fresnel.hpp"

namespace tarniq::detail {

// The auxiliary functions of x >= 0, smooth and slowly varying, in terms of
// which C(x) = 1/2 + f·sin(πx²/2) - g·cos(πx²/2) and
// S(x) = 1/2 - f·cos(πx²/2) - g·sin(πx²/2); f ~ 1/(πx), g ~ 1/(π²x³).
template <class T>
struct FresnelAuxiliaryOf {
  T f;
  T g;
};
using FresnelAuxiliary = FresnelAuxiliaryOf<double>;

// S(x) and C(x) for any finite x, without the argument check of fresnel().
FresnelIntegrals fresnel_unchecked(double x);

// Inline below: the pattern cuts evaluate f and g several times per angle,
// and the calls overlap only when the compiler sees them.
namespace fresnel_tables {

using series::polynomial;
using series::polynomial_terms;

static_assert(kPolynomialPieces.size() * kPieceWidth == kAsymptoticLimit,
              "the polynomial pieces must reach the asymptotic range");
static_assert(kAsymptoticF.size() == kAsymptoticG.size() && kAsymptoticF.size() >= 6);

inline constexpr double kPi = 3.14159265358979323846;
// The asymptotic series needs fewer terms from here on (see the table's comment).
inline constexpr double kShortAsymptoticLimit = 10.0;

// The polynomial piece that holds x in [0, kAsymptoticLimit).
inline std::size_t piece_index(double x) {
  const auto piece = static_cast<std::size_t>(x / kPieceWidth);
  return piece < kPolynomialPieces.size() ? piece : kPolynomialPieces.size() - 1;
}

// f and g on piece i, for x (a double or Lanes) within it
template <class T>
TARNIQ_LANES_INLINE FresnelAuxiliaryOf<T> auxiliary_polynomial(std::size_t i, T x) {
  const T y = 2.0 * (x - static_cast<double>(i) * kPieceWidth) / kPieceWidth - 1.0;
  const PolynomialPiece& p = kPolynomialPieces[i];
  return {polynomial(p.f, y), polynomial(p.g, y)};
}

template <std::size_t Terms, class T>
TARNIQ_LANES_INLINE FresnelAuxiliaryOf<T> auxiliary_asymptotic(T x) {
  const T pix = kPi * x;
  const T z = pix * x;  // πx²; overflows to inf for huge x, making g zero
  const T w = 1.0 / (z * z);
  return {polynomial_terms<Terms>(kAsymptoticF, w) / pix,
          polynomial_terms<Terms>(kAsymptoticG, w) / (pix * z)};
}

}  // namespace fresnel_tables

// f and g at any finite x >= 0, to about 1e-17 (absolute below x = 6,
// relative beyond, where they shrink); f(0) = g(0) = 1/2,
// and both tend to zero without overflow as x grows.
inline FresnelAuxiliary fresnel_auxiliary(double x) {
  using namespace fresnel_tables;
  if (x < kAsymptoticLimit) return auxiliary_polynomial(piece_index(x), x);            // [0, 6)
  if (x < kShortAsymptoticLimit) return auxiliary_asymptotic<kAsymptoticF.size()>(x);  // [6, 10)
  return auxiliary_asymptotic<6>(x);                                                   // x >= 10
}

// f and g in each lane, the values fresnel_auxiliary gives. Lanes of one
// range (and one piece) share the vector formula; a pattern cut's lanes are
// neighbouring angles, so they nearly always do.
TARNIQ_LANES_INLINE FresnelAuxiliaryOf<Lanes> fresnel_auxiliary(Lanes x) {
  using namespace fresnel_tables;
  const double low = smallest_lane(x);
  const double high = largest_lane(x);
  if (high < kAsymptoticLimit && piece_index(low) == piece_index(high))
    return auxiliary_polynomial(piece_index(low), x);
  if (low >= kAsymptoticLimit && high < kShortAsymptoticLimit) return auxiliary_asymptotic<kAsymptoticF.size()>(x);
  if (low >= kShortAsymptoticLimit) return auxiliary_asymptotic<6>(x);
  FresnelAuxiliaryOf<Lanes> mixed{};
  for (std::size_t i = 0; i < kLaneCount; ++i) {
    const FresnelAuxiliary lane = fresnel_auxiliary(x[i]);
    mixed.f[i] = lane.f;
    mixed.g[i] = lane.g;
  }
  return mixed;
}

}  // namespace tarniq::detail
