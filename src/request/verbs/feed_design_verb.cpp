// The feed-design verb: the horn that lights a dish, one row per S, or the most efficient one found.
#include <cmath>

#include "request/output/number_text.hpp"
#include "request/svg/plot.hpp"
#include "request/parts/parts_request.hpp"
#include "request/verbs/design_record.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/feed_design.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

// The smallest S the search tries (the library's range starts there).
constexpr double kSmallestSearchedS = 0.05;

double read_edge_angle(const VerbContext& context) {
  const OptionReader& options = context.options;
  if (options.has("f-over-d") && options.has("edge-angle"))
    throw UsageError("edge-angle", "give --f-over-d or --edge-angle, not both");
  if (options.has("edge-angle")) {
    const double angle = options.number("edge-angle");
    if (!(angle > 0.0 && angle < 90.0))
      throw UsageError("edge-angle", "--edge-angle " + in_quotes(*options.text("edge-angle")) +
                                         " is not between 0 and 90 degrees: a horn's beamwidth is measured within ±90°");
    return angle;
  }
  const double f_over_d = options.positive("f-over-d");
  const double angle = dish_edge_angle_deg(f_over_d);
  if (!(angle < 90.0))
    throw UsageError("f-over-d", "--f-over-d " + in_quotes(*options.text("f-over-d")) +
                                     " is a dish deeper than its focus (f/D 0.25 or less): the edge lies beyond the 90° "
                                     "within which a horn's beamwidth is measured");
  return angle;
}

DesignRecord record_of(const FeedDesign& feed, double frequency_hz) {
  DesignRecord record = describe_design(feed.phase_deviation, feed.design, frequency_hz, feed.edge_taper_db);
  record.edge_taper_db = feed.edge_taper_db;
  record.dish = feed.dish;
  record.phase_center = feed.phase_center;
  return record;
}

std::string s_list(const std::vector<double>& values) {
  constexpr std::size_t most = 8;
  std::string text;
  for (std::size_t i = 0; i < values.size() && i < most; ++i) text += (i ? ", " : "") + exact_text(values[i]);
  if (values.size() > most) text += " and " + std::to_string(values.size() - most) + " more";
  return text;
}

std::string plot(const std::vector<DesignRecord>& records, const FeedPrescription& p, const VerbContext& context) {
  Chart chart;
  chart.title = "Feeds on " + feed_text(p.feed, context.unit) + " at " + frequency_text(p.frequency_hz) +
                " for a dish of f/D " + short_text(dish_f_over_d(p.edge_angle_deg), 3);
  chart.subtitle = "Efficiencies against S, both beamwidths 2 × " + short_text(p.edge_angle_deg, 2) + "° at the edge taper";
  chart.x_title = "Phase deviation S (wavelengths)";
  Panel panel;
  panel.y_title = "Efficiency";
  panel.y_floor = 0.0;
  const std::array<std::pair<const char*, double DishIllumination::*>, 4> parts = {{
      {"aperture", &DishIllumination::aperture},
      {"spillover", &DishIllumination::spillover},
      {"taper", &DishIllumination::taper},
      {"phase", &DishIllumination::phase},
  }};
  for (const auto& [name, member] : parts) {
    Series series{name, {}, {}};
    for (const DesignRecord& record : records) {
      series.x.push_back(record.s);
      series.y.push_back(record.dish.*member);
    }
    panel.series.push_back(std::move(series));
  }
  chart.panels.push_back(std::move(panel));
  return render_chart(chart);
}

}  // namespace

Result feed_design_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  FeedPrescription p;
  p.edge_angle_deg = read_edge_angle(context);
  p.edge_taper_db = read_level(options, "edge-taper", 10.0);
  p.frequency_hz = read_single_frequency(context);
  p.feed = read_feed(context);
  const LengthScale lengths = length_scale(context.unit);
  const PartsRequest parts = read_parts_request(context);

  std::vector<DesignRecord> records;
  WarningList warnings;
  std::optional<Range> s_range;
  if (options.has("s")) {
    s_range = options.range("s", context.max_rows);
    require_positive_range(*s_range, "s", *options.text("s"));
    std::vector<double> missing;
    std::string first_reason;
    for (const double s : range_values(*s_range)) {
      p.phase_deviation = s;
      try {
        records.push_back(record_of(design_feed(p, lengths), p.frequency_hz));
      } catch (const NoSolution& error) {
        missing.push_back(s);
        if (first_reason.empty()) first_reason = error.what();
      } catch (const InvalidArgument& error) {
        missing.push_back(s);
        if (first_reason.empty()) first_reason = error.what();
      }
    }
    if (records.empty()) throw NoSolution("no design at S = " + s_list(missing) + ": " + first_reason);
    if (!missing.empty())
      warnings.add_once("no_design", "No design at S = " + s_list(missing) + ", rows left out: " + first_reason + ".");
  } else {
    const FeedSearch search =
        options.has("edge-taper") ? FeedSearch::phase_deviation : FeedSearch::phase_deviation_and_edge_taper;
    const FeedDesign best = design_best_feed(p, search, lengths);
    records.push_back(record_of(best, p.frequency_hz));
    if (best.phase_deviation <= kSmallestSearchedS * (1.0 + 1e-9))
      warnings.add_once("smallest_s",
                        "The efficiency still rose toward S = " + exact_text(kSmallestSearchedS) +
                            ", the smallest searched: a smaller S gains little and makes the horn longer.");
  }
  for (const DesignRecord& record : records)
    warnings.add(horn_warnings(record.design.horn, p.frequency_hz, {DesignMethod::pattern, lengths}), record.s);

  Result result;
  result.input["f_over_d"] = dish_f_over_d(p.edge_angle_deg);
  result.input["edge_angle_deg"] = p.edge_angle_deg;
  if (options.has("edge-taper")) result.input["edge_taper_db"] = p.edge_taper_db;
  result.input["s"] = s_range ? range_input(*s_range) : nlohmann::ordered_json("searched");
  result.input["frequency_ghz"] = p.frequency_hz / hertz_per_gigahertz;
  result.input["waveguide"] = feed_input(p.feed, context.unit);
  tabulate<DesignRecord>(result, feed_design_columns(), records, context.unit);
  result.columns[0].decimals = std::max(3, s_range ? range_decimals(*s_range) : 3);
  result.warnings = warnings.notices("S =", "");
  if (context.plot) result.plot_svg = plot(records, p, context);
  std::vector<Horn> horns;
  for (const DesignRecord& record : records) horns.push_back(record.design.horn);
  add_parts_files(result, horns, parts, context);
  return result;
}

}  // namespace tarniq::request
