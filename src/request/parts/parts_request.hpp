// The parts options any verb that gives a horn can take: which files to make, how to lay out and build the walls.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "request/parts/sheet.hpp"
#include "request/parts/tiles.hpp"
#include "request/result.hpp"
#include "request/verbs/verb_context.hpp"
#include "tarniq/parts.hpp"

namespace tarniq::request {

enum class DrawingFormat { svg, pdf, dxf };

// --drawing, --model, --net, --tab, --wall, --throat and --paper as read.
struct PartsRequest {
  std::optional<std::string> drawing;  // file name
  DrawingFormat drawing_format = DrawingFormat::svg;
  std::optional<std::string> model;    // file name, .stl
  LayoutKind layout = LayoutKind::separate;
  double tab_width = 0.0;              // metres, 0 for none
  double wall = 0.002;                 // metres
  double throat = 0.0;                 // metres
  Paper paper = Paper::a4;

  [[nodiscard]] bool wants_files() const { return drawing.has_value() || model.has_value(); }
};

// Reads and checks the options before anything is computed: the files'
// extensions (and whether this build draws PDF), the paper, the numbers in
// the request's unit (the wall 2 mm when not given). Throws UsageError
// naming the option.
[[nodiscard]] PartsRequest read_parts_request(const VerbContext& context);

// The horn's panels and their flat layout as the request asks. Throws
// UsageError for a tab too wide for the horn, NoSolution for a net that
// would overlap itself, the library's InvalidArgument for a horn whose walls
// cannot be made (planes of different axial lengths).
struct HornParts {
  HornPanels panels;
  FlatLayout layout;
};
[[nodiscard]] HornParts lay_out(const Horn& horn, const PartsRequest& request, const VerbContext& context);

// The full-size drawing of the layout.
[[nodiscard]] Sheet parts_sheet(const Horn& horn, const HornParts& parts, LengthUnit unit);

// The files the request names, for this horn and its parts. Throws
// UsageError for a wall too thick for the horn, NoSolution when the PDF
// cannot be drawn.
[[nodiscard]] std::vector<OutputFile> parts_files(const Horn& horn, const HornParts& parts, const PartsRequest& request,
                                                  const VerbContext& context);

// For a verb whose rows are horns (the designs): the files for its one horn,
// added to the result with the parts options in its input. Throws UsageError
// naming --drawing or --model when the request gave more than one row.
void add_parts_files(Result& result, const std::vector<Horn>& horns, const PartsRequest& request,
                     const VerbContext& context);

// The parts options in the echoed input: "layout", "tab_<unit>", and for a
// model "wall_<unit>" and "throat_<unit>", for a PDF "paper".
void parts_input(nlohmann::ordered_json& input, const PartsRequest& request, LengthUnit unit);

}  // namespace tarniq::request
