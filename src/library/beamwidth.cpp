// Pattern-true beamwidths: where a cut, going outward from its maximum, first falls a level below it.
//
// The search works in v = sin θ, where the lobes of an aperture B wavelengths
// wide are about 1/B apart at every angle: it samples v ten times finer than
// that, finds the maximum among the samples and refines it, then walks
// outward from the maximum to the first sample at or below the level. A null
// that dips below the level between samples shows as a sampled local
// minimum, which is refined to see whether it does. The crossing, once
// bracketed, is refined in θ by Brent's method.
#include "tarniq/beamwidth.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "tarniq/analysis_domain.hpp"
#include "aperture_pattern.hpp"
#include "beamwidth_search.hpp"
#include "checks.hpp"
#include "root_finding.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;
constexpr double kSamplesPerLobe = 10.0;  // samples of sin θ per 1/B, the lobe spacing
constexpr double kLargestStep = 0.02;     // in sin θ, for apertures under five wavelengths
// Sampled peaks within this power ratio (0.22 dB) of the best are refined: a
// peak between samples may be up to about 1 % higher than its best sample.
constexpr double kPeakCandidateRatio = 0.95;
// Maxima and minima are located to this fraction of the sampling step: the
// power there is then within 1e-12 of the extreme.
constexpr double kExtremumTolerance = 1e-6;
constexpr double kAngleTolerance = 1e-10;  // the crossing, radians

double power_at_sine(const ApertureCut& cut, double v) {
  return relative_power(cut, v, std::sqrt(std::max(0.0, 1.0 - v * v)));
}

struct Sample {
  double sine;
  double power;
};

// A sampled local maximum and its neighbours, between which the true one lies.
struct PeakCandidate {
  double low, high;
  Sample sample;
};

// The maximum of the pattern between two sines, or the sample if higher.
Sample refine_peak(const ApertureCut& cut, const PeakCandidate& c, double step) {
  const Minimum m = find_minimum([&](double v) { return -power_at_sine(cut, v); }, c.low, c.high,
                                 kExtremumTolerance * step);
  if (-m.value > c.sample.power) return {std::fabs(m.x), -m.value};  // even: the mirror of a maximum is one
  return c.sample;
}

// The cut's maximum within ±90° (even in θ: searched over 0 to 90°). The
// samples run from boresight over the flare's geometric-optics region,
// sin θ <= (4s + 2)/B, where the maximum must lie, and on while the pattern
// still rises at its end; every sampled local maximum near the best is
// refined.
Sample find_peak(const ApertureCut& cut, double step) {
  const double limit = std::min(1.0, (4.0 * cut.phase_deviation + 2.0) / cut.size);
  std::vector<PeakCandidate> candidates;
  double best = 0.0;
  Sample before{step, 0.0};  // boresight's left neighbour is its mirror image, set below
  Sample last{0.0, power_at_sine(cut, 0.0)};
  for (std::size_t k = 1;; ++k) {
    const double v = std::min(1.0, static_cast<double>(k) * step);
    const Sample next{v, power_at_sine(cut, v)};
    if (k == 1) before.power = next.power;
    const bool at_end = v >= 1.0 || (v >= limit && next.power <= last.power);
    best = std::max(best, last.power);
    // boresight is searched over (-v₁, v₁): the even pattern's maximum there is inside
    if (last.power >= before.power && last.power >= next.power && last.power >= kPeakCandidateRatio * best)
      candidates.push_back({k == 1 ? -next.sine : before.sine, next.sine, last});
    before = last;
    last = next;
    if (at_end) break;
  }
  best = std::max(best, last.power);
  if (last.power >= before.power) candidates.push_back({before.sine, last.sine, last});  // rising at 90°
  Sample peak{0.0, 0.0};
  for (const PeakCandidate& c : candidates) {
    if (c.sample.power < kPeakCandidateRatio * best) continue;
    const Sample refined = refine_peak(cut, c, step);
    if (refined.power > peak.power) peak = refined;
  }
  return peak;
}

// The half-angle, radians, where the pattern crosses the threshold between
// the sines v_above (pattern above) and v_below (at or below).
double refine_crossing(const ApertureCut& cut, double threshold, double v_above, double v_below) {
  const auto excess = [&](double theta) {
    return relative_power(cut, std::sin(theta), std::cos(theta)) - threshold;
  };
  const double a = std::asin(v_above);
  const double b = std::asin(v_below);
  return find_root(excess, a, b, excess(a), excess(b), kAngleTolerance);
}

// The beamwidth of the cut whose maximum is `peak`, walking out in steps of `step`.
std::optional<double> beamwidth_from_peak(const ApertureCut& cut, double level_db, Sample peak, double step) {
  const double threshold = peak.power * std::pow(10.0, -level_db / 10.0);
  Sample before = peak;  // the two samples behind the walk
  Sample last = peak;
  for (std::size_t k = 1;; ++k) {
    const double v = std::min(1.0, peak.sine + static_cast<double>(k) * step);
    const Sample next{v, power_at_sine(cut, v)};
    if (next.power <= threshold)
      return 2.0 * kDegreesPerRadian * refine_crossing(cut, threshold, last.sine, v);
    if (k >= 2 && last.power < before.power && last.power < next.power) {
      // a sampled local minimum: does the null between the samples reach the level?
      const Minimum m = find_minimum([&](double s) { return power_at_sine(cut, s); }, before.sine,
                                     next.sine, kExtremumTolerance * step, threshold);
      if (m.value <= threshold)
        return 2.0 * kDegreesPerRadian * refine_crossing(cut, threshold, before.sine, m.x);
    }
    if (v >= 1.0) return std::nullopt;
    before = last;
    last = next;
  }
}

}  // namespace

CutBeam cut_beam(const ApertureCut& cut, double level_db) {
  const double step = std::min(kLargestStep, 1.0 / (kSamplesPerLobe * cut.size));
  const Sample peak = find_peak(cut, step);
  return {peak.power, beamwidth_from_peak(cut, level_db, peak, step)};
}

std::optional<double> cut_beamwidth(const ApertureCut& cut, double level_db) { return cut_beam(cut, level_db).width_deg; }

}  // namespace tarniq::detail

namespace tarniq {
namespace {

void check_arguments(const Horn& horn, double frequency_hz, double level) {
  check_analysis_domain(horn, frequency_hz);
  detail::require_positive(level, "level", "dB");
}

}  // namespace

std::optional<double> beamwidth(const Horn& horn, double frequency_hz, Plane plane, double level) {
  check_arguments(horn, frequency_hz, level);
  return detail::cut_beamwidth(detail::make_aperture_cut(horn, frequency_hz, plane), level);
}

Beamwidths beamwidths(const Horn& horn, double frequency_hz, double level) {
  check_arguments(horn, frequency_hz, level);
  return {
      detail::cut_beamwidth(detail::make_aperture_cut(horn, frequency_hz, Plane::e), level),
      detail::cut_beamwidth(detail::make_aperture_cut(horn, frequency_hz, Plane::h), level),
  };
}

}  // namespace tarniq
