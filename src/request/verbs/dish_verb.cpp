// The dish verb: how a horn or a feed pattern file lights a front-fed paraboloid, one row per f/D.
#include <algorithm>
#include <array>
#include <cmath>

#include "request/columns.hpp"
#include "request/output/number_text.hpp"
#include "request/parse/pattern_file.hpp"
#include "request/svg/plot.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/dish.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

using Definition = ColumnDefinition<DishIllumination>;
using R = const DishIllumination&;
constexpr std::array<Definition, 10> columns{{
    {"f_over_d", Quantity::plain, 3, [](R r) -> Value { return r.f_over_d; }},
    {"edge_angle", Quantity::angle, 2, [](R r) -> Value { return r.edge_angle_deg; }},
    {"e_edge_taper", Quantity::level, 2, [](R r) -> Value { return r.e_edge_taper_db; }},
    {"h_edge_taper", Quantity::level, 2, [](R r) -> Value { return r.h_edge_taper_db; }},
    {"space_loss", Quantity::level, 2, [](R r) -> Value { return r.space_loss_db; }},
    {"spillover_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.spillover; }},
    {"taper_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.taper; }},
    {"phase_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.phase; }},
    {"polarization_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.polarization; }},
    {"aperture_efficiency", Quantity::plain, 4, [](R r) -> Value { return r.aperture; }},
}};

// The dish: f/D values, or edge angles, as given.
struct DishRange {
  bool by_edge_angle = false;
  Range range;
  std::vector<double> edge_angles;  // degrees, one per row
};

DishRange read_dishes(const VerbContext& context) {
  const OptionReader& options = context.options;
  if (options.has("f-over-d") && options.has("edge-angle"))
    throw UsageError("edge-angle", "give --f-over-d or --edge-angle, not both");
  DishRange dishes;
  dishes.by_edge_angle = options.has("edge-angle");
  const std::string name = dishes.by_edge_angle ? "edge-angle" : "f-over-d";
  dishes.range = options.range(name, context.max_rows);
  const std::string text = *options.text(name);
  for (const double value : range_values(dishes.range)) {
    if (dishes.by_edge_angle) {
      if (!(value > 0.0 && value < 180.0))
        throw UsageError(name, "--edge-angle " + in_quotes(text) + " leaves 0 to 180 degrees (both excluded)");
      dishes.edge_angles.push_back(value);
    } else {
      if (!(value > 0.0)) throw UsageError(name, "--f-over-d " + in_quotes(text) + " is not positive" +
                                                     (dishes.range.single() ? "" : " throughout"));
      dishes.edge_angles.push_back(dish_edge_angle_deg(value));
    }
  }
  return dishes;
}

// The rows with the dish as given, f/D or edge angle, exactly rather than as
// computed back from the other.
std::vector<DishIllumination> exact_dishes(std::vector<DishIllumination> rows, const DishRange& dishes) {
  const std::vector<double> given = range_values(dishes.range);
  for (std::size_t i = 0; i < rows.size(); ++i)
    (dishes.by_edge_angle ? rows[i].edge_angle_deg : rows[i].f_over_d) = given[i];
  return rows;
}

// The pattern file, read through the request's file reader.
TabulatedFeed read_pattern(const VerbContext& context, const std::string& path) {
  for (const char* name : {"aperture", "length", "from", "row", "waveguide", "waveguide-size"})
    if (context.options.has(name))
      throw UsageError(name, "--" + std::string(name) + " and --pattern-file both name the feed; give one");
  if (!context.read_file) throw UsageError("pattern-file", "--pattern-file cannot read files here");
  const FileText file = context.read_file(path);
  if (!file.text)
    throw UsageError("pattern-file", "cannot read --pattern-file " + in_quotes(path) + ": " + file.error);
  try {
    return read_pattern_file(*file.text);
  } catch (const PatternFileError& error) {
    std::string where = "--pattern-file " + in_quotes(path) + " line " + std::to_string(error.line());
    if (error.column() != 0)
      where += ", column " + std::to_string(error.column()) + " (" + error.column_name() + ")";
    throw UsageError("pattern-file", where + ": " + error.what());
  }
}

// The feed's angles as the file lists them, folded to 0–180°.
std::pair<double, double> covered_angles(const TabulatedFeed& feed) {
  double low = 180.0, high = 0.0;
  for (const double angle : feed.angles_deg) low = std::min(low, std::fabs(angle)), high = std::max(high, std::fabs(angle));
  return {low, high};
}

std::string plot(const std::vector<DishIllumination>& rows, const std::string& feed, const std::string& position) {
  Chart chart;
  chart.title = "A front-fed dish lit by " + feed;  // "a 3.1 × 2.3 cm horn ..." or "the feed of FILE"
  chart.subtitle = "Efficiencies against f/D, the feed's phase centre " + position;
  chart.x_title = "f/D";
  Panel panel;
  panel.y_title = "Efficiency";
  panel.y_floor = 0.0;
  const std::array<std::pair<const char*, double DishIllumination::*>, 5> parts = {{
      {"aperture", &DishIllumination::aperture},
      {"spillover", &DishIllumination::spillover},
      {"taper", &DishIllumination::taper},
      {"phase", &DishIllumination::phase},
      {"polarization", &DishIllumination::polarization},
  }};
  for (const auto& [name, member] : parts) {
    Series series{name, {}, {}};
    for (const DishIllumination& row : rows) {
      series.x.push_back(row.f_over_d);
      series.y.push_back(row.*member);
    }
    panel.series.push_back(std::move(series));
  }
  chart.panels.push_back(std::move(panel));
  return render_chart(chart);
}

}  // namespace

Result dish_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  const DishRange dishes = read_dishes(context);
  const double offset = to_metres(options.optional_number("offset").value_or(0.0), context.unit);
  const std::optional<std::string> path = options.text("pattern-file");

  Result result;
  WarningList warnings;
  std::vector<DishIllumination> rows;
  std::string feed_name;
  if (path) {
    TabulatedFeed feed = read_pattern(context, *path);
    if (options.has("frequency")) feed.frequency_hz = read_single_frequency(context);
    if (offset != 0.0 && !options.has("frequency"))
      throw UsageError("offset", "--offset with --pattern-file needs --frequency, the pattern's frequency");
    rows = exact_dishes(dish_illumination(feed, dishes.edge_angles, {offset}), dishes);
    const auto [low, high] = covered_angles(feed);
    for (const DishIllumination& row : rows)
      if (low > 0.0 || high < row.edge_angle_deg)
        warnings.add("pattern_range",
                     "The pattern file covers " + exact_text(low) + "° to " + exact_text(high) +
                         "° off boresight, not all of the dish's 0° to " + short_text(row.edge_angle_deg, 2) +
                         "°: the power outside it counts as zero.",
                     row.f_over_d);
    result.input["pattern_file"] = *path;
    if (options.has("frequency")) result.input["frequency_ghz"] = feed.frequency_hz / hertz_per_gigahertz;
    feed_name = "the feed of " + *path;
  } else {
    const double frequency_hz = read_single_frequency(context);
    const HornInput given = read_horn(context);
    check_frequencies(given.horn, {frequency_hz}, context);
    rows = exact_dishes(dish_illumination(given.horn, frequency_hz, dishes.edge_angles, {offset}), dishes);
    for (const DishIllumination& row : rows) {
      warnings.add(horn_warnings(given.horn, frequency_hz, {DesignMethod::pattern, length_scale(context.unit)}),
                   row.f_over_d);
      if (row.edge_angle_deg > 90.0)
        warnings.add("edge_beyond_90",
                     "A dish edge beyond 90° (f/D under 0.25) takes the horn's pattern past 90°, where the aperture "
                     "model no longer describes the horn.",
                     row.f_over_d);
    }
    horn_input(result.input, given, context.unit);
    result.input["frequency_ghz"] = frequency_hz / hertz_per_gigahertz;
    result.input["waveguide"] = feed_input(given.horn.feed, context.unit);
    feed_name = "a " + horn_text(given, context.unit) + ", at " + frequency_text(frequency_hz);
  }
  result.input[dishes.by_edge_angle ? "edge_angle_deg" : "f_over_d"] = range_input(dishes.range);
  result.input["offset_" + std::string(unit_name(context.unit))] = from_metres(offset, context.unit);

  tabulate<DishIllumination>(result, columns, rows, context.unit);
  if (!dishes.by_edge_angle) result.columns[0].decimals = std::max(3, range_decimals(dishes.range));
  result.warnings = warnings.notices("f/D =", "");
  const std::string position = offset == 0.0 ? "at the focus"
                                             : length_text(std::fabs(offset), context.unit) + " from the focus " +
                                                   (offset > 0.0 ? "toward the dish" : "away from the dish");
  if (context.plot) result.plot_svg = plot(rows, feed_name, position);
  return result;
}

}  // namespace tarniq::request
