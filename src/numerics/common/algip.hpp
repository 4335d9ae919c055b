// Lagrange interpolation through a handful of points, in single precision.
#pragma once

#include <span>

namespace tarniq::numerics {

// Value at X of the polynomial through the first N points (XT[i], YT[i]).
// XT need not be increasing, but its entries must be distinct; outside their
// span the polynomial is extrapolated. N of 0 or less gives 0; an N beyond
// either span is limited to the shorter span.
float ALGIP(float X, std::span<const float> XT, std::span<const float> YT, int N);

}  // namespace tarniq::numerics
