// The columns of a designed horn: dimensions, gain and beamwidths, and the side-wall lengths.
#include "request/verbs/design_record.hpp"

#include <algorithm>
#include <array>

#include "tarniq/gain.hpp"

namespace tarniq::cli {
namespace {

using Spec = ColumnSpec<DesignRecord>;
using R = const DesignRecord&;

constexpr std::array<Spec, 9> design_specs{{
    {"s", Quantity::plain, 3, [](R r) -> Value { return r.s; }},
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
constexpr std::array<Spec, 11> gain_design_specs = [] {
  std::array<Spec, 11> specs{};
  std::copy(design_specs.begin(), design_specs.end(), specs.begin());
  specs[9] = {"h_flare_length", Quantity::length, 3,
              [](R r) -> Value { return side_wall_length(r.design.horn, Plane::H); }};
  specs[10] = {"e_flare_length", Quantity::length, 3,
               [](R r) -> Value { return side_wall_length(r.design.horn, Plane::E); }};
  return specs;
}();

}  // namespace

DesignRecord describe_design(double s, const HornDesign& design, double frequency_hz, double level_db) {
  return {s, design, gain_dbi(design.horn, frequency_hz), beamwidths(design.horn, frequency_hz, level_db)};
}

std::span<const ColumnSpec<DesignRecord>> design_columns() { return design_specs; }
std::span<const ColumnSpec<DesignRecord>> gain_design_columns() { return gain_design_specs; }

}  // namespace tarniq::cli
