// A horn's co-polar far field in any direction: the product of its two planes' aperture fields and the obliquity.
#include "horn_field.hpp"

namespace tarniq::detail {

HornField make_horn_field(const Horn& horn, double frequency_hz) {
  return {make_aperture_cut(horn, frequency_hz, Plane::e), make_aperture_cut(horn, frequency_hz, Plane::h)};
}

Phasor co_field(const HornField& field, double sin_theta, double cos_theta, double cos_phi, double sin_phi) {
  const Phasor e = relative_field(field.e, field.e.size * sin_theta * sin_phi);
  const Phasor h = relative_field(field.h, field.h.size * sin_theta * cos_phi);
  const double obliquity = (1.0 + cos_theta) / 2.0;
  return {(e.re * h.re - e.im * h.im) * obliquity, (e.re * h.im + e.im * h.re) * obliquity};
}

}  // namespace tarniq::detail
