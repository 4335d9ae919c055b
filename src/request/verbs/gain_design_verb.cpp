// The gain-design verb: the optimum-gain horn for a prescribed gain.
#include "request/output/number_text.hpp"
#include "request/parts/parts_request.hpp"
#include "request/verbs/design_record.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/gain_design.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

// Points of the response plot across the band.
constexpr int kResponseSteps = 40;

// The designed horn's gain and beamwidths over its feed's recommended band
// (±20 % of the design frequency for a feed without one), drawn by the
// analyze verb from the same options a user would give it.
std::string response_plot(const HornDesign& design, double frequency_hz, const VerbContext& context) {
  const Waveguide& feed = design.horn.feed;
  const std::optional<Waveguide> entry = feed.band ? feed : catalogue_entry(feed);
  const double low = entry && entry->band ? entry->band->low : 0.8 * frequency_hz;
  const double high = entry && entry->band ? entry->band->high : 1.2 * frequency_hz;
  const auto length = [&](double metres) { return exact_text(from_metres(metres, context.unit)); };
  const auto ghz = [](double hertz) { return exact_text(hertz / hertz_per_gigahertz); };
  Options options{{"aperture", length(design.horn.aperture_width) + "," + length(design.horn.aperture_height)},
                  {"length", length(design.axial_length)},
                  {"frequency", ghz(low) + ":" + ghz(high) + ":" + ghz((high - low) / kResponseSteps)},
                  {"units", std::string(unit_name(context.unit))}};
  if (feed.name.empty())
    options["waveguide-size"] = length(feed.width) + "," + length(feed.height);
  else
    options["waveguide"] = feed.name;
  const OptionReader reader(options);
  return analyze_verb(VerbContext{reader, context.unit, true, context.max_rows, {}}).plot_svg;
}

}  // namespace

Result gain_design_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  const double gain = options.number("gain");
  const double level = read_level(options, "level");
  const double frequency_hz = read_single_frequency(context);
  const Waveguide feed = read_feed(context);
  const PartsRequest parts = read_parts_request(context);

  const HornDesign design = design_for_gain(gain, frequency_hz, feed, length_scale(context.unit));
  const double s = phase_deviation(design.horn, design.s_plane, frequency_hz);
  const DesignRecord record = describe_design(s, design, frequency_hz, level);

  Result result;
  result.input["gain_dbi"] = gain;
  result.input["level_db"] = level;
  result.input["frequency_ghz"] = frequency_hz / hertz_per_gigahertz;
  result.input["waveguide"] = feed_input(feed, context.unit);
  const std::vector<DesignRecord> records{record};
  tabulate<DesignRecord>(result, gain_design_columns(), records, context.unit);
  WarningList warnings;
  warnings.add(horn_warnings(design.horn, frequency_hz, {DesignMethod::pattern, length_scale(context.unit)}), s);
  result.warnings = warnings.notices("S =", "");
  if (context.plot) result.plot_svg = response_plot(design, frequency_hz, context);
  add_parts_files(result, {design.horn}, parts, context);
  return result;
}

}  // namespace tarniq::request
