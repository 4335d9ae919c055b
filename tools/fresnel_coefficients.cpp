// Writes src/library/fresnel_coefficients.hpp, the coefficient tables of the double-precision Fresnel integrals.
//
// Rerun from the project root:
//   g++ -O2 -std=gnu++20 tools/fresnel_coefficients.cpp -o /tmp/fresnel_coefficients -lquadmath &&
//   /tmp/fresnel_coefficients > src/library/fresnel_coefficients.hpp
//
// Everything is computed in quadruple precision (__float128) and rounded to
// double once, when printed. The auxiliary functions f and g, defined for
// x > 0 by
//   C(x) = 1/2 + f(x)·sin(πx²/2) - g(x)·cos(πx²/2),
//   S(x) = 1/2 - f(x)·cos(πx²/2) - g(x)·sin(πx²/2),
// come from the power series of C and S below x = 2 (where it keeps over 30
// digits) and from the continued fraction of the complementary error function
// above; the two agree to about 1e-30 where they overlap, which the program
// checks before it prints anything.
#include <quadmath.h>

#include <cstdio>
#include <cstdlib>

namespace {

using Quad = __float128;

const Quad kPi = M_PIq;

// Layout of the tables: the power series of C and S up to kSeriesLimit;
// polynomial pieces of f and g, kPieceWidth wide, from 0 up to
// kAsymptoticLimit; the asymptotic series of f and g beyond.
constexpr double kSeriesLimit = 1.5;
constexpr double kPieceWidth = 0.25;
constexpr int kPieces = 24;
constexpr double kAsymptoticLimit = kPieces * kPieceWidth;  // 6
constexpr int kChebyshevTerms = 14;
constexpr int kAsymptoticTerms = 11;  // enough at x = 6; fewer further out
constexpr Quad kSeriesTolerance = 1e-20Q;  // last series term kept, relative to x at the limit

struct Complex {
  Quad re, im;
};
Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
Complex operator*(Complex a, Complex b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
Complex reciprocal(Complex a) {
  const Quad d = a.re * a.re + a.im * a.im;
  return {a.re / d, -a.im / d};
}

struct Auxiliary {
  Quad f, g;
};

// Power series of C and S, then f and g from their definition (x < 2).
Auxiliary auxiliary_from_series(Quad x) {
  const Quad h = kPi / 2;
  const Quad x4 = x * x * x * x;
  Quad C = 0, S = 0;
  Quad tc = x, ts = h * x * x * x;
  for (int n = 0; n < 200; ++n) {
    C += tc / (4 * n + 1);
    S += ts / (4 * n + 3);
    tc *= -h * h * x4 / ((2 * n + 1) * (2 * n + 2));
    ts *= -h * h * x4 / ((2 * n + 2) * (2 * n + 3));
  }
  const Quad phi = h * x * x;
  const Quad sn = sinq(phi), cs = cosq(phi);
  return {(C - 0.5Q) * sn - (S - 0.5Q) * cs, -(C - 0.5Q) * cs - (S - 0.5Q) * sn};
}

// erfc(z) = (2z/√π)·e^(-z²)·K with z = (1 - i)·√π·x/2 and
// K = 1/(b - 1·2/(b + 4 - 3·4/(b + 8 - ...))), b = 1 - iπx²; then
// C + iS = (1 + i)/2 - x·K·e^(iπx²/2), so f = x·Im K and g = x·Re K.
Auxiliary auxiliary_from_continued_fraction(Quad x) {
  const Complex b{1, -kPi * x * x};
  Complex tail{0, 0};
  for (int k = 40000; k >= 1; --k) {
    const Quad n = 2 * k - 1;
    tail = Complex{-n * (n + 1), 0} * reciprocal(b + Complex{Quad(4 * k), 0} + tail);
  }
  const Complex K = reciprocal(b + tail);
  return {x * K.im, x * K.re};
}

Auxiliary auxiliary(Quad x) {
  return x < 2 ? auxiliary_from_series(x) : auxiliary_from_continued_fraction(x);
}

void check_overlap() {
  for (Quad x = 1.5Q; x <= 3.0Q; x += 0.25Q) {
    const Auxiliary a = auxiliary_from_series(x);
    const Auxiliary b = auxiliary_from_continued_fraction(x);
    if (fabsq(a.f - b.f) > 1e-28Q || fabsq(a.g - b.g) > 1e-28Q) {
      std::fprintf(stderr, "series and continued fraction disagree at x = %g\n", double(x));
      std::exit(1);
    }
  }
}

void print_row(const Quad* c, int n, const char* indent) {
  std::printf("%s{", indent);
  for (int k = 0; k < n; ++k) {
    if (k > 0) std::printf(k % 3 == 0 ? ",\n%s " : ", ", indent);
    std::printf("%.17e", double(c[k]));
  }
  std::printf("}");
}

// C(x)/x = Σ c_n·(x⁴)ⁿ, c_n = (-1)ⁿ(π/2)²ⁿ/((2n)!·(4n + 1));
// S(x)/x³ = Σ s_n·(x⁴)ⁿ, s_n = (-1)ⁿ(π/2)²ⁿ⁺¹/((2n + 1)!·(4n + 3)).
void print_series() {
  const Quad h = kPi / 2;
  const Quad limit4 = Quad(kSeriesLimit) * kSeriesLimit * kSeriesLimit * kSeriesLimit;
  Quad c[64], s[64];
  Quad tc = 1, ts = h;  // (π/2)²ⁿ/(2n)! and (π/2)²ⁿ⁺¹/(2n+1)!
  Quad power = 1;       // limit⁴ⁿ
  int n = 0;
  for (; n < 64; ++n) {
    c[n] = tc / (4 * n + 1);
    s[n] = ts / (4 * n + 3);
    if (n % 2) c[n] = -c[n], s[n] = -s[n];
    if (fabsq(c[n]) * power < kSeriesTolerance && fabsq(s[n]) * power < kSeriesTolerance) break;
    tc *= h * h / ((2 * n + 1) * (2 * n + 2));
    ts *= h * h / ((2 * n + 2) * (2 * n + 3));
    power *= limit4;
  }
  const int terms = n + 1;
  std::printf("// Power series about 0, |x| <= kSeriesLimit: C(x) = x·Σ c_n·(x⁴)ⁿ and\n");
  std::printf("// S(x) = x³·Σ s_n·(x⁴)ⁿ, c_n = (-1)ⁿ(π/2)²ⁿ/((2n)!(4n + 1)),\n");
  std::printf("// s_n = (-1)ⁿ(π/2)²ⁿ⁺¹/((2n + 1)!(4n + 3)); the last terms are below 1e-20 at the limit.\n");
  std::printf("inline constexpr double kSeriesLimit = %.17g;\n", kSeriesLimit);
  std::printf("inline constexpr std::array<double, %d> kSeriesC = {\n", terms);
  for (int k = 0; k < terms; ++k) std::printf("    %.17e,  // c_%d\n", double(c[k]), k);
  std::printf("};\n");
  std::printf("inline constexpr std::array<double, %d> kSeriesS = {\n", terms);
  for (int k = 0; k < terms; ++k) std::printf("    %.17e,  // s_%d\n", double(s[k]), k);
  std::printf("};\n\n");
}

// Chebyshev coefficients of one function on a piece, from its values at the
// Chebyshev nodes, then rewritten as powers of y: faster to evaluate, and on
// [-1, 1] with coefficients this quickly falling no less accurate.
constexpr int kNodes = 64;

void chebyshev_to_powers(const Quad* chebyshev, Quad* powers) {
  Quad previous[kChebyshevTerms] = {1};  // T_0
  Quad current[kChebyshevTerms] = {0, 1};  // T_1
  for (int j = 0; j < kChebyshevTerms; ++j) powers[j] = chebyshev[0] * previous[j] + chebyshev[1] * current[j];
  for (int k = 2; k < kChebyshevTerms; ++k) {
    Quad next[kChebyshevTerms] = {};  // T_k = 2y·T_(k-1) - T_(k-2)
    for (int j = 0; j < kChebyshevTerms; ++j) next[j] = (j > 0 ? 2 * current[j - 1] : 0) - previous[j];
    for (int j = 0; j < kChebyshevTerms; ++j) {
      previous[j] = current[j];
      current[j] = next[j];
      powers[j] += chebyshev[k] * next[j];
    }
  }
}

void fit_piece(const Quad* values, Quad* powers, int piece) {
  Quad chebyshev[kNodes];
  for (int j = 0; j < kNodes; ++j) {
    Quad sum = 0;
    for (int k = 0; k < kNodes; ++k) sum += values[k] * cosq(kPi * j * (k + 0.5Q) / kNodes);
    chebyshev[j] = (j == 0 ? 1 : 2) * sum / kNodes;
  }
  for (int j = kChebyshevTerms; j < kNodes; ++j) {
    if (fabsq(chebyshev[j]) > 1e-18Q) {
      std::fprintf(stderr, "piece %d needs more than %d terms\n", piece, kChebyshevTerms);
      std::exit(1);
    }
  }
  chebyshev_to_powers(chebyshev, powers);
}

void print_pieces() {
  std::printf("// Polynomial pieces of f and g, kPieceWidth wide from 0 to kAsymptoticLimit:\n");
  std::printf("// on piece i, y = 2(x - i·kPieceWidth)/kPieceWidth - 1\n");
  std::printf("// and f(x) = Σ f[k]·yᵏ. Each is the Chebyshev interpolant at 64 nodes,\n");
  std::printf("// truncated where the Chebyshev terms fall below 1e-18 and rewritten in powers of y.\n");
  std::printf("inline constexpr double kPieceWidth = %.17g;\n", kPieceWidth);
  std::printf("inline constexpr double kAsymptoticLimit = %.17g;\n", kAsymptoticLimit);
  std::printf("struct PolynomialPiece {\n  std::array<double, %d> f;\n  std::array<double, %d> g;\n};\n",
              kChebyshevTerms, kChebyshevTerms);
  std::printf("inline constexpr std::array<PolynomialPiece, %d> kPolynomialPieces = {{\n", kPieces);
  for (int i = 0; i < kPieces; ++i) {
    const Quad a = Quad(i) * kPieceWidth;
    const Quad mid = a + Quad(kPieceWidth) / 2, half = Quad(kPieceWidth) / 2;
    Quad f_values[kNodes], g_values[kNodes];
    for (int k = 0; k < kNodes; ++k) {
      const Auxiliary value = auxiliary(mid + half * cosq(kPi * (k + 0.5Q) / kNodes));
      f_values[k] = value.f;
      g_values[k] = value.g;
    }
    Quad f[kChebyshevTerms], g[kChebyshevTerms];
    fit_piece(f_values, f, i);
    fit_piece(g_values, g, i);
    std::printf("    // x in [%g, %g]\n    {\n", double(a), double(a) + kPieceWidth);
    print_row(f, kChebyshevTerms, "        ");
    std::printf(",  // f\n");
    print_row(g, kChebyshevTerms, "        ");
    std::printf(",  // g\n    },\n");
  }
  std::printf("}};\n\n");
}

// f(x) ~ 1/(πx)·Σ p_n/z²ⁿ and g(x) ~ 1/(π²x³)·Σ q_n/z²ⁿ, z = πx²,
// p_n = (-1)ⁿ(4n - 1)!!, q_n = (-1)ⁿ(4n + 1)!!.
void print_asymptotic() {
  Quad p[kAsymptoticTerms], q[kAsymptoticTerms];
  Quad odd = 1;  // (4n - 1)!!
  for (int n = 0; n < kAsymptoticTerms; ++n) {
    const Quad sign = n % 2 ? -1 : 1;
    p[n] = sign * odd;
    q[n] = sign * odd * (4 * n + 1);
    odd *= Quad(4 * n + 1) * (4 * n + 3);
  }
  std::printf("// Asymptotic series, x >= kAsymptoticLimit: f = 1/(πx)·Σ p_n/z²ⁿ and\n");
  std::printf("// g = 1/(π²x³)·Σ q_n/z²ⁿ with z = πx², p_n = (-1)ⁿ(4n - 1)!!, q_n = (-1)ⁿ(4n + 1)!!.\n");
  std::printf("// Truncated after N terms the error is below the first term dropped:\n");
  std::printf("// under 1e-17 relative for N = 11 at x = 6 and for N = 6 at x = 10.\n");
  std::printf("inline constexpr std::array<double, %d> kAsymptoticF = {\n", kAsymptoticTerms);
  for (int n = 0; n < kAsymptoticTerms; ++n) std::printf("    %.17e,  // p_%d\n", double(p[n]), n);
  std::printf("};\n");
  std::printf("inline constexpr std::array<double, %d> kAsymptoticG = {\n", kAsymptoticTerms);
  for (int n = 0; n < kAsymptoticTerms; ++n) std::printf("    %.17e,  // q_%d\n", double(q[n]), n);
  std::printf("};\n");
}

}  // namespace

int main() {
  check_overlap();
  std::printf("// Coefficient tables of the double-precision Fresnel integrals (fresnel.cpp).\n");
  std::printf("// This table is generated by tools/fresnel_coefficients.cpp; rerun it as its\n");
  std::printf("// first lines say rather than editing the numbers by hand.\n");
  std::printf("#pragma once\n\n#include <array>\n\nnamespace tarniq::detail::fresnel_tables {\n\n");
  print_series();
  print_pieces();
  print_asymptotic();
  std::printf("\n}  // namespace tarniq::detail::fresnel_tables\n");
  return 0;
}
