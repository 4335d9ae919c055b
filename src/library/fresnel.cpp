// Fresnel integrals in double precision: power series near zero, auxiliary functions beyond.
#include "tarniq/fresnel.hpp"

#include <cmath>
#include <cstddef>

#include "checks.hpp"
#include "cos_sin_pi.hpp"
#include "fresnel_parts.hpp"

namespace tarniq::detail {
namespace {

using fresnel_tables::kSeriesC;
using fresnel_tables::kSeriesLimit;
using fresnel_tables::kSeriesS;
using series::polynomial;

// Beyond this |x| the terms in f and g fall under 1e-17: C and S are ±1/2.
constexpr double kSaturation = 36028797018963968.0;  // 2^55
constexpr double kVeltkampSplitter = 134217729.0;     // 2^27 + 1: splits a double into two halves

// p less a multiple of 4, exactly: for |p| >= 4, p and 4·trunc(p/4) have the
// same sign and lie within a factor 2, so their difference is exact.
double reduce_modulo_4(double p) { return std::fabs(p) < 4.0 ? p : p - 4.0 * std::trunc(p / 4.0); }

// x² modulo 4, for 0 <= x < 2^55. x = hi + lo with 26-bit hi, so hi², 2·hi·lo
// (and, to within what f can notice, lo²) are exact and each is reduced
// exactly: the phase πx²/2 keeps its accuracy however large x is.
double square_modulo_4(double x) {
  const double split = x * kVeltkampSplitter;
  const double hi = split - (split - x);
  const double lo = x - hi;
  const double sum = reduce_modulo_4(hi * hi) + reduce_modulo_4(2.0 * hi * lo) + lo * lo;
  return reduce_modulo_4(sum);
}

// S(x) and C(x) by the power series, for |x| <= kSeriesLimit.
FresnelIntegrals fresnel_series(double x) {
  const double x2 = x * x;
  const double x4 = x2 * x2;
  return {x * x2 * polynomial(kSeriesS, x4), x * polynomial(kSeriesC, x4)};
}

}  // namespace

FresnelIntegrals fresnel_unchecked(double x) {
  const double ax = std::fabs(x);
  if (ax <= kSeriesLimit) return fresnel_series(x);
  // odd in x: work at |x|, restore the sign at the end
  const double sign = x < 0.0 ? -1.0 : 1.0;
  if (ax >= kSaturation) return {sign * 0.5, sign * 0.5};
  const FresnelAuxiliary a = fresnel_auxiliary(ax);
  const CosSin phase = cos_sin_pi(square_modulo_4(ax) / 2.0);  // πx²/2
  const double sn = phase.sin;
  const double cs = phase.cos;
  const double C = 0.5 + (a.f * sn - a.g * cs);
  const double S = 0.5 - (a.f * cs + a.g * sn);
  return {sign * S, sign * C};
}

}  // namespace tarniq::detail

namespace tarniq {

FresnelIntegrals fresnel(double x) {
  detail::require_finite(x, "Fresnel argument", "");
  return detail::fresnel_unchecked(x);
}

}  // namespace tarniq
