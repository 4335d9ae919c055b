// A tabulated feed: its cuts checked, negative angles folded onto positive ones, levels and phases interpolated.
#include "tabulated_feed.hpp"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "checks.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::detail {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
constexpr double kNoField = -std::numeric_limits<double>::infinity();

std::string row_text(std::size_t i) { return " (row " + std::to_string(i + 1) + ")"; }

void check_sizes(const TabulatedFeed& feed) {
  const std::size_t n = feed.angles_deg.size();
  if (n < 2) throw InvalidArgument("a feed pattern needs at least two angles, not " + std::to_string(n));
  if (feed.e_plane_db.size() != n || feed.h_plane_db.size() != n)
    throw InvalidArgument("a feed pattern needs one E- and one H-plane level per angle");
  for (const auto* phases : {&feed.e_phase_deg, &feed.h_phase_deg})
    if (!phases->empty() && phases->size() != n)
      throw InvalidArgument("a feed pattern's phases, when given, are one per angle");
}

void check_values(const TabulatedFeed& feed) {
  for (std::size_t i = 0; i < feed.angles_deg.size(); ++i) {
    const double angle = feed.angles_deg[i];
    if (!(std::fabs(angle) <= 180.0))
      throw InvalidArgument(show("pattern angle", angle, "degrees") + row_text(i) + " is not within [-180, 180]");
    if (i > 0 && !(angle > feed.angles_deg[i - 1]))
      throw InvalidArgument(show("pattern angle", angle, "degrees") + row_text(i) + " does not follow " +
                            show(feed.angles_deg[i - 1]) + " in ascending order");
    for (const double level : {feed.e_plane_db[i], feed.h_plane_db[i]})
      if (!(level <= largest_pattern_level_db))
        throw InvalidArgument(show("pattern level", level, "dB") + row_text(i) + " is not a level below " +
                              show(largest_pattern_level_db) + " dB");
    for (const auto* phases : {&feed.e_phase_deg, &feed.h_phase_deg})
      if (!phases->empty()) require_finite((*phases)[i], "pattern phase" + row_text(i), "degrees");
  }
}

// A level and a phase of one cut at one listed angle.
struct Point {
  double level_db;
  double phase_deg;
};

// Two listed points of one |θ| (θ and -θ) as one: power averaged, and the
// phase of the two halfway, unless one side has no field.
Point averaged(Point a, Point b) {
  if (a.level_db == kNoField) return {b.level_db - 10.0 * std::log10(2.0), b.phase_deg};
  if (b.level_db == kNoField) return {a.level_db - 10.0 * std::log10(2.0), a.phase_deg};
  // Powers relative to the larger, so that no level overflows.
  const double top = std::max(a.level_db, b.level_db);
  const double power = (std::pow(10.0, (a.level_db - top) / 10.0) + std::pow(10.0, (b.level_db - top) / 10.0)) / 2.0;
  const double turn = 360.0 * std::round((b.phase_deg - a.phase_deg) / 360.0);
  return {top + 10.0 * std::log10(power), (a.phase_deg + b.phase_deg - turn) / 2.0};
}

double linear(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

TabulatedField::TabulatedField(const TabulatedFeed& feed) {
  check_sizes(feed);
  check_values(feed);
  const std::size_t n = feed.angles_deg.size();
  const auto point = [&](std::size_t i, Plane plane) {
    const std::vector<double>& levels = plane == Plane::e ? feed.e_plane_db : feed.h_plane_db;
    const std::vector<double>& phases = plane == Plane::e ? feed.e_phase_deg : feed.h_phase_deg;
    const double level = levels[i] < no_field_below_db ? kNoField : levels[i];
    return Point{level, phases.empty() ? 0.0 : phases[i]};
  };
  // Fold: walk outward from θ = 0 on both sides at once, merging |θ| that appear twice.
  std::size_t right = 0;
  while (right < n && feed.angles_deg[right] < 0.0) ++right;  // first angle >= 0
  std::size_t left = right;                                   // one past the last negative one, walking down
  std::vector<double> degrees;
  std::vector<Point> e, h;
  while (left > 0 || right < n) {
    const double from_left = left > 0 ? -feed.angles_deg[left - 1] : std::numeric_limits<double>::infinity();
    const double from_right = right < n ? feed.angles_deg[right] : std::numeric_limits<double>::infinity();
    if (from_left == from_right) {
      degrees.push_back(from_right);
      e.push_back(averaged(point(left - 1, Plane::e), point(right, Plane::e)));
      h.push_back(averaged(point(left - 1, Plane::h), point(right, Plane::h)));
      --left, ++right;
    } else {
      const std::size_t i = from_left < from_right ? --left : right++;
      degrees.push_back(std::fabs(feed.angles_deg[i]));
      e.push_back(point(i, Plane::e));
      h.push_back(point(i, Plane::h));
    }
  }
  for (const double d : degrees) angles_.push_back(d * kDegree);
  const auto make_cut = [](const std::vector<Point>& points, double start_phase) {
    Cut cut{{}, {}, kNoField};
    double previous = start_phase;
    for (const Point& p : points) {
      cut.level_db.push_back(p.level_db);
      previous = unwrapped(p.phase_deg * kDegree, previous);
      cut.phase.push_back(previous);
      cut.peak_db = std::max(cut.peak_db, p.level_db);
    }
    return cut;
  };
  e_ = make_cut(e, e.front().phase_deg * kDegree);
  h_ = make_cut(h, e_.phase.front());  // both cuts unwrap from one branch
  if (angles_.size() < 2)
    throw InvalidArgument("a feed pattern needs at least two angles once θ and -θ are merged");
}

double TabulatedField::level_at(const Cut& cut, double theta) const {
  if (theta < angles_.front() || theta > angles_.back()) return kNoField;
  const std::size_t i = static_cast<std::size_t>(std::upper_bound(angles_.begin(), angles_.end(), theta) - angles_.begin());
  if (i == angles_.size()) return cut.level_db.back();
  const double t = (theta - angles_[i - 1]) / (angles_[i] - angles_[i - 1]);
  const double a = cut.level_db[i - 1], b = cut.level_db[i];
  if (a != kNoField && b != kNoField) return linear(a, b, t);
  // Toward a point of no field: the field's magnitude falls linearly to zero
  // (relative to the one level there is, so that none overflows).
  const double level = a == kNoField ? b : a;
  const double magnitude = a == kNoField ? t : 1.0 - t;
  return magnitude > 0.0 ? level + 20.0 * std::log10(magnitude) : kNoField;
}

Phasor TabulatedField::field(const Cut& cut, double theta) const {
  const double level = level_at(cut, theta);
  if (level == kNoField) return {0.0, 0.0};
  const std::size_t i = std::min<std::size_t>(
      angles_.size() - 1,
      static_cast<std::size_t>(std::upper_bound(angles_.begin(), angles_.end(), theta) - angles_.begin()));
  const double t = i == 0 ? 0.0 : std::clamp((theta - angles_[i - 1]) / (angles_[i] - angles_[i - 1]), 0.0, 1.0);
  const double phase = i == 0 ? cut.phase[0] : linear(cut.phase[i - 1], cut.phase[i], t);
  const double magnitude = std::pow(10.0, (level - std::max(e_.peak_db, h_.peak_db)) / 20.0);
  return {magnitude * std::cos(phase), magnitude * std::sin(phase)};
}

Ring TabulatedField::ring(double theta) const {
  const Phasor E = field(e_, theta);
  const Phasor H = field(h_, theta);
  const double e2 = E.re * E.re + E.im * E.im;
  const double h2 = H.re * H.re + H.im * H.im;
  const double eh = E.re * H.re + E.im * H.im;  // Re(E·H*)
  Ring ring;
  // Over φ: ∫sin²φ = ∫cos²φ = π, ∫sin⁴φ = ∫cos⁴φ = 3π/4, ∫sin²φ·cos²φ = π/4.
  ring.power = kPi * (e2 + h2);
  ring.co_power = 0.75 * kPi * (e2 + h2) + 0.5 * kPi * eh;
  ring.co = {kPi * (E.re + H.re), kPi * (E.im + H.im)};
  // |E·sin²φ + H·cos²φ| has no closed form: a quarter turn, four times.
  double magnitude = 0.0;
  for_each_gauss_node(0.0, kPi / 2.0, 2, [&](double phi, double w) {
    const double s2 = std::sin(phi) * std::sin(phi);
    const double re = E.re * s2 + H.re * (1.0 - s2);
    const double im = E.im * s2 + H.im * (1.0 - s2);
    magnitude += w * std::hypot(re, im);
  });
  ring.co_magnitude = 4.0 * magnitude;
  return ring;
}

double TabulatedField::edge_taper_db(Plane plane, double theta) const {
  const Cut& cut = plane == Plane::e ? e_ : h_;
  const double level = level_at(cut, theta);
  if (level == kNoField || cut.peak_db == kNoField) return kNoField;
  return level - cut.peak_db;
}

std::vector<PhaseSample> TabulatedField::phase_samples(const Cut& cut, double level_db) const {
  std::vector<PhaseSample> samples;
  if (cut.peak_db == kNoField) return samples;
  const double threshold = cut.peak_db - level_db;
  const std::size_t n = angles_.size();
  std::size_t peak = 0;
  while (cut.level_db[peak] != cut.peak_db) ++peak;
  // The fitted angles: up to where the cut first falls below the level past
  // its maximum (the crossing interpolated), or to 90°.
  std::vector<PhaseSample> points;
  for (std::size_t i = 0; i < n && angles_[i] <= kPi / 2.0; ++i) {
    if (i > peak && cut.level_db[i] < threshold) {
      const double a = cut.level_db[i - 1], b = cut.level_db[i];
      const double t = b == kNoField ? 1.0 : (a - threshold) / (a - b);
      points.push_back({linear(angles_[i - 1], angles_[i], t), threshold, linear(cut.phase[i - 1], cut.phase[i], t)});
      break;
    }
    points.push_back({angles_[i], cut.level_db[i], cut.phase[i]});
  }
  // Trapezoid weights over the angles, times the power where within the level.
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double left = i > 0 ? points[i].theta - points[i - 1].theta : 0.0;
    const double right = i + 1 < points.size() ? points[i + 1].theta - points[i].theta : 0.0;
    const double level = points[i].weight;  // the level, for now
    const double power = level >= threshold ? std::pow(10.0, (level - cut.peak_db) / 10.0) : 0.0;
    samples.push_back({points[i].theta, (left + right) / 2.0 * power, points[i].phase});
  }
  return samples;
}

double TabulatedField::phase_center_shift(double level_db) const {
  std::vector<PhaseSample> both = phase_samples(e_, level_db);
  const std::vector<PhaseSample> h = phase_samples(h_, level_db);
  both.insert(both.end(), h.begin(), h.end());
  return fitted_phase_shift(both);
}

}  // namespace tarniq::detail
