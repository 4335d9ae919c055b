// Reference values by direct numerical integration, for the tests of the Fresnel integrals, gain and patterns.
#pragma once

#include <array>
#include <cmath>
#include <complex>

namespace tarniq::test {

using Complex = std::complex<long double>;

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;

// ∫ f over [a, b]: composite eight-point Gauss-Legendre rule on `panels`
// equal panels, in long double. Accurate to about 1e-17 when every panel
// spans well under one oscillation of f.
template <typename Value, typename F>
Value gauss_legendre(F f, long double a, long double b, int panels) {
  static constexpr std::array<long double, 4> node = {
      0.183434642495649804939476142360184L, 0.525532409916328985817739049189246L,
      0.796666477413626739591553936475830L, 0.960289856497536231683560868569473L};
  static constexpr std::array<long double, 4> weight = {
      0.362683783378361982965150449277196L, 0.313706645877887287337962201986601L,
      0.222381034453374470544355994426241L, 0.101228536290376259152531354309962L};
  const long double h = (b - a) / panels;
  Value sum{};
  for (int p = 0; p < panels; ++p) {
    const long double middle = a + (p + 0.5L) * h;
    for (std::size_t k = 0; k < node.size(); ++k) {
      sum += weight[k] * h / 2 * (f(middle - node[k] * h / 2) + f(middle + node[k] * h / 2));
    }
  }
  return sum;
}

// C(x) + jS(x) = ∫₀ˣ e^(jπt²/2) dt, with panels a tenth of the local period.
inline Complex fresnel_by_quadrature(long double x) {
  const int panels = 100 + static_cast<int>(10 * x * x);
  return gauss_legendre<Complex>([](long double t) { return std::polar(1.0L, kPi * t * t / 2); },
                                 0.0L, x, panels);
}

// Far field of one plane of the aperture at u = B·sin θ: ∫ amplitude(ξ)·
// e^(j(2πuξ - 8πsξ²)) dξ over ξ = x/A in [-1/2, 1/2], the amplitude uniform
// or cos(πξ), s the edge phase deviation in wavelengths. The integrand is
// evaluated in double (the many panels make long double trigonometry slow),
// which leaves the result good to about 1e-15 of its boresight value.
inline Complex aperture_field(bool cosine, double s, double u) {
  const int panels = 40 + static_cast<int>(20 * (std::fabs(u) + 4 * s));
  const auto field = [&](long double xi) {
    const double x = static_cast<double>(xi);
    const double amplitude = cosine ? std::cos(3.14159265358979323846 * x) : 1.0;
    const std::complex<double> value =
        std::polar(amplitude, 2 * 3.14159265358979323846 * (u * x - 4 * s * x * x));
    return Complex(value.real(), value.imag());
  };
  return gauss_legendre<Complex>(field, -0.5L, 0.5L, panels);
}

}  // namespace tarniq::test
