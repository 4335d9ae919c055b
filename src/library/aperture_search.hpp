// Searches for the aperture whose pattern-true beamwidth is the prescription, for the pattern-method designs.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "message_text.hpp"
#include "root_finding.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::detail {

// A search stops when the beamwidth is this close to the prescription, degrees.
inline constexpr double kBeamwidthTolerance = 5e-5;
inline constexpr int kMaxSearchSteps = 40;

// Apertures searched, metres: above lowest, at most highest.
struct ApertureRange {
  double lowest;
  double highest;
};

// The aperture at which the beam of full width beamwidth (degrees) at the
// aperture a would have the target width, were the pattern a function of
// a·sin θ alone: a·sin(beamwidth/2)/sin(target/2). Phase error and the
// obliquity factor widen a beam less as the aperture grows, so when the flare
// keeps or increases its phase deviation the true aperture is never smaller
// than this from below, never larger from above.
inline double scaled_aperture(double a, double beamwidth, double target) {
  constexpr double kHalfDegree = std::numbers::pi / 360.0;  // radians in half a degree
  return a * std::sin(std::min(beamwidth, 180.0) * kHalfDegree) / std::sin(target * kHalfDegree);
}

// The search for the aperture of the target beamwidth, as messages name it.
inline std::string aperture_search_name(double target) {
  return "the search for the aperture of a " + degrees_text(target) + " beam";
}

// The steps ran out before the beam reached the target or the range its end:
// no answer either way.
[[noreturn]] inline void aperture_search_failed(double target, double beamwidth) {
  throw SearchFailed(aperture_search_name(target) + " stopped after " + std::to_string(kMaxSearchSteps) +
                     " steps, the beam still " + degrees_text(beamwidth));
}

// Refine a bracket [a, b] whose beamwidth errors fa, fb differ in sign, to
// a relative 1e-8 in the aperture: about 1e-7° in the beamwidth.
template <typename Error>
double refine(Error& error, double a, double fa, double b, double fb, double target) {
  return find_root(error, a, b, fa, fb, 1e-8 * std::max(a, b), aperture_search_name(target));
}

// At a fixed phase deviation the beamwidth falls as the aperture grows. The
// aperture in range whose beamwidth (beamwidth_of(a), degrees) is the target,
// found from start by scaled steps a little past the prediction, so that one
// step usually brackets it, then refined; none when the range ends first,
// SearchFailed when the steps run out first.
template <typename BeamwidthOf>
std::optional<double> aperture_for_beamwidth(BeamwidthOf&& beamwidth_of, double start, ApertureRange range,
                                             double target) {
  auto error = [&](double a) { return beamwidth_of(a) - target; };
  const double lowest = range.lowest * (1.0 + 1e-9);
  if (!(lowest < range.highest)) return std::nullopt;
  double a = std::clamp(start, lowest, range.highest);
  double fa = error(a);
  for (int step = 0; step < kMaxSearchSteps; ++step) {
    if (std::abs(fa) <= kBeamwidthTolerance) return a;
    const double overshoot = fa > 0.0 ? 1.01 : 0.99;
    const double next =
        std::clamp(scaled_aperture(a, fa + target, target) * overshoot, lowest, range.highest);
    if (next == a) return std::nullopt;  // the range ends before the beam reaches the target
    const double fn = error(next);
    if ((fn > 0.0) != (fa > 0.0)) return refine(error, a, fa, next, fn, target);
    a = next;
    fa = fn;
  }
  aperture_search_failed(target, fa + target);
}

// The flare of fixed axial length from its waveguide dimension: as its
// aperture grows so does its phase deviation, and its beam narrows, then
// widens again. The smallest aperture in range whose beamwidth is the
// target. Coming from below, scaled steps never pass that aperture; where
// they slow down, a probe at the end of their geometric series, taken only
// when it brackets the target, saves the crawl. From a start already past
// it, the search comes down as at a fixed phase deviation. None when the
// beam never narrows to the target before the range ends, or widens again
// before it does; SearchFailed when the steps run out first.
template <typename BeamwidthOf>
std::optional<double> smallest_aperture_for_beamwidth(BeamwidthOf&& beamwidth_of, double start,
                                                      ApertureRange range, double target) {
  auto error = [&](double a) { return beamwidth_of(a) - target; };
  // Just above the waveguide the flare is nearly parallel: its phase
  // deviation, about 1e-6 of the aperture's (a/λ)²/(8L/λ), stays measurable.
  double a = std::max(start, range.lowest * (1.0 + 1e-6));
  if (!(a < range.highest)) return std::nullopt;
  double fa = error(a);
  if (fa < 0.0) return aperture_for_beamwidth(beamwidth_of, a, {range.lowest, a}, target);
  double previous_step = 0.0;
  for (int step = 0; step < kMaxSearchSteps; ++step) {
    if (fa <= kBeamwidthTolerance) return a;
    const double next = scaled_aperture(a, fa + target, target);
    if (next > range.highest) return std::nullopt;
    const double step_size = next - a;
    const double ratio = previous_step > 0.0 ? step_size / previous_step : 0.0;
    if (ratio > 0.5 && ratio < 1.0) {
      const double probe = a + 1.05 * step_size / (1.0 - ratio);
      if (probe <= range.highest) {
        const double fp = error(probe);
        if (fp <= 0.0) return refine(error, a, fa, probe, fp, target);
      }
    }
    const double fn = error(next);
    if (fn <= 0.0) return refine(error, a, fa, next, fn, target);
    // Wider again: the narrowest beam lay behind, above the target.
    if (fn >= fa) return std::nullopt;
    previous_step = step_size;
    a = next;
    fa = fn;
  }
  aperture_search_failed(target, fa + target);
}

}  // namespace tarniq::detail
