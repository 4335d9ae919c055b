// The analyze verb: gain and 3 dB and 10 dB beamwidths of a horn over frequency.
#include <array>
#include <cmath>
#include <functional>
#include <optional>

#include "request/columns.hpp"
#include "request/svg/plot.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/design.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/gain_at_distance.hpp"
#include "tarniq/table_method.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

struct FrequencyRecord {
  double frequency_hz = 0.0;
  double gain_dbi = 0.0;
  Beamwidths at_3db;
  Beamwidths at_10db;
  Beamwidths at_level;  // at --level, when given
  double gain_at_distance_dbi = 0.0;  // at --distance, when given
};

using Definition = ColumnDefinition<FrequencyRecord>;
using R = const FrequencyRecord&;
constexpr std::array<Definition, 9> columns{{
    {"frequency", Quantity::frequency, 4, [](R r) -> Value { return r.frequency_hz; }},
    {"gain", Quantity::gain, 2, [](R r) -> Value { return r.gain_dbi; }},
    {"e_3db", Quantity::angle, 2, [](R r) { return maybe(r.at_3db.e_plane); }},
    {"h_3db", Quantity::angle, 2, [](R r) { return maybe(r.at_3db.h_plane); }},
    {"e_10db", Quantity::angle, 2, [](R r) { return maybe(r.at_10db.e_plane); }},
    {"h_10db", Quantity::angle, 2, [](R r) { return maybe(r.at_10db.h_plane); }},
    {"e_level", Quantity::angle, 2, [](R r) { return maybe(r.at_level.e_plane); }},
    {"h_level", Quantity::angle, 2, [](R r) { return maybe(r.at_level.h_plane); }},
    {"gain_at_distance", Quantity::gain, 2, [](R r) -> Value { return r.gain_at_distance_dbi; }},
}};
// The first six always; the two --level columns and the --distance column when asked for.
constexpr std::size_t kColumnsWithoutLevel = 6;
constexpr std::size_t kDistanceColumn = 8;

std::vector<Definition> shown_columns(bool level, bool distance) {
  std::vector<Definition> shown(columns.begin(), columns.begin() + kColumnsWithoutLevel);
  if (level) shown.insert(shown.end(), columns.begin() + kColumnsWithoutLevel, columns.begin() + kDistanceColumn);
  if (distance) shown.push_back(columns[kDistanceColumn]);
  return shown;
}

Beamwidths table_beamwidths(const Horn& horn, double frequency_hz, double level) {
  return {table_beamwidth(horn, frequency_hz, Plane::e, level), table_beamwidth(horn, frequency_hz, Plane::h, level)};
}

FrequencyRecord analyse(const Horn& horn, double frequency_hz, DesignMethod method, std::optional<double> level) {
  const auto widths = [&](double level_db) {
    return method == DesignMethod::table ? table_beamwidths(horn, frequency_hz, level_db)
                                         : beamwidths(horn, frequency_hz, level_db);
  };
  FrequencyRecord record{frequency_hz, gain_dbi(horn, frequency_hz), widths(half_power_db), widths(10.0), {}};
  if (level) record.at_level = widths(*level);
  return record;
}

bool has_estimate(const FrequencyRecord& record) {
  for (const auto& value : {record.at_10db.e_plane, record.at_10db.h_plane, record.at_3db.e_plane,
                            record.at_3db.h_plane, record.at_level.e_plane, record.at_level.h_plane})
    if (value && *value < 0.0) return true;
  return false;
}

std::optional<double> number_in(Row row, std::size_t column) {
  const auto* value = row[column].number();
  return value ? std::optional<double>(*value) : std::nullopt;
}

Series column_series(const Result& result, std::string_view column, std::string name) {
  Series series{std::move(name), {}, {}};
  const std::size_t x = column_index(result, "frequency_ghz");
  const std::size_t y = column_index(result, column);
  for (const auto& row : result.rows) {
    series.x.push_back(*row[x].number());
    series.y.push_back(number_in(row, y));
  }
  return series;
}

// Whether a beamwidth jumps between two frequencies rather than changing
// steeply: halving the interval ten times, each time keeping the half with
// the larger step, leaves a step of a quarter of the first or more (a
// steep but continuous change shrinks to nothing; the change often steepens
// on either side of a jump, so the jump itself may be the smaller part).
bool confirmed_jump(const std::function<std::optional<double>(double)>& width, double f1, double w1, double f2,
                    double w2) {
  constexpr int halvings = 10;
  constexpr double kept = 0.25;
  const double step = std::fabs(w2 - w1);
  for (int i = 0; i < halvings; ++i) {
    const double middle = 0.5 * (f1 + f2);
    const std::optional<double> w = width(middle);
    if (!w) return false;
    if (std::fabs(*w - w1) >= std::fabs(w2 - *w)) {
      f2 = middle, w2 = *w;
    } else {
      f1 = middle, w1 = *w;
    }
    if (std::fabs(w2 - w1) < kept * step) return false;
  }
  return true;
}

// The beamwidth curve's jumps: the steps that stand out, confirmed on the
// pattern between their two frequencies.
std::vector<std::size_t> beamwidth_jumps(const Series& series, const Horn& horn, Plane plane, double level_db) {
  const auto width = [&](double ghz) { return beamwidth(horn, ghz * hertz_per_gigahertz, plane, level_db); };
  std::vector<std::size_t> jumps;
  for (const std::size_t i : find_jumps(series))
    if (confirmed_jump(width, series.x[i - 1], *series.y[i - 1], series.x[i], *series.y[i])) jumps.push_back(i);
  return jumps;
}

std::string plot(const Result& result, const HornInput& horn, const Range& range, DesignMethod method,
                 LengthUnit unit) {
  Chart chart;
  chart.title = horn_text(horn, unit);
  chart.subtitle = "Gain and " + std::string(method == DesignMethod::table ? "table-method" : "pattern") +
                   " beamwidths, " + frequency_text(range.start * hertz_per_gigahertz) +
                   (range.single() ? "" : " to " + frequency_text(range_values(range).back() * hertz_per_gigahertz));
  chart.x_title = "Frequency (GHz)";
  Panel gain{"Gain (dBi)", {column_series(result, "gain_dbi", "gain")}, {}, std::nullopt};
  Panel widths{"Beamwidth (degrees)",
               {column_series(result, "e_3db_deg", "E plane, 3 dB"), column_series(result, "h_3db_deg", "H plane, 3 dB"),
                column_series(result, "e_10db_deg", "E plane, 10 dB"),
                column_series(result, "h_10db_deg", "H plane, 10 dB")},
               {},
               std::nullopt};
  // A pattern's beamwidth jumps where a shoulder of the pattern rises
  // through its level: the crossing moves from inside the shoulder to beyond
  // it. (The table method's beamwidths come from no pattern.)
  if (method == DesignMethod::pattern) {
    const std::array<std::pair<Plane, double>, 4> curves{
        {{Plane::e, half_power_db}, {Plane::h, half_power_db}, {Plane::e, 10.0}, {Plane::h, 10.0}}};
    for (std::size_t n = 0; n < curves.size(); ++n)
      widths.series[n].jumps = beamwidth_jumps(widths.series[n], horn.horn, curves[n].first, curves[n].second);
    widths.jump_note = "jump: a shoulder of the pattern crosses the level";
  }
  chart.panels = {std::move(gain), std::move(widths)};
  return render_chart(chart);
}

}  // namespace

Result analyze_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  const DesignMethod method =
      options.choice("method", {{"pattern", DesignMethod::pattern}, {"table", DesignMethod::table}},
                     DesignMethod::pattern);
  const Range range = options.range("frequency", context.max_rows);
  require_positive_range(range, "frequency", *options.text("frequency"));
  std::optional<double> level;
  if (options.has("level")) {
    level = read_level(options, "level");
    if (method == DesignMethod::table && !is_table_level(*level))
      throw UsageError("level", "--level " + in_quotes(*options.text("level")) +
                                    " is not 0.5, 1, 2, 3 or 10, the levels of --method table");
  }
  const std::optional<double> distance = options.optional_positive("distance");
  const HornInput given = read_horn(context);
  const Horn& horn = given.horn;
  const double distance_m = distance ? to_metres(*distance, context.unit) : 0.0;
  const Waveguide& feed = horn.feed;

  const std::vector<double> gigahertz = range_values(range);
  const std::vector<double> frequencies = to_hertz(range, *options.text("frequency"));
  check_frequencies(horn, frequencies, context);

  std::vector<FrequencyRecord> records;
  WarningList warnings;
  bool estimates = false;
  for (std::size_t row = 0; row < frequencies.size(); ++row) {
    const double ghz = gigahertz[row];
    const double frequency_hz = frequencies[row];
    records.push_back(analyse(horn, frequency_hz, method, level));
    if (distance) records.back().gain_at_distance_dbi = gain_at_distance_dbi(horn, frequency_hz, distance_m);
    estimates = estimates || has_estimate(records.back());
    warnings.add(horn_warnings(horn, frequency_hz, {method, length_scale(context.unit)}), ghz);
  }
  // The Fresnel approximation holds to 0.02 dB from five aperture diagonals on.
  if (distance && distance_m < 5.0 * std::hypot(horn.aperture_width, horn.aperture_height))
    warnings.add_once("short_distance",
                      "--distance " + length_text(distance_m, context.unit) +
                          " is under five aperture diagonals: gain_at_distance_dbi, from the Fresnel approximation, "
                          "may be off by more than 0.02 dB (about 0.15 dB at one diagonal).");
  if (estimates)
    warnings.add_once("estimated_beamwidth",
                 "A negative beamwidth is the table method's estimate from a fitted pattern; its magnitude is the "
                 "estimate.");

  Result result;
  result.input["method"] = method == DesignMethod::table ? "table" : "pattern";
  horn_input(result.input, given, context.unit);
  result.input["frequency_ghz"] = range_input(range);
  if (level) result.input["level_db"] = *level;
  if (distance) result.input["distance_" + std::string(unit_name(context.unit))] = *distance;
  result.input["waveguide"] = feed_input(feed, context.unit);
  const std::vector<Definition> shown = shown_columns(level.has_value(), distance.has_value());
  tabulate<FrequencyRecord>(result, std::span<const Definition>(shown), std::span<const FrequencyRecord>(records),
                            context.unit);
  result.columns[0].decimals = std::max(2, range_decimals(range));
  result.warnings = warnings.notices("at", " GHz");
  if (context.plot) result.plot_svg = plot(result, given, range, method, context.unit);
  return result;
}

}  // namespace tarniq::request
