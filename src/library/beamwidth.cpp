// Pattern-true beamwidths: where a cut, going outward from its maximum, first falls a level below it.
//
// The search works in v = sin θ, where the lobes of an aperture B wavelengths
// wide are about 1/B apart at every angle: it samples v ten times finer than
// that, finds the maximum among the samples and refines it, then walks
// outward from the maximum to the first sample at or below the level. A null
// that dips below the level between samples shows as a sampled local
// minimum, which is refined to see whether it does. The crossing, once
// bracketed, is refined in θ by Brent's method.
//
// An electrically large aperture has 10·B samples over 90°, most of them
// far from the peak or the crossing: bounds on the power over a span
// (pattern_bounds.hpp) let the peak search leave out spans that cannot rise
// above the best sample, and the walk stride over spans that cannot fall to
// the level. Both give the answers of the full scan.
#include "tarniq/beamwidth.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <queue>
#include <vector>

#include "tarniq/analysis_domain.hpp"
#include "aperture_pattern.hpp"
#include "beamwidth_search.hpp"
#include "pattern_bounds.hpp"
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
// The peak search samples spans of this many steps whole, and a
// geometric-optics region of up to kDirectSteps at the outset.
constexpr std::size_t kSpanSteps = 8;
constexpr std::size_t kDirectSteps = 128;
// The walk's strides over runs where the pattern stays above the level, in steps.
constexpr std::size_t kShortestStride = 4;
constexpr std::size_t kLongestStride = std::size_t{1} << 24;

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
                                 kExtremumTolerance * step, "the search for the beam's maximum");
  if (-m.value > c.sample.power) return {std::fabs(m.x), -m.value};  // even: the mirror of a maximum is one
  return c.sample;
}

// The highest power the pattern may reach between a candidate's neighbours.
double candidate_ceiling(const ApertureCut& cut, const PeakCandidate& c) {
  const double low = std::fabs(c.low);  // boresight's candidate spans its mirror image
  const double p_low = power_at_sine(cut, low);
  const double p_high = power_at_sine(cut, c.high);
  const double peak = c.sample.sine;
  const double left = peak > low ? power_bounds(cut, low, p_low, peak, c.sample.power).high : c.sample.power;
  const double right = c.high > peak ? power_bounds(cut, peak, c.sample.power, c.high, p_high).high : c.sample.power;
  return std::max(left, right);
}

// The sines v_k = min(1, origin + k·step) a search samples.
struct Grid {
  double origin;
  double step;
  double sine(std::size_t k) const { return std::min(1.0, origin + static_cast<double>(k) * step); }
  // The first k at 1.
  std::size_t last() const { return static_cast<std::size_t>(std::ceil((1.0 - origin) / step)); }
};

// A span of the grid, its ends sampled, with the most power it may hold.
struct Span {
  std::size_t a, b;
  double p_a, p_b;
  double high;
  bool operator<(const Span& other) const { return high < other.high; }
};

// The cut's maximum within ±90° (even in θ: searched over 0 to 90°). Spans
// of the grid that may hold a point above the best sample so far are
// halved, the highest first, down to a few steps, which are sampled: every
// sampled local maximum near the best is refined (those that cannot beat
// the refined best are passed over).
Sample find_peak(const ApertureCut& cut, double step) {
  const Grid grid{0.0, step};
  const std::size_t last = grid.last();
  const auto sample = [&](std::size_t k) { return Sample{grid.sine(k), power_at_sine(cut, grid.sine(k))}; };
  const auto span = [&](std::size_t a, double p_a, std::size_t b, double p_b) {
    return Span{a, b, p_a, p_b, power_bounds(cut, grid.sine(a), p_a, grid.sine(b), p_b).high};
  };
  std::vector<PeakCandidate> candidates;
  double best = 0.0;
  // A span's steps [a, b) (and b at 90°), each with its two neighbours.
  const auto sample_span = [&](const Span& s) {
    std::vector<Sample> samples;
    const std::size_t from = s.a == 0 ? 0 : s.a - 1;
    const std::size_t to = std::min(last, s.b + 1);
    for (std::size_t k = from; k <= to; ++k) samples.push_back(sample(k));
    const std::size_t end = s.b == last ? s.b : s.b - 1;
    for (std::size_t k = s.a; k <= end; ++k) {
      const Sample& here = samples[k - from];
      best = std::max(best, here.power);
      // boresight's left neighbour is its mirror image: searched over (-v₁, v₁)
      const Sample before = k == 0 ? Sample{-samples[1].sine, samples[1].power} : samples[k - 1 - from];
      if (k == last) {  // rising at 90°
        if (here.power >= before.power) candidates.push_back({before.sine, here.sine, here});
        continue;
      }
      const Sample& after = samples[k + 1 - from];
      if (here.power >= before.power && here.power >= after.power)
        candidates.push_back({before.sine, after.sine, here});
    }
  };
  const Sample first = sample(0), end = sample(last);
  best = std::max(first.power, end.power);
  std::priority_queue<Span> spans;
  // A short flare's geometric-optics region, sin θ <= (4s + 2)/B, where its
  // maximum lies, is a few steps wide: sampled whole, the rest is left out at
  // once.
  const double region = (4.0 * cut.phase_deviation + 2.0) / cut.size / step;
  const auto near = static_cast<std::size_t>(std::ceil(std::min(region, static_cast<double>(last))));
  if (near <= kDirectSteps && near + 1 < last) {
    sample_span(Span{0, near, first.power, 0.0, 0.0});
    const Sample edge = sample(near);
    spans.push(span(near, edge.power, last, end.power));
  } else {
    spans.push(span(0, first.power, last, end.power));
  }
  while (!spans.empty() && spans.top().high >= best) {
    const Span s = spans.top();
    spans.pop();
    if (s.b - s.a <= kSpanSteps) {
      sample_span(s);
      continue;
    }
    const std::size_t middle = s.a + (s.b - s.a) / 2;
    const Sample m = sample(middle);
    best = std::max(best, m.power);
    spans.push(span(s.a, s.p_a, middle, m.power));
    spans.push(span(middle, m.power, s.b, s.p_b));
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const PeakCandidate& x, const PeakCandidate& y) { return x.sample.power > y.sample.power; });
  Sample peak{0.0, 0.0};
  for (const PeakCandidate& c : candidates) {
    if (c.sample.power < kPeakCandidateRatio * best) break;
    if (peak.power > 0.0 && candidate_ceiling(cut, c) < peak.power) continue;
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
  return find_root(excess, a, b, excess(a), excess(b), kAngleTolerance, "the search for the beam's edge");
}

// The beamwidth of the cut whose maximum is `peak`, walking out in steps of
// `step`. Where the pattern provably stays above the level over a run of
// steps, the walk passes over it in one stride, lengthened while that
// works; it resumes with the run's last two samples, as if it had walked.
std::optional<double> beamwidth_from_peak(const ApertureCut& cut, double level_db, Sample peak, double step) {
  const double threshold = peak.power * std::pow(10.0, -level_db / 10.0);
  const Grid grid{peak.sine, step};
  const std::size_t last_step = grid.last();
  const auto sample = [&](std::size_t k) { return Sample{grid.sine(k), power_at_sine(cut, grid.sine(k))}; };
  Sample before = peak;  // the two samples behind the walk, at j - 1 and j
  Sample last = peak;
  std::size_t stride = kShortestStride;
  std::size_t plain_steps = 0;  // after a failed shortest stride, steps walked before the next try
  for (std::size_t j = 0;;) {
    const std::size_t length = std::min(stride, last_step - j);
    if (plain_steps > 0) {
      --plain_steps;
    } else if (length >= kShortestStride) {
      const std::size_t to = j + length;
      const Sample far = sample(to);
      if (far.power > threshold && power_bounds(cut, before.sine, before.power, far.sine, far.power).low > threshold) {
        before = sample(to - 1);
        last = far;
        j = to;
        if (far.sine >= 1.0) return std::nullopt;
        stride = std::min(2 * stride, kLongestStride);
        continue;
      }
      if (stride > kShortestStride) {
        stride /= 2;
        continue;
      }
      plain_steps = kShortestStride;
    }
    const std::size_t k = j + 1;
    const Sample next = sample(k);
    if (next.power <= threshold)
      return 2.0 * kDegreesPerRadian * refine_crossing(cut, threshold, last.sine, next.sine);
    if (k >= 2 && last.power < before.power && last.power < next.power) {
      // a sampled local minimum: does the null between the samples reach the level?
      const Minimum m = find_minimum([&](double s) { return power_at_sine(cut, s); }, before.sine, next.sine,
                                     kExtremumTolerance * step, "the search for a null of the pattern", threshold);
      if (m.value <= threshold)
        return 2.0 * kDegreesPerRadian * refine_crossing(cut, threshold, before.sine, m.x);
    }
    if (next.sine >= 1.0) return std::nullopt;
    before = last;
    last = next;
    j = k;
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
