// Feed horns for a dish: a beamwidth design at the edge taper, and the search for the most efficient one.
#include "tarniq/feed_design.hpp"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "checks.hpp"
#include "message_text.hpp"
#include "root_finding.hpp"
#include "tarniq/errors.hpp"

namespace tarniq {
namespace {

void check_prescription(const FeedPrescription& p) {
  if (!(p.edge_angle_deg > 0.0 && p.edge_angle_deg < 90.0))
    throw InvalidArgument(detail::show("edge angle", p.edge_angle_deg, "degrees") +
                          " is not between 0 and 90: a horn's beamwidth is measured within ±90°");
  detail::require_positive(p.edge_taper_db, "edge taper", "dB");
}

FeedDesign designed(const FeedPrescription& p, const LengthScale& lengths) {
  const double beamwidth = 2.0 * p.edge_angle_deg;
  const HornDesign design = design_rectangular(
      {beamwidth, beamwidth, p.edge_taper_db, p.phase_deviation, p.frequency_hz, p.feed}, {DesignMethod::pattern, lengths});
  const double edge = p.edge_angle_deg;
  return {design, p.phase_deviation, p.edge_taper_db, dish_illumination(design.horn, p.frequency_hz, {&edge, 1}).front(),
          phase_center(design.horn, p.frequency_hz)};
}

// The searched ranges: S in wavelengths, the edge taper in dB.
constexpr double kLowestS = 0.05;
constexpr double kHighestS = 1.0;
constexpr double kLowestTaper = 4.0;
constexpr double kHighestTaper = 24.0;
constexpr double kTaperTolerance = 0.05;
constexpr double kSTolerance = 0.002;
// The first look along S, before the best is refined between its neighbours.
constexpr std::array<double, 10> kCoarseS = {0.05, 0.075, 0.1, 0.15, 0.2, 0.3, 0.4, 0.5, 0.7, 1.0};

// The aperture efficiency at each (S, taper) tried, designs that do not
// exist (or whose search gave up) counting as none; remembers the best, and
// the first reason a design was missing.
class EfficiencySearch {
 public:
  EfficiencySearch(const FeedPrescription& p, const LengthScale& lengths) : p_(p), lengths_(lengths) {}

  std::optional<double> efficiency(double s, double taper) {
    FeedPrescription q = p_;
    q.phase_deviation = s;
    q.edge_taper_db = taper;
    try {
      const FeedDesign feed = designed(q, lengths_);
      if (!best_ || feed.dish.aperture > best_->dish.aperture) best_ = feed;
      return feed.dish.aperture;
    } catch (const NoSolution& e) {
      remember(e.what(), false);
    } catch (const SearchFailed& e) {
      remember(e.what(), true);
    }
    return std::nullopt;
  }

  // -efficiency, or 1 (worse than any) where there is no design: for the minimizer.
  double loss(double s, double taper) { return -efficiency(s, taper).value_or(-1.0); }

  const std::optional<FeedDesign>& best() const { return best_; }
  // Nothing found: the first reason, as the search's.
  [[noreturn]] void fail() const {
    const std::string why = "no feed at any S from " + detail::show(kLowestS) + " to " + detail::show(kHighestS) +
                            " wavelengths tried; first, " + first_reason_;
    if (gave_up_) throw SearchFailed(why);
    throw NoSolution(why);
  }

 private:
  void remember(const std::string& reason, bool gave_up) {
    if (!first_reason_.empty()) return;
    first_reason_ = reason;
    gave_up_ = gave_up;
  }

  FeedPrescription p_;
  LengthScale lengths_;
  std::optional<FeedDesign> best_;
  std::string first_reason_;
  bool gave_up_ = false;
};

// The best taper at S (Brent's minimizer over the taper range).
void search_taper(EfficiencySearch& search, double s) {
  (void)detail::find_minimum([&](double taper) { return search.loss(s, taper); }, kLowestTaper, kHighestTaper,
                             kTaperTolerance, "the search for the most efficient edge taper");
}

// The best S at a taper: the coarse list, then Brent's minimizer between the
// best point's neighbours.
void search_s(EfficiencySearch& search, double taper) {
  std::size_t best = kCoarseS.size();
  double best_loss = 1.0;
  for (std::size_t i = 0; i < kCoarseS.size(); ++i) {
    const double loss = search.loss(kCoarseS[i], taper);
    if (loss < best_loss) {
      best = i;
      best_loss = loss;
    }
  }
  if (best == kCoarseS.size()) return;
  const double low = best == 0 ? kLowestS : kCoarseS[best - 1];
  const double high = best + 1 == kCoarseS.size() ? kHighestS : kCoarseS[best + 1];
  (void)detail::find_minimum([&](double s) { return search.loss(s, taper); }, low, high, kSTolerance,
                             "the search for the most efficient S");
}

}  // namespace

FeedDesign design_feed(const FeedPrescription& prescription, const LengthScale& message_lengths) {
  check_prescription(prescription);
  return designed(prescription, message_lengths);
}

FeedDesign design_best_feed(const FeedPrescription& prescription, FeedSearch search,
                            const LengthScale& message_lengths) {
  check_prescription(prescription);
  EfficiencySearch efficiency(prescription, message_lengths);
  if (search == FeedSearch::phase_deviation) {
    search_s(efficiency, prescription.edge_taper_db);
  } else {
    // Along the taper at the first S with a design, along S at the best
    // taper, then along the taper again at the best S.
    for (const double s : kCoarseS) {
      if (!efficiency.efficiency(s, prescription.edge_taper_db)) continue;
      search_taper(efficiency, s);
      break;
    }
    if (efficiency.best()) search_s(efficiency, efficiency.best()->edge_taper_db);
    if (efficiency.best()) search_taper(efficiency, efficiency.best()->phase_deviation);
  }
  if (!efficiency.best()) efficiency.fail();
  return *efficiency.best();
}

}  // namespace tarniq
