// Three-point lookup in the universal beamwidth table.
#include "common/bwfac.hpp"

#include <array>
#include <cstddef>
#include <limits>

#include "common/algip.hpp"

namespace tarniq::numerics {
namespace {

// Start row k (counted from 1) for q = S/h + 1: the integer part of q, kept
// within [1, k_max]. Compared as floats before converting, so that NaN,
// infinities and values beyond int never reach the conversion.
int start_row(float q, int k_max) {
  if (!(q < static_cast<float>(k_max + 1))) return k_max;  // S near or past the end, or NaN
  if (q < 1.0f) return 1;                                  // S < 0
  return static_cast<int>(q);
}

}  // namespace

float BWFAC(float S, int LEVEL, Subtable plane) {
  if (LEVEL < 1 || LEVEL > kLevelCount) return std::numeric_limits<float>::quiet_NaN();

  const std::span<const BeamwidthRow> rows = subtable_rows(plane);
  const float h = subtable_step(plane);
  const int k_max = static_cast<int>(rows.size()) - 2;
  const int k = start_row(S / h + 1.0f, k_max);

  // The rows k, k+1, k+2 (from 1), that is the node at or below S and the two
  // above it; x_I = (k + I - 2)·h, which is the 0-based row index times h.
  std::array<float, 3> x{};
  std::array<float, 3> y{};
  for (int I = 1; I <= 3; ++I) {
    const int row = k + I - 2;
    x[I - 1] = static_cast<float>(row) * h;
    y[I - 1] = rows[static_cast<std::size_t>(row)][stored_column(LEVEL)];
  }
  return ALGIP(S, x, y, 3);
}

}  // namespace tarniq::numerics
