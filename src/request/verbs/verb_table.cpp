// The verbs, their options with help lines and needs, one example each, and what runs each verb.
#include "request/verbs/verb_table.hpp"

#include <algorithm>
#include <sstream>

#include "request/verbs/verbs.hpp"

namespace tarniq::request {
namespace {

constexpr Need required = Need::required;

constexpr OptionDefinition waveguide{"waveguide", "NAME", "standard feed waveguide: WR-90, R100 or WG16 (all in the catalogue)",
                                     0, required, "waveguide-size from pattern-file"};
constexpr OptionDefinition waveguide_size{.name = "waveguide-size", .value_name = "W,H",
                                          .help = "inner width and height of another feed waveguide",
                                          .kind = ValueKind::length};
constexpr OptionDefinition units{"units", "cm|mm|in", "unit of every length in and out (default cm)"};
constexpr OptionDefinition format{"format", "table|csv|json", "output format (default table)"};
constexpr OptionDefinition output{.name = "output", .value_name = "FILE",
                                  .help = "write the results to FILE (default or -: standard output)",
                                  .short_name = 'o', .kind = ValueKind::file};
constexpr OptionDefinition level{"level", "DB", "beamwidth level below the maximum, dB; 3 means 3.01 (default 3)"};
constexpr OptionDefinition aperture{.name = "aperture", .value_name = "W,H",
                                    .help = "aperture width and height (one value: a square aperture)",
                                    .need = required, .unless = "from pattern-file", .kind = ValueKind::length};
constexpr OptionDefinition length{.name = "length", .value_name = "L",
                                  .help = "axial length from the waveguide to the aperture", .need = required,
                                  .unless = "from pattern-file", .kind = ValueKind::length};
constexpr OptionDefinition from{.name = "from", .value_name = "FILE.json",
                                .help = "take the horn from the JSON results of a design",
                                .kind = ValueKind::input};
constexpr OptionDefinition row{"row", "N", "the row of that file to take, from 1 (default 1)", 0,
                               Need::optional, {}, "from"};
constexpr OptionDefinition method{"method", "pattern|table",
                                  "pattern (beamwidths of the computed pattern, default) or table (read from the "
                                  "universal beamwidth table)"};

// --plot: the SVG file a verb draws into.
constexpr OptionDefinition plot(std::string_view help) {
  return {.name = "plot", .value_name = "FILE.svg", .help = help, .kind = ValueKind::file};
}

// The parts of a horn: its drawing and model, and how to lay out and build
// them. The design verbs take them for a request that gives one horn.
constexpr OptionDefinition drawing{"drawing", "FILE",
                                   "write the full-size cutting drawing: FILE.svg, FILE.pdf (tiled on --paper) or FILE.dxf",
                                   0, Need::optional, {}, {}, ValueKind::file};
constexpr OptionDefinition model{"model", "FILE.stl", "write the walls as a 3-D model: binary STL in millimetres", 0,
                                 Need::optional, {}, {}, ValueKind::file};
constexpr OptionDefinition net{"net", "", "lay the panels out as one net that folds into the horn", 0, Need::optional,
                               {}, "drawing"};
constexpr OptionDefinition tab{"tab", "WIDTH", "add glue or solder tabs this wide on the edges that are joined",
                               0, Need::optional, {}, "drawing", ValueKind::length};
constexpr OptionDefinition wall{"wall", "THICKNESS", "wall thickness of the model, outward from the inner surface (default 2 mm)",
                                0, Need::optional, {}, "model", ValueKind::length};
constexpr OptionDefinition throat{"throat", "LENGTH",
                                  "straight waveguide section at the model's throat (default 0)", 0, Need::optional, {},
                                  "model", ValueKind::length};
constexpr OptionDefinition paper{"paper", "a4|letter", "paper of a PDF drawing, tiled at 1:1 (default a4)", 0,
                                 Need::optional, {}, "drawing"};

std::vector<OptionDefinition> with_parts(std::vector<OptionDefinition> options) {
  options.insert(options.end(), {drawing, model, net, tab, wall, throat, paper});
  return options;
}

// An option that goes with no other: the parts verb's net and tabs shape its plot too.
constexpr OptionDefinition on_its_own(OptionDefinition option) {
  option.with = {};
  return option;
}

std::vector<VerbDefinition> make_verb_table() {
  return {
      {"design",
       "horns for prescribed beamwidths, one row per phase deviation S",
       "tarniq-cli design --e-beamwidth 30 --h-beamwidth 20 --frequency 10 --waveguide WR-90 --s 0.1:0.5:0.1",
       with_parts({{"e-beamwidth", "DEG", "E-plane full beamwidth of a rectangular horn, degrees", 0, required, "square"},
        {"h-beamwidth", "DEG", "H-plane full beamwidth of a rectangular horn, degrees", 0, required, "square"},
        {"beamwidth", "DEG", "full beamwidth of a square horn, degrees", 0, Need::with_option, {}, "square"},
        {"square", "", "a square horn on a square waveguide"},
        {"plane", "e|h|average", "square horn: the plane of the prescribed beamwidth (default e)"},
        level,
        {"s", "S|START:STOP:STEP",
         "aperture phase deviation S, wavelengths, of the plane with the larger aperture (table method: the "
         "narrower beam) (default 0.25)"},
        method,
        {"frequency", "GHZ", "design frequency, GHz", 0, required},
        waveguide, waveguide_size, units, format, output,
        plot("draw gain and dimensions against S into FILE.svg")}),
       design_verb},
      {"gain-design",
       "the optimum-gain horn for a prescribed gain",
       "tarniq-cli gain-design --gain 20 --frequency 10 --waveguide WR-90",
       with_parts({{"gain", "DBI", "gain of the horn, dBi", 0, required},
        {"frequency", "GHZ", "design frequency, GHz", 0, required},
        level, waveguide, waveguide_size, units, format, output,
        plot("draw the horn's gain and beamwidths over its band into FILE.svg")}),
       gain_design_verb},
      {"feed-design",
       "the horn that feeds a dish: both beamwidths at the edge taper span the dish",
       "tarniq-cli feed-design --f-over-d 0.4 --frequency 10 --waveguide WR-90",
       with_parts({{"f-over-d", "F/D", "focal length over diameter of the front-fed dish", 0, required, "edge-angle"},
        {"edge-angle", "DEG", "the dish's half-angle at its focus, degrees, below 90 (instead of --f-over-d)"},
        {"edge-taper", "DB", "the feed's level at the dish's edge below its maximum, dB (default 10; searched "
                             "without --s or --edge-taper)"},
        {"s", "S|START:STOP:STEP", "phase deviation S, wavelengths, of the plane with the larger aperture (default: "
                                   "the S of the highest aperture efficiency, searched)"},
        {"frequency", "GHZ", "design frequency, GHz", 0, required},
        waveguide, waveguide_size, units, format, output,
        plot("draw the efficiencies against S into FILE.svg")}),
       feed_design_verb},
      {"analyze",
       "gain and beamwidths of a horn over frequency",
       "tarniq-cli analyze --aperture 11,8 --length 20 --waveguide WR-90 --frequency 8:12:0.5",
       {aperture, length, from, row,
        {"frequency", "GHZ|START:STOP:STEP", "frequency or frequency range, GHz", 0, required},
        {"level", "DB", "add E- and H-plane beamwidth columns at this level, dB (3 means 3.01)"},
        {.name = "distance", .value_name = "LENGTH",
         .help = "add the gain measured on the axis at this distance from the aperture", .kind = ValueKind::length},
        method,
        waveguide, waveguide_size, units, format, output,
        plot("draw gain and beamwidths against frequency into FILE.svg")},
       analyze_verb},
      {"pattern",
       "E- and H-plane pattern cuts of a horn at one frequency",
       "tarniq-cli pattern --aperture 11,8 --length 20 --waveguide WR-90 --frequency 10 --plot pattern.svg",
       {aperture, length, from, row,
        {"frequency", "GHZ", "frequency, GHz", 0, required},
        {"angles", "START:STOP:STEP", "angles off boresight, degrees, -180 to 180 (default -90:90:0.5)"},
        {"phi", "DEG", "one cut at this angle from the H plane toward the E plane, degrees, with its cross-polar "
                       "level and phase (default: the E- and H-plane cuts)"},
        waveguide, waveguide_size, units, format, output,
        plot("draw the cuts against angle into FILE.svg"),
        {"polar", "", "draw the plot on polar axes"}},
       pattern_verb},
      {"field",
       "the co- and cross-polar far field of a horn over a grid of directions",
       "tarniq-cli field --aperture 11,8 --length 20 --waveguide WR-90 --frequency 10 --theta 0:90:5 --phi 0:90:45",
       {aperture, length, from, row,
        {"frequency", "GHZ", "frequency, GHz", 0, required},
        {"theta", "START:STOP:STEP", "angles off boresight, degrees, 0 to 180 (default 0:90:1)"},
        {"phi", "START:STOP:STEP", "angles from the H plane toward the E plane, degrees (default 0:345:15)"},
        waveguide, waveguide_size, units, format, output,
        plot("draw a map of the co-polar level over θ and φ into FILE.svg")},
       field_verb},
      {"phase-center",
       "the phase centre of a horn's E- and H-plane cuts, and of both, over frequency",
       "tarniq-cli phase-center --aperture 11,8 --length 20 --waveguide WR-90 --frequency 8:12:1",
       {aperture, length, from, row,
        {"frequency", "GHZ|START:STOP:STEP", "frequency or frequency range, GHz", 0, required},
        {"level", "DB", "fit the phase where a cut is within this level of its maximum, dB (default 10)"},
        waveguide, waveguide_size, units, format, output,
        plot("draw the phase centres against frequency into FILE.svg")},
       phase_center_verb},
      {"dish",
       "the efficiencies of a front-fed dish lit by a horn or by a feed pattern file",
       "tarniq-cli dish --f-over-d 0.3:0.7:0.05 --aperture 3.1,2.3 --length 2.3 --waveguide WR-90 --frequency 10",
       {{"f-over-d", "F/D|START:STOP:STEP", "focal length over diameter of the dish", 0, required, "edge-angle"},
        {"edge-angle", "DEG|START:STOP:STEP", "the dish's half-angle at its focus, degrees (instead of --f-over-d)"},
        aperture, length, from, row,
        {.name = "pattern-file", .value_name = "FILE.csv",
         .help = "the feed as a pattern file instead of a horn: angle_deg, e_plane_dbi, h_plane_dbi, optional "
                 "e_phase_deg and h_phase_deg",
         .kind = ValueKind::input},
        {"frequency", "GHZ", "frequency, GHz (a pattern file needs it only with --offset)", 0, required,
         "pattern-file"},
        {.name = "offset", .value_name = "LENGTH",
         .help = "the feed's phase centre this far from the focus toward the dish, negative away from it (default 0)",
         .kind = ValueKind::length},
        waveguide, waveguide_size, units, format, output,
        plot("draw the efficiencies against f/D into FILE.svg")},
       dish_verb},
      {"parts",
       "the horn's wall panels with their dimensions, a full-size cutting drawing and a 3-D model",
       "tarniq-cli parts --aperture 11,8 --length 20 --waveguide WR-90 --net --drawing horn.svg",
       {aperture, length, from, row, waveguide, waveguide_size, units, format, output,
        plot("draw the flat layout into FILE.svg (as --drawing FILE.svg)"),
        drawing, model, on_its_own(net), on_its_own(tab), wall, throat, paper},
       parts_verb},
      {"waveguides",
       "the standard waveguides, or those whose band holds a frequency",
       "tarniq-cli waveguides --frequency 10",
       {{"frequency", "GHZ", "keep the waveguides whose band holds this frequency, GHz"},
        {"units", "cm|mm|in", "unit of the sizes (default in)"},
        format, output},
       waveguides_verb},
  };
}

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> all;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    all.push_back(text.substr(0, blank));
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
  return all;
}

std::string dashed(std::string_view name) { return "--" + std::string(name); }

// "--waveguide-size", "--waveguide-size or --from"
std::string either(const std::vector<std::string_view>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) text += (i == 0 ? "" : " or ") + dashed(names[i]);
  return text;
}

// Edits (insertions, deletions, substitutions) between two names.
std::size_t edit_distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::span<const VerbDefinition> verb_table() {
  static const std::vector<VerbDefinition> definitions = make_verb_table();
  return definitions;
}

const VerbDefinition* find_verb(std::string_view name) {
  for (const auto& verb : verb_table())
    if (verb.name == name) return &verb;
  return nullptr;
}

const OptionDefinition* find_option(const VerbDefinition& verb, std::string_view name) {
  for (const auto& option : verb.options)
    if (option.name == name) return &option;
  return nullptr;
}

std::string verb_names() {
  std::string names;
  for (const auto& verb : verb_table()) names += (names.empty() ? "" : ", ") + std::string(verb.name);
  return names;
}

std::string help_line(const VerbDefinition& verb, const OptionDefinition& option) {
  std::string line{option.help};
  std::vector<std::string_view> stand_ins = words(option.unless);
  std::erase_if(stand_ins, [&](std::string_view name) { return find_option(verb, name) == nullptr; });
  switch (option.need) {
    case Need::required:
      line += stand_ins.empty() ? " (required)" : " (required unless " + either(stand_ins) + ")";
      break;
    case Need::with_option: line += " (required with " + dashed(option.with) + ")"; break;
    case Need::optional:
      if (!option.with.empty()) line += " (with " + dashed(option.with) + ")";
      break;
  }
  return line;
}

std::vector<std::string> missing_options(const VerbDefinition& verb, const Options& options) {
  const auto given = [&](std::string_view name) {
    const auto found = options.find(name);
    return found != options.end() && found->second != "false";
  };
  std::vector<std::string> missing;
  for (const auto& option : verb.options) {
    if (given(option.name)) continue;
    if (option.need == Need::required) {
      std::vector<std::string_view> stand_ins = words(option.unless);
      std::erase_if(stand_ins, [&](std::string_view name) { return find_option(verb, name) == nullptr; });
      if (std::none_of(stand_ins.begin(), stand_ins.end(), given))
        missing.push_back(dashed(option.name) + (stand_ins.empty() ? "" : " (or " + either(stand_ins) + ")"));
    } else if (option.need == Need::with_option && given(option.with)) {
      missing.push_back(dashed(option.name));
    }
  }
  return missing;
}

std::string nearest_name(std::string_view given, const std::vector<std::string_view>& known) {
  std::string_view best;
  std::size_t best_distance = 0;
  for (const std::string_view name : known) {
    const std::size_t distance = edit_distance(given, name);
    if (best.empty() || distance < best_distance) {
      best = name;
      best_distance = distance;
    }
  }
  // A slip of a letter or two; a third of a long name.
  const std::size_t allowed = std::max<std::size_t>(2, given.size() / 3);
  if (best.empty() || best_distance == 0 || best_distance > allowed) return {};
  return std::string(best);
}

}  // namespace tarniq::request
