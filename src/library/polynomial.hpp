// Polynomial evaluation for the library's series and fitted pieces.
#pragma once

#include <array>
#include <cstddef>

namespace tarniq::detail::series {

// Σ coef[k]·uᵏ over the first Terms coefficients, as two Horner chains in u²
// (even and odd powers) that the processor runs side by side.
template <std::size_t Terms, std::size_t N>
inline double polynomial_terms(const std::array<double, N>& coef, double u) {
  static_assert(Terms >= 2 && Terms <= N);
  const double u2 = u * u;
  double even = 0.0;
  double odd = 0.0;
  for (std::size_t k = Terms; k-- > 0;) {
    if (k % 2 == 0)
      even = even * u2 + coef[k];
    else
      odd = odd * u2 + coef[k];
  }
  return even + u * odd;
}

template <std::size_t N>
inline double polynomial(const std::array<double, N>& coef, double u) {
  return polynomial_terms<N>(coef, u);
}

}  // namespace tarniq::detail::series
