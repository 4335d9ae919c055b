// The horn's four walls as flat trapezoids: edges, heights, flare angles and the angle at their corners.
#include <cmath>
#include <numbers>

#include "axial_lengths.hpp"
#include "checks.hpp"
#include "parts_walls.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/parts.hpp"

namespace tarniq {
namespace detail {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

}  // namespace

Walls horn_walls(const Horn& horn, const LengthScale& message_lengths) {
  check_horn(horn);
  const double e = axial_length(horn, Plane::e);
  const double h = axial_length(horn, Plane::h);
  if (!axial_lengths_agree(horn))
    throw InvalidArgument("the E-plane flare needs an axial length of " + length_text(e, message_lengths) +
                          " and the H-plane flare " + length_text(h, message_lengths) +
                          ": no horn with one aperture has both flares, so its walls cannot be made");
  return {horn.feed.width, horn.feed.height, horn.aperture_width, horn.aperture_height, (e + h) / 2.0};
}

Panel make_panel(const Walls& walls, PanelKind kind) {
  const double l = walls.length;
  const double dx = walls.width_step();
  const double dy = walls.height_step();
  const double broad_height = std::hypot(l, dy);   // a broad wall rises by dy over L
  const double narrow_height = std::hypot(l, dx);  // a narrow wall by dx
  // The outward normals of a broad and a narrow wall, (0, L, -dy)/broad_height
  // and (L, 0, -dx)/narrow_height, meet at the angle whose cosine is their dot
  // product; the walls' inner faces make its supplement.
  const double normals_cosine = dx * dy / (broad_height * narrow_height);
  const double corner_angle = 180.0 - std::acos(normals_cosine) * kDegreesPerRadian;
  const double corner_edge = std::sqrt(l * l + dx * dx + dy * dy);
  if (kind == PanelKind::broad)
    return {kind, 2, walls.waveguide_width, walls.aperture_width, broad_height, corner_edge,
            std::atan2(dy, l) * kDegreesPerRadian, corner_angle};
  return {kind, 2, walls.waveguide_height, walls.aperture_height, narrow_height, corner_edge,
          std::atan2(dx, l) * kDegreesPerRadian, corner_angle};
}

}  // namespace detail

HornPanels horn_panels(const Horn& horn, const LengthScale& message_lengths) {
  const detail::Walls walls = detail::horn_walls(horn, message_lengths);
  return {detail::make_panel(walls, PanelKind::broad), detail::make_panel(walls, PanelKind::narrow), walls.length};
}

}  // namespace tarniq
