// The field verb: a horn's co- and cross-polar far field over a grid of directions (θ, φ).
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

#include "request/columns.hpp"
#include "request/output/number_text.hpp"
#include "request/svg/heat_map.hpp"
#include "request/verbs/far_field_record.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/far_field.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

struct GridRecord {
  double theta = 0.0;
  double phi = 0.0;
  FarField field;
};

using Definition = ColumnDefinition<GridRecord>;
using R = const GridRecord&;
constexpr std::array<Definition, 5> columns{{
    {"theta", Quantity::angle, 1, [](R r) -> Value { return r.theta; }},
    {"phi", Quantity::angle, 1, [](R r) -> Value { return r.phi; }},
    {"co", Quantity::gain, 2, [](R r) -> Value { return level_dbi(r.field.co); }},
    {"cross", Quantity::gain, 2, [](R r) -> Value { return level_dbi(r.field.cross); }},
    {"co_phase", Quantity::angle, 1, [](R r) -> Value { return phase_deg(r.field.co); }},
}};

// The map shows 40 dB under the strongest value.
constexpr double shown_range_db = 40.0;

Range read_angles(const VerbContext& context, std::string_view name, Range fallback, double low, double high) {
  if (!context.options.has(name)) return fallback;
  const Range range = context.options.range(name, context.max_rows);
  const std::vector<double> values = range_values(range);
  const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
  if (*lowest < low || *highest > high)
    throw UsageError(name, "--" + std::string(name) + " " + in_quotes(*context.options.text(name)) + " leaves " +
                               exact_text(low) + " to " + exact_text(high) + " degrees");
  return range;
}

std::string plot(const std::vector<GridRecord>& records, const std::vector<double>& thetas,
                 const std::vector<double>& phis, const HornInput& horn, double frequency_hz, LengthUnit unit) {
  HeatMap map;
  // Rows of the map are θ, ascending upward; its columns φ. Sorted copies, so
  // that a descending range still draws.
  map.x = phis;
  map.y = thetas;
  std::sort(map.x.begin(), map.x.end());
  std::sort(map.y.begin(), map.y.end());
  const bool phi_reversed = phis.size() > 1 && phis.front() > phis.back();
  const bool theta_reversed = thetas.size() > 1 && thetas.front() > thetas.back();
  map.values.resize(records.size());
  double peak = -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < thetas.size(); ++i) {
    for (std::size_t j = 0; j < phis.size(); ++j) {
      const double level = level_dbi(records[i * phis.size() + j].field.co);
      const std::size_t row = theta_reversed ? thetas.size() - 1 - i : i;
      const std::size_t column = phi_reversed ? phis.size() - 1 - j : j;
      if (std::isfinite(level)) {
        map.values[row * phis.size() + column] = level;
        peak = std::max(peak, level);
      }
    }
  }
  if (!std::isfinite(peak)) peak = 0.0;
  map.top = std::ceil(peak);
  map.floor = map.top - shown_range_db;
  map.title = horn_text(horn, unit) + ", at " + frequency_text(frequency_hz);
  map.subtitle = "Co-polar far field over θ and φ (φ = 0°: H plane, 90°: E plane), peak " + fixed_text(peak, 2) + " dBi";
  map.x_title = "φ from the H plane (degrees)";
  map.y_title = "θ off boresight (degrees)";
  map.value_title = "Co-polar level (dBi)";
  return render_heat_map(map);
}

}  // namespace

Result field_verb(const VerbContext& context) {
  const double frequency_hz = read_single_frequency(context);
  const Range theta = read_angles(context, "theta", {0.0, 90.0, 1.0}, 0.0, 180.0);
  const Range phi = read_angles(context, "phi", {0.0, 345.0, 15.0}, -360.0, 360.0);
  const std::vector<double> thetas = range_values(theta);
  const std::vector<double> phis = range_values(phi);
  const double count = static_cast<double>(thetas.size()) * static_cast<double>(phis.size());
  if (count > static_cast<double>(context.max_rows))
    throw UsageError(context.options.has("phi") ? "phi" : "theta",
                     "--theta and --phi give " + exact_text(count) + " rows, more than " +
                         std::to_string(context.max_rows));
  const HornInput given = read_horn(context);
  check_frequencies(given.horn, {frequency_hz}, context);

  const std::vector<FarField> fields = far_field_grid(given.horn, frequency_hz, thetas, phis);
  std::vector<GridRecord> records;
  records.reserve(fields.size());
  for (std::size_t i = 0; i < thetas.size(); ++i)
    for (std::size_t j = 0; j < phis.size(); ++j) records.push_back({thetas[i], phis[j], fields[i * phis.size() + j]});

  WarningList warnings;
  warnings.add(horn_warnings(given.horn, frequency_hz, {DesignMethod::pattern, length_scale(context.unit)}),
               frequency_hz / hertz_per_gigahertz);
  if (std::any_of(thetas.begin(), thetas.end(), [](double t) { return t > 90.0; }))
    warnings.add_once("wide_angle", "Angles beyond 90° follow the aperture formula but no longer describe the horn.");
  warnings.add_once("no_cross_polar", std::string(no_cross_polar_notice));

  Result result;
  horn_input(result.input, given, context.unit);
  result.input["frequency_ghz"] = frequency_hz / hertz_per_gigahertz;
  result.input["theta_deg"] = range_input(theta);
  result.input["phi_deg"] = range_input(phi);
  result.input["waveguide"] = feed_input(given.horn.feed, context.unit);
  tabulate<GridRecord>(result, columns, records, context.unit);
  result.columns[0].decimals = std::max(1, range_decimals(theta));
  result.columns[1].decimals = std::max(1, range_decimals(phi));
  result.warnings = warnings.notices("at", " GHz");
  if (context.plot) result.plot_svg = plot(records, thetas, phis, given, frequency_hz, context.unit);
  return result;
}

}  // namespace tarniq::request
