// The pattern verb: E- and H-plane cuts of a horn at one frequency.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "request/columns.hpp"
#include "request/output/number_text.hpp"
#include "request/svg/plot.hpp"
#include "request/verbs/far_field_record.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/far_field.hpp"
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

// One cut at any φ (--phi): the complex field's level and phase.
struct CutRecord {
  double angle = 0.0;
  FarField field;
};

using CutDefinition = ColumnDefinition<CutRecord>;
using C = const CutRecord&;
constexpr std::array<CutDefinition, 4> cut_columns{{
    {"angle", Quantity::angle, 2, [](C r) -> Value { return r.angle; }},
    {"co", Quantity::gain, 2, [](C r) -> Value { return level_dbi(r.field.co); }},
    {"cross", Quantity::gain, 2, [](C r) -> Value { return level_dbi(r.field.cross); }},
    {"co_phase", Quantity::angle, 1, [](C r) -> Value { return phase_deg(r.field.co); }},
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

// The co-polar cut at φ, drawn as the two principal cuts are.
std::string phi_plot(Series co, double phi, const HornInput& horn, double frequency_hz, bool polar, LengthUnit unit) {
  double peak = -std::numeric_limits<double>::infinity();
  for (const auto& level : co.y)
    if (level) peak = std::max(peak, *level);
  if (!std::isfinite(peak)) peak = 0.0;
  const std::string title = horn_text(horn, unit) + ", at " + frequency_text(frequency_hz);
  const std::string subtitle =
      "Co-polar cut at φ = " + exact_text(phi) + "° from the H plane, peak " + fixed_text(peak, 2) + " dBi";
  const std::vector<ReferenceLine> lines{{peak - half_power_db, "−3 dB"}, {peak - 10.0, "−10 dB"}};
  std::vector<Series> series{std::move(co)};
  if (polar) {
    const double top = std::ceil(peak / 5.0) * 5.0;
    return render_polar({title, subtitle, "dBi", std::move(series), lines, top - shown_range_db, top, 10.0});
  }
  Chart chart{title, subtitle, "Angle off boresight (degrees)", true, {}};
  chart.panels.push_back({"Directivity (dBi)", std::move(series), lines, peak - shown_range_db});
  return render_chart(chart);
}

// The --phi cut: its rows, warnings and plot.
Result phi_cut(const VerbContext& context, const HornInput& given, double frequency_hz, double phi,
               const std::vector<double>& angles) {
  const std::vector<FarField> fields = far_field_grid(given.horn, frequency_hz, angles, {&phi, 1});
  std::vector<CutRecord> records;
  records.reserve(angles.size());
  Series co{"co-polar, φ = " + exact_text(phi) + "°", angles, {}};
  for (std::size_t i = 0; i < angles.size(); ++i) {
    records.push_back({angles[i], fields[i]});
    const double level = level_dbi(fields[i].co);
    co.y.push_back(std::isfinite(level) ? std::optional<double>(level) : std::nullopt);
  }
  Result result;
  tabulate<CutRecord>(result, cut_columns, records, context.unit);
  if (context.plot)
    result.plot_svg = phi_plot(std::move(co), phi, given, frequency_hz, context.options.flag("polar"), context.unit);
  return result;
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
  check_frequencies(given.horn, {frequency_hz}, context);
  const Waveguide& feed = given.horn.feed;

  const std::optional<double> phi = options.optional_number("phi");
  Result result;
  if (phi) {
    result = phi_cut(context, given, frequency_hz, *phi, angle_values);
  } else {
    const PatternCuts cuts = pattern_cuts(given.horn, frequency_hz, angle_values);
    tabulate_each<AngleRecord>(
        result, columns, cuts.angles_deg.size(),
        [&](std::size_t i) { return AngleRecord{cuts.angles_deg[i], cuts.e_plane_dbi[i], cuts.h_plane_dbi[i]}; },
        context.unit);
    if (context.plot) result.plot_svg = plot(cuts, given, frequency_hz, polar, context.unit);
  }

  WarningList warnings;
  warnings.add(horn_warnings(given.horn, frequency_hz, {DesignMethod::pattern, length_scale(context.unit)}),
               frequency_hz / hertz_per_gigahertz);
  if (*lowest < -90.0 || *highest > 90.0)
    warnings.add_once("wide_angle", "Angles beyond ±90° follow the aperture formula but no longer describe the horn.");
  if (phi) warnings.add_once("no_cross_polar", std::string(no_cross_polar_notice));

  horn_input(result.input, given, context.unit);
  result.input["frequency_ghz"] = frequency_hz / hertz_per_gigahertz;
  result.input["angles_deg"] = range_input(angles);
  if (phi) result.input["phi_deg"] = *phi;
  result.input["waveguide"] = feed_input(feed, context.unit);
  result.columns[0].decimals = std::max(1, range_decimals(angles));
  result.warnings = warnings.notices("at", " GHz");
  return result;
}

}  // namespace tarniq::request
