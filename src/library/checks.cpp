// Argument checks at the library's boundary.
#include "checks.hpp"

#include <cmath>

#include "tarniq/errors.hpp"

namespace tarniq::detail {

void require_positive(double value, std::string_view quantity, std::string_view unit) {
  if (!(std::isfinite(value) && value > 0.0))
    throw InvalidArgument(show(quantity, value, unit) + " is not positive and finite");
}

void require_finite(double value, std::string_view quantity, std::string_view unit) {
  if (!std::isfinite(value)) throw InvalidArgument(show(quantity, value, unit) + " is not finite");
}

void check_waveguide(const Waveguide& guide) {
  require_positive(guide.width, "waveguide width", "m");
  require_positive(guide.height, "waveguide height", "m");
}

}  // namespace tarniq::detail
