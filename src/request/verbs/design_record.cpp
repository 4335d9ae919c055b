// The columns of a designed horn: dimensions, gain and beamwidths, and the side-wall lengths.
#include "request/verbs/design_record.hpp"

#include <algorithm>
#include <array>

#include "tarniq/gain.hpp"

namespace tarniq::request {
namespace {

using Definition = ColumnDefinition<DesignRecord>;
using R = const DesignRecord&;

constexpr std::array<Definition, 10> design_column_table{{
    {"s", Quantity::plain, 3, [](R r) -> Value { return r.s; }},
    {"s_plane", Quantity::text, 0, [](R r) -> Value { return r.design.s_plane == Plane::e ? "e" : "h"; }},
    {"aperture_width", Quantity::length, 3, [](R r) -> Value { return r.design.horn.aperture_width; }},
    {"aperture_height", Quantity::length, 3, [](R r) -> Value { return r.design.horn.aperture_height; }},
    {"h_slant_radius", Quantity::length, 3, [](R r) -> Value { return r.design.horn.h_slant_radius; }},
    {"e_slant_radius", Quantity::length, 3, [](R r) -> Value { return r.design.horn.e_slant_radius; }},
    {"axial_length", Quantity::length, 3, [](R r) -> Value { return r.design.axial_length; }},
    {"gain", Quantity::gain, 2, [](R r) -> Value { return r.gain_dbi; }},
    {"e_beamwidth", Quantity::angle, 2, [](R r) { return maybe(r.beamwidths.e_plane); }},
    {"h_beamwidth", Quantity::angle, 2, [](R r) { return maybe(r.beamwidths.h_plane); }},
}};

// A gain design adds what a builder cuts: the side walls of both planes.
constexpr std::array<Definition, 12> gain_design_column_table = [] {
  std::array<Definition, 12> definitions{};
  std::copy(design_column_table.begin(), design_column_table.end(), definitions.begin());
  definitions[10] = {"h_flare_length", Quantity::length, 3,
              [](R r) -> Value { return side_wall_length(r.design.horn, Plane::h); }};
  definitions[11] = {"e_flare_length", Quantity::length, 3,
               [](R r) -> Value { return side_wall_length(r.design.horn, Plane::e); }};
  return definitions;
}();

// A feed design adds how it lights its dish.
constexpr std::array<Definition, 16> feed_design_column_table = [] {
  std::array<Definition, 16> definitions{};
  std::copy(design_column_table.begin(), design_column_table.end(), definitions.begin());
  definitions[10] = {"edge_taper", Quantity::level, 2, [](R r) -> Value { return r.edge_taper_db; }};
  definitions[11] = {"aperture_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.dish.aperture; }};
  definitions[12] = {"spillover_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.dish.spillover; }};
  definitions[13] = {"taper_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.dish.taper; }};
  definitions[14] = {"phase_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.dish.phase; }};
  definitions[15] = {"phase_center", Quantity::length, 3, [](R r) -> Value { return r.phase_center.common; }};
  return definitions;
}();

}  // namespace

DesignRecord describe_design(double s, const HornDesign& design, double frequency_hz, double level_db) {
  return {s, design, gain_dbi(design.horn, frequency_hz), beamwidths(design.horn, frequency_hz, level_db), 0.0, {}, {}};
}

std::span<const ColumnDefinition<DesignRecord>> design_columns() { return design_column_table; }
std::span<const ColumnDefinition<DesignRecord>> gain_design_columns() { return gain_design_column_table; }
std::span<const ColumnDefinition<DesignRecord>> feed_design_columns() { return feed_design_column_table; }

}  // namespace tarniq::request
