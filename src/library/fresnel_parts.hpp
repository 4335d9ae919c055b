// The pieces of the double-precision Fresnel integrals, for the pattern cuts that combine them directly.
#pragma once

#include <cstddef>

#include "fresnel_coefficients.hpp"
#include "polynomial.hpp"
#include "tarniq/fresnel.hpp"

namespace tarniq::detail {

// The auxiliary functions of x >= 0, smooth and slowly varying, in terms of
// which C(x) = 1/2 + f·sin(πx²/2) - g·cos(πx²/2) and
// S(x) = 1/2 - f·cos(πx²/2) - g·sin(πx²/2); f ~ 1/(πx), g ~ 1/(π²x³).
struct FresnelAuxiliary {
  double f;
  double g;
};

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

inline FresnelAuxiliary auxiliary_polynomial(double x) {
  // x in [0, kAsymptoticLimit): one piece per kPieceWidth
  const auto piece = static_cast<std::size_t>(x / kPieceWidth);
  const std::size_t i = piece < kPolynomialPieces.size() ? piece : kPolynomialPieces.size() - 1;
  const double y = 2.0 * (x - static_cast<double>(i) * kPieceWidth) / kPieceWidth - 1.0;
  const PolynomialPiece& p = kPolynomialPieces[i];
  return {polynomial(p.f, y), polynomial(p.g, y)};
}

template <std::size_t Terms>
inline FresnelAuxiliary auxiliary_asymptotic(double x) {
  const double pix = kPi * x;
  const double z = pix * x;  // πx²; overflows to inf for huge x, making g zero
  const double w = 1.0 / (z * z);
  return {polynomial_terms<Terms>(kAsymptoticF, w) / pix,
          polynomial_terms<Terms>(kAsymptoticG, w) / (pix * z)};
}

}  // namespace fresnel_tables

// f and g at any finite x >= 0, to about 1e-17 (absolute below x = 6,
// relative beyond, where they shrink); f(0) = g(0) = 1/2,
// and both tend to zero without overflow as x grows.
inline FresnelAuxiliary fresnel_auxiliary(double x) {
  using namespace fresnel_tables;
  if (x < kAsymptoticLimit) return auxiliary_polynomial(x);                            // [0, 6)
  if (x < kShortAsymptoticLimit) return auxiliary_asymptotic<kAsymptoticF.size()>(x);  // [6, 10)
  return auxiliary_asymptotic<6>(x);                                                   // x >= 10
}

}  // namespace tarniq::detail
