// The pattern verb: E- and H-plane cuts of a horn at one frequency.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "request/columns.hpp"
#include "request/output/number_text.hpp"
#include "request/svg/plot.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

struct AngleRecord {
  double angle = 0.0;
  double e_plane = 0.0;
  double h_plane = 0.0;
};

using Definition = ColumnDefinition<AngleRecord>;
using R = const AngleRecord&;
constexpr std::array<Definition, 3> columns{{
    {"angle", Quantity::angle, 2, [](R r) -> Value { return r.angle; }},
    {"e_plane", Quantity::gain, 2, [](R r) -> Value { return r.e_plane; }},
    {"h_plane", Quantity::gain, 2, [](R r) -> Value { return r.h_plane; }},
}};

// The plots show 40 dB under the strongest value; the lines mark half power
// and a tenth of it.
constexpr double shown_range_db = 40.0;

Series cut(const PatternCuts& cuts, const std::vector<double>& levels, std::string name) {
  Series series{std::move(name), cuts.angles_deg, {}};
  for (const double level : levels)
    series.y.push_back(std::isfinite(level) ? std::optional<double>(level) : std::nullopt);
  return series;
}

std::string plot(const PatternCuts& cuts, const HornInput& horn, double frequency_hz, bool polar, LengthUnit unit) {
  double peak = -std::numeric_limits<double>::infinity();
  for (const auto* levels : {&cuts.e_plane_dbi, &cuts.h_plane_dbi})
    for (const double level : *levels)
      if (std::isfinite(level)) peak = std::max(peak, level);
  if (!std::isfinite(peak)) peak = 0.0;
  const std::string title = horn_text(horn, unit) + ", at " + frequency_text(frequency_hz);
  const std::string subtitle = "E- and H-plane pattern cuts, peak " + fixed_text(peak, 2) + " dBi";
  const std::vector<ReferenceLine> lines{{peak - half_power_db, "−3 dB"}, {peak - 10.0, "−10 dB"}};
  std::vector<Series> series{cut(cuts, cuts.e_plane_dbi, "E plane"), cut(cuts, cuts.h_plane_dbi, "H plane")};
  if (polar) {
    const double top = std::ceil(peak / 5.0) * 5.0;
    return render_polar({title, subtitle, "dBi", std::move(series), lines, top - shown_range_db, top, 10.0});
  }
  Chart chart{title, subtitle, "Angle off boresight (degrees)", true, {}};
  chart.panels.push_back({"Directivity (dBi)", std::move(series), lines, peak - shown_range_db});
  return render_chart(chart);
}

}  // namespace

Result pattern_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  const double frequency_hz = read_single_frequency(context);
  const std::string angles_text = options.text("angles").value_or("-90:90:0.5");
  const Range angles = options.has("angles") ? options.range("angles", context.max_rows) : Range{-90.0, 90.0, 0.5};
  const std::vector<double> angle_values = range_values(angles);
  const auto [lowest, highest] = std::minmax_element(angle_values.begin(), angle_values.end());
  if (*lowest < -180.0 || *highest > 180.0)
    throw UsageError("angles", "--angles " + in_quotes(angles_text) + " leaves -180 to 180 degrees");
  const bool polar = options.flag("polar");
  if (polar && !context.plot) throw UsageError("polar", "--polar needs --plot FILE.svg");
  const HornInput given = read_horn(context);
  const Waveguide& feed = given.horn.feed;

  const PatternCuts cuts = pattern_cuts(given.horn, frequency_hz, angle_values);
  std::vector<AngleRecord> records;
  records.reserve(angle_values.size());
  for (std::size_t i = 0; i < cuts.angles_deg.size(); ++i)
    records.push_back({cuts.angles_deg[i], cuts.e_plane_dbi[i], cuts.h_plane_dbi[i]});

  WarningList warnings;
  warnings.add(horn_warnings(given.horn, frequency_hz, {DesignMethod::pattern, length_scale(context.unit)}),
               frequency_hz / hertz_per_gigahertz);
  if (*lowest < -90.0 || *highest > 90.0)
    warnings.add_once("wide_angle", "Angles beyond ±90° follow the aperture formula but no longer describe the horn.");

  Result result;
  horn_input(result.input, given, context.unit);
  result.input["frequency_ghz"] = frequency_hz / hertz_per_gigahertz;
  result.input["angles_deg"] = range_input(angles);
  result.input["waveguide"] = feed_input(feed, context.unit);
  tabulate<AngleRecord>(result, columns, records, context.unit);
  result.columns[0].decimals = std::max(1, range_decimals(angles));
  result.warnings = warnings.notices("at", " GHz");
  if (context.plot) result.plot_svg = plot(cuts, given, frequency_hz, polar, context.unit);
  return result;
}

}  // namespace tarniq::request
