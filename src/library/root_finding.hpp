// Brent's bracketed root finder and minimizer, for the beamwidth searches.
#pragma once

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "tarniq/errors.hpp"

namespace tarniq::detail {

inline constexpr double kMachineEpsilon = std::numeric_limits<double>::epsilon();
// Either search converges long before: a bisection halves its bracket every step.
inline constexpr int kMaxIterations = 200;

// A search that ran out of iterations, named for its message: not an answer
// either way.
[[noreturn]] inline void ran_out(std::string_view search) {
  throw SearchFailed(std::string(search) + " did not converge in " + std::to_string(kMaxIterations) + " iterations");
}

// A zero of f in [a, b], where fa = f(a) and fb = f(b) differ in sign (or one
// is zero), to within `tolerance` plus a few ulps of the answer: inverse
// quadratic and secant steps, bisection whenever they stall. Throws
// SearchFailed, naming the search ("the search for ..."), should it not
// converge.
template <typename F>
double find_root(F f, double a, double b, double fa, double fb, double tolerance, std::string_view search) {
  double c = a;
  double fc = fa;
  double d = b - a;
  double e = d;
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    if (std::fabs(fc) < std::fabs(fb)) {  // keep b the best estimate, c on the other side
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tol = 2.0 * kMachineEpsilon * std::fabs(b) + 0.5 * tolerance;
    const double half = 0.5 * (c - b);
    if (std::fabs(half) <= tol || fb == 0.0) return b;
    bool bisect = true;
    if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p = 0.0;
      double q = 0.0;
      if (a == c) {  // secant
        p = 2.0 * half * s;
        q = 1.0 - s;
      } else {  // inverse quadratic
        const double qa = fa / fc;
        const double r = fb / fc;
        p = s * (2.0 * half * qa * (qa - r) - (b - a) * (r - 1.0));
        q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0) q = -q;
      p = std::fabs(p);
      if (2.0 * p < 3.0 * half * q - std::fabs(tol * q) && p < std::fabs(0.5 * e * q)) {
        e = d;
        d = p / q;
        bisect = false;
      }
    }
    if (bisect) d = e = half;
    a = b;
    fa = fb;
    b += std::fabs(d) > tol ? d : std::copysign(tol, half);
    fb = f(b);
    if (fb * std::copysign(1.0, fc) > 0.0) {  // b and c on one side: c returns to the old b
      c = a;
      fc = fa;
      d = e = b - a;
    }
  }
  ran_out(search);
}

struct Minimum {
  double x;
  double value;
};

// The minimum of f on (a, b), to within `tolerance` plus √ε relative:
// golden-section steps, parabolic ones where they are safe. Stops early at
// the first point where f is at or below stop_at, and returns that point.
// Throws SearchFailed, naming the search, should it not converge.
template <typename F>
Minimum find_minimum(F f, double a, double b, double tolerance, std::string_view search,
                     double stop_at = -std::numeric_limits<double>::infinity()) {
  const double golden = 0.5 * (3.0 - std::sqrt(5.0));
  const double root_eps = std::sqrt(kMachineEpsilon);
  double x = a + golden * (b - a);
  double w = x;
  double v = x;
  double fx = f(x);
  double fw = fx;
  double fv = fx;
  double d = 0.0;
  double e = 0.0;
  for (int iteration = 0; fx > stop_at; ++iteration) {
    const double middle = 0.5 * (a + b);
    const double tol1 = root_eps * std::fabs(x) + tolerance / 3.0;
    const double tol2 = 2.0 * tol1;
    if (std::fabs(x - middle) <= tol2 - 0.5 * (b - a)) break;
    if (iteration == kMaxIterations) ran_out(search);
    bool golden_step = true;
    if (std::fabs(e) > tol1) {  // try a parabola through x, w, v
      double r = (x - w) * (fx - fv);
      double q = (x - v) * (fx - fw);
      double p = (x - v) * q - (x - w) * r;
      q = 2.0 * (q - r);
      if (q > 0.0) p = -p;
      q = std::fabs(q);
      r = e;
      e = d;
      if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
        d = p / q;
        const double u = x + d;
        if (u - a < tol2 || b - u < tol2) d = std::copysign(tol1, middle - x);
        golden_step = false;
      }
    }
    if (golden_step) {
      e = x >= middle ? a - x : b - x;
      d = golden * e;
    }
    const double u = std::fabs(d) >= tol1 ? x + d : x + std::copysign(tol1, d);
    const double fu = f(u);
    if (fu <= fx) {
      (u >= x ? a : b) = x;
      v = w;
      fv = fw;
      w = x;
      fw = fx;
      x = u;
      fx = fu;
      continue;
    }
    (u < x ? a : b) = u;
    if (fu <= fw || w == x) {
      v = w;
      fv = fw;
      w = u;
      fw = fu;
    } else if (fu <= fv || v == x || v == w) {
      v = u;
      fv = fu;
    }
  }
  return {x, fx};
}

}  // namespace tarniq::detail
