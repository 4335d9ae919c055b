// Fitting a phase centre: the axial shift that makes a far-field phase most nearly constant.
#pragma once

#include <cmath>
#include <vector>

namespace tarniq::detail {

// One angle of a cut: θ in radians, its weight in the fit and its phase in
// radians, unwrapped along the cut.
struct PhaseSample {
  double theta;
  double weight;
  double phase;
};

// k·d (radians) minimizing Σ w·(Φ + k·d·cos θ - c)² over d and c: the
// weighted regression of Φ on -cos θ. 0 when the samples cannot say (no
// weight, or a single angle).
inline double fitted_phase_shift(const std::vector<PhaseSample>& samples) {
  double w = 0.0, t = 0.0, y = 0.0;
  for (const PhaseSample& s : samples) {
    w += s.weight;
    t += s.weight * std::cos(s.theta);
    y += s.weight * s.phase;
  }
  if (!(w > 0.0)) return 0.0;
  const double t_mean = t / w;
  const double y_mean = y / w;
  double tt = 0.0, ty = 0.0;
  for (const PhaseSample& s : samples) {
    const double dt = std::cos(s.theta) - t_mean;
    tt += s.weight * dt * dt;
    ty += s.weight * dt * (s.phase - y_mean);
  }
  if (!(tt > 0.0)) return 0.0;
  return -ty / tt;  // Φ ≈ c - k·d·cos θ
}

// The phase `next` moved by whole turns to within half a turn of `previous`.
inline double unwrapped(double next, double previous) {
  constexpr double kTurn = 6.28318530717958647692;
  return next - kTurn * std::round((next - previous) / kTurn);
}

}  // namespace tarniq::detail
