// The gain-design verb: the optimum-gain horn for a prescribed gain.
#include "request/verbs/design_record.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/gain_design.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::cli {
namespace {

// The phase deviation of the plane with the narrower beam (E on a tie, or
// when neither beam falls to the level), as the design verb's S.
double narrow_plane_s(const DesignRecord& record, double frequency_hz) {
  const auto& e = record.beamwidths.e_plane;
  const auto& h = record.beamwidths.h_plane;
  const bool h_narrower = h && (!e || *h < *e);
  return phase_deviation(record.design.horn, h_narrower ? Plane::H : Plane::E, frequency_hz);
}

}  // namespace

Result gain_design_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  const double gain = options.number("gain");
  const double nominal_level = options.has("level") ? options.positive("level") : 3.0;
  const double level = level_db(nominal_level);
  const double frequency_hz = read_single_frequency(context);
  const Waveguide feed = read_feed(context);

  const HornDesign design = design_for_gain(gain, frequency_hz, feed);
  DesignRecord record = describe_design(0.0, design, frequency_hz, level);
  record.s = narrow_plane_s(record, frequency_hz);

  Result result;
  result.input["gain_dbi"] = gain;
  result.input["level_db"] = level;
  result.input["frequency_ghz"] = frequency_hz / hertz_per_gigahertz;
  result.input["waveguide"] = feed_input(feed, context.unit);
  const std::vector<DesignRecord> records{record};
  tabulate<DesignRecord>(result, gain_design_columns(), records, context.unit);
  WarningList warnings;
  warnings.add(horn_warnings(design.horn, frequency_hz));
  result.warnings = warnings.notices("design", "designs");
  return result;
}

}  // namespace tarniq::cli
