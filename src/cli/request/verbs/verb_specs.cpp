// The verbs, their options with help lines, and one example each.
#include "request/verbs/verb_specs.hpp"

namespace tarniq::cli {
namespace {

constexpr OptionSpec waveguide{"waveguide", "NAME", "standard feed waveguide, e.g. WR-90 (see the waveguides verb)"};
constexpr OptionSpec waveguide_size{"waveguide-size", "W,H", "inner width and height of another feed waveguide"};
constexpr OptionSpec units{"units", "cm|mm|in", "unit of every length in and out (default cm)"};
constexpr OptionSpec format{"format", "table|csv|json", "output format (default table)"};
constexpr OptionSpec output{"output", "FILE", "write the results to FILE (default or -: standard output)", 'o'};
constexpr OptionSpec level{"level", "DB", "beamwidth level below the maximum; 3 means 3.01 (default 3)"};
constexpr OptionSpec aperture{"aperture", "W,H", "aperture width and height (one value: a square aperture)"};
constexpr OptionSpec length{"length", "L", "axial length from the waveguide to the aperture"};

std::vector<VerbSpec> make_specs() {
  return {
      {"design",
       "horns for prescribed beamwidths, one row per phase deviation S",
       "tarniq-cli design --e-beamwidth 30 --h-beamwidth 20 --frequency 10 --waveguide WR-90 --s 0.1:0.5:0.1",
       {{"e-beamwidth", "DEG", "E-plane full beamwidth of a rectangular horn"},
        {"h-beamwidth", "DEG", "H-plane full beamwidth of a rectangular horn"},
        {"beamwidth", "DEG", "beamwidth of a square horn (with --square)"},
        {"square", "", "a square horn on a square waveguide"},
        {"plane", "e|h|average", "square horn: the plane --beamwidth prescribes (default e)"},
        level,
        {"s", "S|START:STOP:STEP", "phase deviation of the narrower-beam plane (default 0.25)"},
        {"method", "pattern|table", "pattern (exact beamwidths, default) or table (as tarniq)"},
        {"frequency", "GHZ", "design frequency"},
        waveguide, waveguide_size, units, format, output,
        {"plot", "FILE.svg", "draw the dimensions against S into FILE.svg"}}},
      {"gain-design",
       "the optimum-gain horn for a prescribed gain",
       "tarniq-cli gain-design --gain 20 --frequency 10 --waveguide WR-90",
       {{"gain", "DBI", "gain of the horn"},
        {"frequency", "GHZ", "design frequency"},
        level, waveguide, waveguide_size, units, format, output}},
      {"analyze",
       "gain and 3 dB and 10 dB beamwidths of a horn over frequency",
       "tarniq-cli analyze --aperture 11,8 --length 20 --waveguide WR-90 --frequency 8:12:0.5",
       {aperture, length,
        {"frequency", "GHZ|START:STOP:STEP", "frequency or frequency range"},
        {"method", "pattern|table", "pattern (the pattern's, default) or table (as tarniq)"},
        waveguide, waveguide_size, units, format, output,
        {"plot", "FILE.svg", "draw gain and beamwidths against frequency into FILE.svg"}}},
      {"pattern",
       "E- and H-plane pattern cuts of a horn at one frequency",
       "tarniq-cli pattern --aperture 11,8 --length 20 --waveguide WR-90 --frequency 10 --plot pattern.svg",
       {aperture, length,
        {"frequency", "GHZ", "frequency"},
        {"angles", "START:STOP:STEP", "angles off boresight, -180 to 180 (default -90:90:0.5)"},
        waveguide, waveguide_size, units, format, output,
        {"plot", "FILE.svg", "draw both cuts against angle into FILE.svg"},
        {"polar", "", "draw the plot on polar axes"}}},
      {"waveguides",
       "the standard waveguides, or those whose band holds a frequency",
       "tarniq-cli waveguides --frequency 10",
       {{"frequency", "GHZ", "keep the waveguides whose band holds this frequency"},
        {"units", "cm|mm|in", "unit of the sizes (default in)"},
        format, output}},
  };
}

}  // namespace

std::span<const VerbSpec> verb_specs() {
  static const std::vector<VerbSpec> specs = make_specs();
  return specs;
}

const VerbSpec* find_verb(std::string_view name) {
  for (const auto& verb : verb_specs())
    if (verb.name == name) return &verb;
  return nullptr;
}

const OptionSpec* find_option(const VerbSpec& verb, std::string_view name) {
  for (const auto& option : verb.options)
    if (option.name == name) return &option;
  return nullptr;
}

}  // namespace tarniq::cli
