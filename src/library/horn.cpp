// Pyramidal horn geometry: construction, checks and the derived lengths of each plane.
#include "tarniq/horn.hpp"

#include <cmath>

#include "checks.hpp"
#include "common/horn_geometry.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

using detail::plane_name;
using detail::require_positive;
using detail::show;

void check_aperture_beyond_feed(double aperture, std::string_view aperture_name, double guide,
                                std::string_view guide_name) {
  if (!(aperture > guide))
    throw InvalidArgument(show(aperture_name, aperture, "m") + " is not larger than the " +
                          show(guide_name, guide, "m"));
}

}  // namespace

void check_horn(const Horn& horn) {
  detail::check_waveguide(horn.feed);
  require_positive(horn.aperture_width, "aperture width", "m");
  require_positive(horn.aperture_height, "aperture height", "m");
  require_positive(horn.h_slant_radius, "H-plane slant radius", "m");
  require_positive(horn.e_slant_radius, "E-plane slant radius", "m");
  check_aperture_beyond_feed(horn.aperture_width, "aperture width", horn.feed.width, "waveguide width");
  check_aperture_beyond_feed(horn.aperture_height, "aperture height", horn.feed.height,
                             "waveguide height");
  for (const Plane plane : {Plane::e, Plane::h}) {
    if (!(slant_radius(horn, plane) > aperture(horn, plane) / 2.0))
      throw InvalidArgument(show(std::string(plane_name(plane)) + " slant radius",
                                 slant_radius(horn, plane), "m") +
                            " is not longer than half the aperture, " +
                            show(aperture(horn, plane) / 2.0) + " m");
  }
}

Horn make_horn(double aperture_width, double aperture_height, double axial_length,
               const Waveguide& feed) {
  detail::check_waveguide(feed);
  require_positive(aperture_width, "aperture width", "m");
  require_positive(aperture_height, "aperture height", "m");
  require_positive(axial_length, "axial length", "m");
  check_aperture_beyond_feed(aperture_width, "aperture width", feed.width, "waveguide width");
  check_aperture_beyond_feed(aperture_height, "aperture height", feed.height, "waveguide height");
  Horn horn{aperture_width, aperture_height,
            numerics::slant_radius(axial_length, aperture_width, feed.width),
            numerics::slant_radius(axial_length, aperture_height, feed.height), feed};
  check_horn(horn);
  return horn;
}

Horn make_horn_from_slant_radii(double aperture_width, double aperture_height,
                                double h_slant_radius, double e_slant_radius,
                                const Waveguide& feed) {
  Horn horn{aperture_width, aperture_height, h_slant_radius, e_slant_radius, feed};
  check_horn(horn);
  return horn;
}

double aperture(const Horn& horn, Plane plane) {
  return plane == Plane::e ? horn.aperture_height : horn.aperture_width;
}

double slant_radius(const Horn& horn, Plane plane) {
  return plane == Plane::e ? horn.e_slant_radius : horn.h_slant_radius;
}

double waveguide_dimension(const Horn& horn, Plane plane) {
  return plane == Plane::e ? horn.feed.height : horn.feed.width;
}

double axial_length(const Horn& horn, Plane plane) {
  check_horn(horn);
  return numerics::axial_length(aperture(horn, plane), slant_radius(horn, plane),
                                waveguide_dimension(horn, plane));
}

double side_wall_length(const Horn& horn, Plane plane) {
  check_horn(horn);
  const double a = aperture(horn, plane);
  return slant_radius(horn, plane) * (a - waveguide_dimension(horn, plane)) / a;
}

double phase_deviation(const Horn& horn, Plane plane, double frequency_hz) {
  check_horn(horn);
  require_positive(frequency_hz, "frequency", "Hz");
  return numerics::phase_deviation(aperture(horn, plane), slant_radius(horn, plane),
                                   wavelength(frequency_hz));
}

}  // namespace tarniq
