// Whether a horn's two planes have one axial length.
#include "axial_lengths.hpp"

#include <algorithm>
#include <cmath>

namespace tarniq::detail {

bool axial_lengths_agree(const Horn& horn) {
  const double e = axial_length(horn, Plane::e);
  const double h = axial_length(horn, Plane::h);
  const double scale = std::max({e, h, horn.e_slant_radius, horn.h_slant_radius});
  return std::abs(e - h) <= kAxialLengthTolerance * scale;
}

}  // namespace tarniq::detail
