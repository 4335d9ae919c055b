// Finding the jumps of a sampled curve: steps far larger than the steps beside them.
#include <algorithm>
#include <cmath>
#include <limits>

#include "request/svg/plot.hpp"

namespace tarniq::request {
namespace {

// A jump's step against the largest of the steps up to two points either
// side, and against the curve's whole range.
constexpr double trend_ratio = 3.0;
constexpr double range_fraction = 0.02;
constexpr std::size_t neighbours = 2;

bool present(const Series& series, std::size_t i) {
  return i < series.y.size() && i < series.x.size() && series.y[i] && std::isfinite(*series.y[i]);
}

}  // namespace

std::vector<std::size_t> find_jumps(const Series& series) {
  const std::size_t n = std::min(series.x.size(), series.y.size());
  // step[i]: the change from point i-1 to point i, where both exist.
  std::vector<std::optional<double>> step(n);
  double low = std::numeric_limits<double>::infinity(), high = -low;
  for (std::size_t i = 0; i < n; ++i) {
    if (!present(series, i)) continue;
    low = std::min(low, *series.y[i]);
    high = std::max(high, *series.y[i]);
    if (i > 0 && present(series, i - 1)) step[i] = *series.y[i] - *series.y[i - 1];
  }
  std::vector<std::size_t> jumps;
  for (std::size_t i = 1; i < n; ++i) {
    if (!step[i]) continue;
    double trend = -1.0;  // the largest neighbouring step; none: no trend to judge by
    for (std::size_t k = i > neighbours ? i - neighbours : 1; k <= i + neighbours && k < n; ++k)
      if (k != i && step[k]) trend = std::max(trend, std::fabs(*step[k]));
    const double size = std::fabs(*step[i]);
    if (trend >= 0.0 && size > trend_ratio * trend && size > range_fraction * (high - low)) jumps.push_back(i);
  }
  return jumps;
}

}  // namespace tarniq::request
