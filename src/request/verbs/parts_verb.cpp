// The parts verb: a horn's wall panels with their dimensions, its full-size drawing and its 3-D model.
#include <array>

#include "request/columns.hpp"
#include "request/parts/parts_request.hpp"
#include "request/parts/writers.hpp"
#include "request/verbs/verbs.hpp"

namespace tarniq::request {
namespace {

using Definition = ColumnDefinition<Panel>;
using P = const Panel&;
constexpr std::array<Definition, 8> columns{{
    {"panel", Quantity::text, 0, [](P p) -> Value { return p.kind == PanelKind::broad ? "broad" : "narrow"; }},
    {"count", Quantity::plain, 0, [](P p) -> Value { return static_cast<double>(p.count); }},
    {"short_edge", Quantity::length, 3, [](P p) -> Value { return p.short_edge; }},
    {"long_edge", Quantity::length, 3, [](P p) -> Value { return p.long_edge; }},
    {"height", Quantity::length, 3, [](P p) -> Value { return p.height; }},
    {"corner_edge", Quantity::length, 3, [](P p) -> Value { return p.corner_edge; }},
    {"flare_angle", Quantity::angle, 2, [](P p) -> Value { return p.flare_angle_deg; }},
    {"corner_angle", Quantity::angle, 2, [](P p) -> Value { return p.corner_angle_deg; }},
}};

}  // namespace

Result parts_verb(const VerbContext& context) {
  const PartsRequest request = read_parts_request(context);
  const HornInput given = read_horn(context);
  const HornParts parts = lay_out(given.horn, request, context);

  Result result;
  horn_input(result.input, given, context.unit);
  result.input["waveguide"] = feed_input(given.horn.feed, context.unit);
  parts_input(result.input, request, context.unit);
  const std::vector<Panel> panels{parts.panels.broad, parts.panels.narrow};
  tabulate<Panel>(result, columns, panels, context.unit);
  result.files = parts_files(given.horn, parts, request, context);
  if (context.plot) result.plot_svg = svg_drawing(parts_sheet(given.horn, parts, context.unit));
  return result;
}

}  // namespace tarniq::request
