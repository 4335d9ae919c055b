// The horn's inner surface as its parts need it: the two openings and one axial length, checked once.
#pragma once

#include "tarniq/horn.hpp"
#include "tarniq/parts.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {

// Metres. Each wall flares by a step (half the growth of its plane) over the length.
struct Walls {
  double waveguide_width = 0.0;   // a
  double waveguide_height = 0.0;  // b
  double aperture_width = 0.0;    // A
  double aperture_height = 0.0;   // B
  double length = 0.0;            // L

  double width_step() const { return (aperture_width - waveguide_width) / 2.0; }     // (A - a)/2, narrow walls
  double height_step() const { return (aperture_height - waveguide_height) / 2.0; }  // (B - b)/2, broad walls
};

// Throws InvalidArgument for a horn check_horn refuses or whose planes need
// different axial lengths (named in message_lengths).
[[nodiscard]] Walls horn_walls(const Horn& horn, const LengthScale& message_lengths);

// The panel of that kind (see horn_panels).
[[nodiscard]] Panel make_panel(const Walls& walls, PanelKind kind);

}  // namespace tarniq::detail
