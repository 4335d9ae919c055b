// The gain-design verb: the optimum-gain horn for a prescribed gain.
#include "request/verbs/design_record.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/gain_design.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

}  // namespace

Result gain_design_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  const double gain = options.number("gain");
  const double level = read_level(options, "level");
  const double frequency_hz = read_single_frequency(context);
  const Waveguide feed = read_feed(context);

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
  return result;
}

}  // namespace tarniq::request
