// Polynomial evaluation for the library's series and fitted pieces.
#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include "lanes.hpp"

namespace tarniq::detail::series {

// One step of the Horner chain of power k: even or odd.
template <std::size_t K, std::size_t N, class T>
TARNIQ_LANES_INLINE void horner_step(const std::array<double, N>& coef, T u2, T& even, T& odd) {
  if constexpr (K % 2 == 0) {
    even = even * u2 + coef[K];
  } else {
    odd = odd * u2 + coef[K];
  }
}

// The steps from power Terms - 1 down to 0.
template <std::size_t Terms, std::size_t N, class T, std::size_t... I>
TARNIQ_LANES_INLINE void horner_steps(const std::array<double, N>& coef, T u2, T& even, T& odd,
                                      std::index_sequence<I...>) {
  (horner_step<Terms - 1 - I>(coef, u2, even, odd), ...);
}

// Σ coef[k]·uᵏ over the first Terms coefficients, as two Horner chains in u²
// (even and odd powers) that the processor runs side by side, written out
// step by step from the highest power. u is a double or Lanes (lanes.hpp),
// the same operations in each lane.
template <std::size_t Terms, std::size_t N, class T>
TARNIQ_LANES_INLINE T polynomial_terms(const std::array<double, N>& coef, T u) {
  static_assert(Terms >= 2 && Terms <= N);
  const T u2 = u * u;
  T even{};
  T odd{};
  horner_steps<Terms>(coef, u2, even, odd, std::make_index_sequence<Terms>{});
  return even + u * odd;
}

template <std::size_t N, class T>
TARNIQ_LANES_INLINE T polynomial(const std::array<double, N>& coef, T u) {
  return polynomial_terms<N>(coef, u);
}

}  // namespace tarniq::detail::series
