// A designed horn with what the design verbs report about it, and the columns they share.
#pragma once

#include <span>
#include <vector>

#include "request/columns.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/design.hpp"
#include "tarniq/dish.hpp"
#include "tarniq/phase_center.hpp"

namespace tarniq::request {

struct DesignRecord {
  double s = 0.0;  // phase deviation of the design's S plane, wavelengths
  HornDesign design;
  double gain_dbi = 0.0;
  Beamwidths beamwidths;  // pattern-true, at the requested level
  // A feed design's: the edge taper it was designed to, how it lights its
  // dish, and its common phase centre.
  double edge_taper_db = 0.0;
  DishIllumination dish;
  PhaseCenter phase_center;
};

// The record of a horn designed at a frequency, with its gain and beamwidths.
DesignRecord describe_design(double s, const HornDesign& design, double frequency_hz, double level_db);

// s and its plane, aperture width and height, H and E slant radii, axial
// length, gain, E- and H-plane beamwidths.
std::span<const ColumnDefinition<DesignRecord>> design_columns();

// The design columns and the side-wall (flare) lengths of both planes.
std::span<const ColumnDefinition<DesignRecord>> gain_design_columns();

// The design columns, the edge taper, the aperture efficiency and its
// spillover, taper and phase parts, and the common phase centre.
std::span<const ColumnDefinition<DesignRecord>> feed_design_columns();

}  // namespace tarniq::request
