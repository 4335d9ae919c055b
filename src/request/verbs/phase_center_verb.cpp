// The phase-center verb: where on its axis a horn's far-field phase is most nearly constant, over frequency.
#include <array>

#include "request/columns.hpp"
#include "request/output/number_text.hpp"
#include "request/svg/plot.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/phase_center.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

struct CenterRecord {
  double frequency_hz = 0.0;
  PhaseCenter center;
};

using Definition = ColumnDefinition<CenterRecord>;
using R = const CenterRecord&;
constexpr std::array<Definition, 4> columns{{
    {"frequency", Quantity::frequency, 4, [](R r) -> Value { return r.frequency_hz; }},
    {"e_phase_center", Quantity::length, 3, [](R r) -> Value { return r.center.e_plane; }},
    {"h_phase_center", Quantity::length, 3, [](R r) -> Value { return r.center.h_plane; }},
    {"phase_center", Quantity::length, 3, [](R r) -> Value { return r.center.common; }},
}};

// The fit's level unless --level says otherwise, dB.
constexpr double kDefaultLevel = 10.0;

std::string plot(const Result& result, const HornInput& horn, double level, LengthUnit unit) {
  const std::string suffix = "_" + std::string(unit_name(unit));
  const std::size_t x = column_index(result, "frequency_ghz");
  const auto series = [&](const std::string& column, std::string name) {
    Series s{std::move(name), {}, {}};
    const std::size_t y = column_index(result, column + suffix);
    for (const auto& row : result.rows) {
      s.x.push_back(*row[x].number());
      const auto* value = row[y].number();
      s.y.push_back(value ? std::optional<double>(*value) : std::nullopt);
    }
    return s;
  };
  Chart chart;
  chart.title = horn_text(horn, unit);
  chart.subtitle = "Phase centre behind the aperture, fitted within " + short_text(level, 2) + " dB of each cut's maximum";
  chart.x_title = "Frequency (GHz)";
  chart.panels.push_back({"Distance behind the aperture (" + std::string(unit_name(unit)) + ")",
                          {series("e_phase_center", "E plane"), series("h_phase_center", "H plane"),
                           series("phase_center", "both planes")},
                          {},
                          std::nullopt});
  return render_chart(chart);
}

}  // namespace

Result phase_center_verb(const VerbContext& context) {
  const OptionReader& options = context.options;
  const Range range = options.range("frequency", context.max_rows);
  require_positive_range(range, "frequency", *options.text("frequency"));
  const double level = read_level(options, "level", kDefaultLevel);
  const HornInput given = read_horn(context);

  const std::vector<double> gigahertz = range_values(range);
  const std::vector<double> frequencies = to_hertz(range, *options.text("frequency"));
  check_frequencies(given.horn, frequencies, context);

  std::vector<CenterRecord> records;
  WarningList warnings;
  for (std::size_t row = 0; row < frequencies.size(); ++row) {
    const double ghz = gigahertz[row];
    const double frequency_hz = frequencies[row];
    records.push_back({frequency_hz, phase_center(given.horn, frequency_hz, level)});
    warnings.add(horn_warnings(given.horn, frequency_hz, {DesignMethod::pattern, length_scale(context.unit)}), ghz);
  }

  Result result;
  horn_input(result.input, given, context.unit);
  result.input["frequency_ghz"] = range_input(range);
  result.input["level_db"] = level;
  result.input["waveguide"] = feed_input(given.horn.feed, context.unit);
  tabulate<CenterRecord>(result, columns, records, context.unit);
  result.columns[0].decimals = std::max(2, range_decimals(range));
  result.warnings = warnings.notices("at", " GHz");
  if (context.plot) result.plot_svg = plot(result, given, level, context.unit);
  return result;
}

}  // namespace tarniq::request
