// Lagrange interpolation, with the rounding order that fixes the last digit of every result.
#include "common/algip.hpp"

#include <algorithm>
#include <cstddef>

namespace tarniq::numerics {

float ALGIP(float X, std::span<const float> XT, std::span<const float> YT, int N) {
  const std::size_t n = N <= 0 ? 0 : std::min({static_cast<std::size_t>(N), XT.size(), YT.size()});
  float sum = 0.0f;
  for (std::size_t i = 0; i < n; ++i) {
    // Lagrange weight of point i: factors in ascending j, multiply before
    // divide, every partial product rounded to float.
    float p = 1.0f;
    for (std::size_t j = 0; j < n; ++j) {
      if (j == i) continue;
      p = ((X - XT[j]) * p) / (XT[i] - XT[j]);
    }
    sum = p * YT[i] + sum;
  }
  return sum;
}

}  // namespace tarniq::numerics
