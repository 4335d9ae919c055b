// Reading the parts options, laying out the walls and making the files they name.
#include "request/parts/parts_request.hpp"

#include <cctype>
#include <exception>

#include "request/output/number_text.hpp"
#include "request/parts/writers.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::request {
namespace {

// The name's extension, lower case, with its dot: ".svg"; empty when none.
std::string extension(const std::string& name) {
  const std::size_t dot = name.find_last_of("./");
  if (dot == std::string::npos || name[dot] != '.') return {};
  std::string ext = name.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

DrawingFormat drawing_format(const std::string& name, const VerbContext& context) {
  const std::string ext = extension(name);
  if (ext == ".svg") return DrawingFormat::svg;
  if (ext == ".dxf") return DrawingFormat::dxf;
  if (ext == ".pdf") {
    if (!context.render_pdf)
      throw UsageError("drawing", "--drawing " + in_quotes(name) + ": PDF drawings are not made here; write .svg or .dxf");
    return DrawingFormat::pdf;
  }
  throw UsageError("drawing", "--drawing " + in_quotes(name) + " does not end in .svg, .pdf or .dxf");
}

std::string quoted_option(const VerbContext& context, std::string_view name) {
  return "--" + std::string(name) + " " + in_quotes(*context.options.text(name));
}

// "11 x 8 cm horn, 20 cm long, on WR-90": for the model's header, in ASCII.
std::string model_description(const Horn& horn, const HornParts& parts, const PartsRequest& request, LengthUnit unit) {
  const std::string name{unit_name(unit)};
  const auto shown = [&](double metres) { return short_text(from_metres(metres, unit), 4); };
  return "tarniq horn " + shown(horn.aperture_width) + " x " + shown(horn.aperture_height) + " " + name + ", " +
         shown(parts.panels.axial_length) + " " + name + " long, wall " + shown(request.wall) + " " + name;
}

std::string drawing_bytes(const Sheet& sheet, const PartsRequest& request, const VerbContext& context) {
  switch (request.drawing_format) {
    case DrawingFormat::dxf: return dxf_drawing(sheet);
    case DrawingFormat::pdf:
      if (const long long pages = plan_tiles(sheet.width - 2.0 * sheet.margin, sheet.height - 2.0 * sheet.margin,
                                       request.paper).pages();
          pages > kMostPages)
        throw UsageError("drawing", "--drawing " + in_quotes(*request.drawing) + " would take " + std::to_string(pages) +
                                        " pages, more than " + std::to_string(kMostPages) + ": draw it as .svg or .dxf");
      try {
        return context.render_pdf(sheet, request.paper);
      } catch (const std::runtime_error& error) {
        throw NoSolution("cannot draw --drawing " + in_quotes(*request.drawing) + ": " + error.what());
      }
    case DrawingFormat::svg: break;
  }
  return svg_drawing(sheet);
}

}  // namespace

PartsRequest read_parts_request(const VerbContext& context) {
  const OptionReader& options = context.options;
  PartsRequest request;
  if (const auto name = options.text("drawing")) {
    request.drawing = *name;
    request.drawing_format = drawing_format(*name, context);
  }
  if (const auto name = options.text("model")) {
    if (extension(*name) != ".stl")
      throw UsageError("model", "--model " + in_quotes(*name) + " does not end in .stl: models are binary STL");
    request.model = *name;
  }
  request.layout = options.flag("net") ? LayoutKind::net : LayoutKind::separate;
  if (options.has("tab")) request.tab_width = to_metres(options.positive("tab"), context.unit);
  if (options.has("wall")) request.wall = to_metres(options.positive("wall"), context.unit);
  if (options.has("throat")) {
    request.throat = to_metres(options.number("throat"), context.unit);
    if (request.throat < 0.0) throw UsageError("throat", quoted_option(context, "throat") + " is negative");
  }
  if (options.has("paper")) {
    if (!request.drawing || request.drawing_format != DrawingFormat::pdf)
      throw UsageError("paper", "--paper is for a PDF drawing (--drawing FILE.pdf)");
    request.paper = options.choice("paper", {{"a4", Paper::a4}, {"letter", Paper::letter}}, Paper::a4);
  }
  return request;
}

HornParts lay_out(const Horn& horn, const PartsRequest& request, const VerbContext& context) {
  const LengthScale scale = length_scale(context.unit);
  HornParts parts{horn_panels(horn, scale), {}};
  const double widest = widest_tab(horn);
  if (request.tab_width > widest)
    throw UsageError("tab", quoted_option(context, "tab") + " is too wide for this horn's corner edges of " +
                                length_text(parts.panels.broad.corner_edge, context.unit) + ": at most " +
                                length_text(widest, context.unit));
  try {
    parts.layout = flat_layout(horn, {request.layout, request.tab_width, scale});
  } catch (const NoSolution& error) {
    throw NoSolution(std::string(error.what()) + " (leave out --net)");
  }
  return parts;
}

Sheet parts_sheet(const Horn& horn, const HornParts& parts, LengthUnit unit) {
  return layout_sheet(horn, parts.panels, parts.layout, unit);
}

std::vector<OutputFile> parts_files(const Horn& horn, const HornParts& parts, const PartsRequest& request,
                                    const VerbContext& context) {
  const double thickest = thickest_wall(horn);
  if (request.model && !(request.wall < thickest)) {
    const std::string given = context.options.has("wall") ? quoted_option(context, "wall") : "--wall (2 mm by default)";
    throw UsageError("wall", given + " is too thick for this horn: it must be less than " +
                                 length_text(thickest, context.unit) + ", the smallest of its aperture and axial length");
  }
  std::vector<OutputFile> files;
  if (request.drawing)
    files.push_back({"drawing", *request.drawing, drawing_bytes(parts_sheet(horn, parts, context.unit), request, context)});
  if (request.model) {
    const std::vector<Facet> solid = horn_solid(horn, {request.wall, request.throat, length_scale(context.unit)});
    files.push_back({"model", *request.model, binary_stl(solid, model_description(horn, parts, request, context.unit))});
  }
  return files;
}

void add_parts_files(Result& result, const std::vector<Horn>& horns, const PartsRequest& request,
                     const VerbContext& context) {
  if (!request.wants_files()) return;
  const std::string_view option = request.drawing ? "drawing" : "model";
  if (horns.size() != 1)
    throw UsageError(option, "--" + std::string(option) + " needs one horn, and this request gives " +
                                 std::to_string(horns.size()) + " rows");
  result.files = parts_files(horns.front(), lay_out(horns.front(), request, context), request, context);
  parts_input(result.input, request, context.unit);
}

void parts_input(nlohmann::ordered_json& input, const PartsRequest& request, LengthUnit unit) {
  const std::string suffix{unit_name(unit)};
  input["layout"] = request.layout == LayoutKind::net ? "net" : "separate";
  input["tab_" + suffix] = from_metres(request.tab_width, unit);
  if (request.model) {
    input["wall_" + suffix] = from_metres(request.wall, unit);
    input["throat_" + suffix] = from_metres(request.throat, unit);
  }
  if (request.drawing && request.drawing_format == DrawingFormat::pdf)
    input["paper"] = request.paper == Paper::a4 ? "a4" : "letter";
}

}  // namespace tarniq::request
