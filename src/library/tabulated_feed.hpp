// A feed known by two tabulated cuts, as the dish integrals see it: checked, folded to 0–180° and interpolated.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "dish_integration.hpp"
#include "phase_fit.hpp"
#include "quadrature.hpp"
#include "tarniq/dish.hpp"

namespace tarniq::detail {

class TabulatedField {
 public:
  // Throws InvalidArgument for a pattern that breaks TabulatedFeed's rules.
  explicit TabulatedField(const TabulatedFeed& feed);

  // The ring at θ (radians): the body-of-revolution field summed over φ.
  Ring ring(double theta) const;

  // One eight-point panel between each two listed angles within [a, b]: the
  // interpolation bends only there. Nothing outside the listed angles.
  template <class Visit>
  void for_each_node(double a, double b, Visit visit) const {
    const double low = std::max(a, angles_.front());
    const double high = std::min(b, angles_.back());
    if (!(low < high)) return;
    double from = low;
    for (std::size_t i = 0; i < angles_.size() && from < high; ++i) {
      if (angles_[i] <= from) continue;
      const double to = std::min(angles_[i], high);
      for_each_gauss_node(from, to, 1, visit);
      from = to;
    }
  }

  // The cut at θ (radians), dB below the cut's largest listed level.
  double edge_taper_db(Plane plane, double theta) const;

  // k·d (radians) of the common phase centre of the two cuts at level_db,
  // by the fit of phase_center over the listed angles.
  double phase_center_shift(double level_db) const;

 private:
  struct Cut {
    std::vector<double> level_db;  // -infinity: no field
    std::vector<double> phase;     // radians, unwrapped along the angles
    double peak_db;
  };
  Phasor field(const Cut& cut, double theta) const;
  double level_at(const Cut& cut, double theta) const;
  std::vector<PhaseSample> phase_samples(const Cut& cut, double level_db) const;

  std::vector<double> angles_;  // radians, ascending, within [0, π]
  Cut e_, h_;
};

}  // namespace tarniq::detail
