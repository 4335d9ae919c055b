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

void check_beamwidth(double beamwidth_deg, std::string_view quantity) {
  if (!(beamwidth_deg > 0.0 && beamwidth_deg < 180.0))
    throw InvalidArgument(show(quantity, beamwidth_deg, "degrees") + " is not between 0 and 180");
}

void check_common(double level_db, double phase_deviation, double frequency_hz, const Waveguide& feed) {
  require_positive(level_db, "level", "dB");
  require_positive(phase_deviation, "phase deviation", "wavelengths");
  require_positive(frequency_hz, "frequency", "Hz");
  detail::check_waveguide(feed);
}

std::string degrees(double value) { return show(value) + "°"; }  // all the digits given

std::string conditions(double level_db, double frequency_hz, double phase_deviation) {
  return " at " + show(level_db) + " dB, " + show(frequency_hz / hertz_per_gigahertz) +
         " GHz, phase deviation " + show(phase_deviation);
}

}  // namespace

namespace detail {

std::string describe(const RectangularPrescription& prescription) {
  return "E plane " + degrees(prescription.e_beamwidth_deg) + ", H plane " + degrees(prescription.h_beamwidth_deg) +
         conditions(prescription.level_db, prescription.frequency_hz, prescription.phase_deviation);
}

std::string describe(const SquarePrescription& prescription) {
  const char* plane = prescription.plane == SquarePlane::e   ? "E plane "
                      : prescription.plane == SquarePlane::h ? "H plane "
                                                     : "average of the E and H planes ";
  return plane + degrees(prescription.beamwidth_deg) +
         conditions(prescription.level_db, prescription.frequency_hz, prescription.phase_deviation);
}

}  // namespace detail

HornDesign design_rectangular(const RectangularPrescription& prescription, const DesignOptions& options) {
  check_beamwidth(prescription.e_beamwidth_deg, "E-plane beamwidth");
  check_beamwidth(prescription.h_beamwidth_deg, "H-plane beamwidth");
  check_common(prescription.level_db, prescription.phase_deviation, prescription.frequency_hz, prescription.feed);
  return options.method == DesignMethod::table
             ? detail::rectangular_by_table(prescription)
             : detail::rectangular_by_pattern(prescription, options.message_lengths);
}

HornDesign design_square(const SquarePrescription& prescription, const DesignOptions& options) {
  check_beamwidth(prescription.beamwidth_deg, "beamwidth");
  check_common(prescription.level_db, prescription.phase_deviation, prescription.frequency_hz, prescription.feed);
  if (!is_square(prescription.feed))
    throw InvalidArgument("a square horn needs a square waveguide, not " +
                          detail::feed_text(prescription.feed, options.message_lengths));
  return options.method == DesignMethod::table
             ? detail::square_by_table(prescription)
             : detail::square_by_pattern(prescription, options.message_lengths);
}

}  // namespace tarniq
