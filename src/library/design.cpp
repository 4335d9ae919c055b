// Horns designed to prescribed beamwidths: the checks of a prescription and the choice of method.
#include "tarniq/design.hpp"

#include <cmath>

#include "checks.hpp"
#include "design_methods.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

using detail::require_positive;
using detail::show;

// Relative difference of width and height up to which a feed counts as square.
constexpr double kSquareTolerance = 1e-9;

void check_beamwidth(double beamwidth_deg, std::string_view quantity) {
  if (!(beamwidth_deg > 0.0 && beamwidth_deg < 180.0))
    throw InvalidArgument(show(quantity, beamwidth_deg, "degrees") + " is not between 0 and 180");
}

void check_common(double level_db, double phase_deviation, double frequency_hz, const Waveguide& feed) {
  require_positive(level_db, "level", "dB");
  require_positive(phase_deviation, "phase deviation", "wavelengths");
  require_positive(frequency_hz, "frequency", "Hz");
  require_positive(feed.width, "waveguide width", "m");
  require_positive(feed.height, "waveguide height", "m");
}

std::string degrees(double value) { return show(value) + "°"; }

std::string conditions(double level_db, double frequency_hz, double phase_deviation) {
  return " at " + show(level_db) + " dB, " + show(frequency_hz / hertz_per_gigahertz) +
         " GHz, phase deviation " + show(phase_deviation);
}

}  // namespace

namespace detail {

std::string describe(const RectangularSpec& spec) {
  return "E plane " + degrees(spec.e_beamwidth_deg) + ", H plane " + degrees(spec.h_beamwidth_deg) +
         conditions(spec.level_db, spec.frequency_hz, spec.phase_deviation);
}

std::string describe(const SquareSpec& spec) {
  const char* plane = spec.plane == SquarePlane::e   ? "E plane "
                      : spec.plane == SquarePlane::h ? "H plane "
                                                     : "average of the E and H planes ";
  return plane + degrees(spec.beamwidth_deg) +
         conditions(spec.level_db, spec.frequency_hz, spec.phase_deviation);
}

}  // namespace detail

HornDesign design_rectangular(const RectangularSpec& spec, DesignMethod method) {
  check_beamwidth(spec.e_beamwidth_deg, "E-plane beamwidth");
  check_beamwidth(spec.h_beamwidth_deg, "H-plane beamwidth");
  check_common(spec.level_db, spec.phase_deviation, spec.frequency_hz, spec.feed);
  return method == DesignMethod::table ? detail::rectangular_by_table(spec)
                                       : detail::rectangular_by_pattern(spec);
}

HornDesign design_square(const SquareSpec& spec, DesignMethod method) {
  check_beamwidth(spec.beamwidth_deg, "beamwidth");
  check_common(spec.level_db, spec.phase_deviation, spec.frequency_hz, spec.feed);
  if (std::abs(spec.feed.width - spec.feed.height) > kSquareTolerance * spec.feed.width)
    throw InvalidArgument("a square horn needs a square waveguide, not " + show(spec.feed.width) + " m by " +
                          show(spec.feed.height) + " m");
  return method == DesignMethod::table ? detail::square_by_table(spec) : detail::square_by_pattern(spec);
}

}  // namespace tarniq
