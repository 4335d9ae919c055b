// Cosine and sine of π·x with exact argument reduction, for the phases of the Fresnel integrals and pattern cuts.
#pragma once

#include <array>
#include <cmath>

#include "lanes.hpp"
#include "polynomial.hpp"

namespace tarniq::detail {

template <class T>
struct CosSinOf {
  T cos;
  T sin;
};
using CosSin = CosSinOf<double>;

namespace series {

// Taylor coefficients in f² of sin(πf)/f, (-1)ᵏπ²ᵏ⁺¹/(2k + 1)!, and of
// cos(πf), (-1)ᵏπ²ᵏ/(2k)!, rounded from 50 digits. For |f| <= 1/4 the first
// terms dropped are below 1e-19.
inline constexpr std::array<double, 9> kSinPi = {
    3.14159265358979312e+00,  -5.16771278004997026e+00, 2.55016403987734552e+00,
    -5.99264529320792105e-01, 8.21458866111282326e-02,  -7.37043094571435044e-03,
    4.66302805767612554e-04,  -2.19153534478302173e-05, 7.95205400147551261e-07};
inline constexpr std::array<double, 10> kCosPi = {
    1.00000000000000000e+00,  -4.93480220054467900e+00, 4.05871212641676848e+00,
    -1.33526276885458950e+00, 2.35330630358893206e-01,  -2.58068913900140612e-02,
    1.92957430940392314e-03,  -1.04638104924845705e-04, 4.30306958703294729e-06,
    -1.38789524622137714e-07};

// Adding and subtracting 1.5·2⁵² rounds a double below 2⁵¹ to an integer.
inline constexpr double kRoundingShift = 6755399441055744.0;

}  // namespace series

// Below this |x/2| the rounding shift rounds x/2 to an integer.
inline constexpr double kRoundableHalf = 2251799813685248.0;  // 2^51

// x - 2·round(x/2), in [-1, 1], for |x/2| below kRoundableHalf: exact, as
// both terms lie within a factor 2 of x.
template <class T>
TARNIQ_LANES_INLINE T reduce_roundable_modulo_2(T x) {
  using series::kRoundingShift;
  const T half = x / 2.0;
  return x - 2.0 * ((half + kRoundingShift) - kRoundingShift);
}

// The same for any finite x.
inline double reduce_modulo_2(double x) {
  return std::fabs(x / 2.0) < kRoundableHalf ? reduce_roundable_modulo_2(x) : std::fmod(x, 2.0);
}

// cos(πx) and sin(πx) for finite x, a double or Lanes. x is reduced exactly,
// first modulo 2 and then to f in [-1/4, 1/4] and a quarter turn, so large
// arguments keep their phase and multiples of 1/2 give exact zeros and ones.
template <class T>
TARNIQ_LANES_INLINE CosSinOf<T> cos_sin_pi(T x) {
  using namespace series;
  // all lanes at once while no lane needs fmod
  const T r = all(magnitude(x / 2.0) < kRoundableHalf) ? reduce_roundable_modulo_2(x) : each_lane(x, reduce_modulo_2);
  const T quarter = (2.0 * r + kRoundingShift) - kRoundingShift;  // -2 ... 2
  const T f = r - quarter / 2.0;
  const T f2 = f * f;
  const T s = f * polynomial(kSinPi, f2);
  const T c = polynomial(kCosPi, f2);
  // turned by quarter·π/2
  const auto first = quarter == 1.0;
  const auto last = quarter == -1.0;
  const auto none = quarter == 0.0;
  return {select(none, c, select(first, -s, select(last, s, -c))),
          select(none, s, select(first, c, select(last, -c, -s)))};
}

}  // namespace tarniq::detail
