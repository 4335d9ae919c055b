// The design verb: horns for prescribed beamwidths, one row per phase deviation S.
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "request/output/number_text.hpp"
#include "request/parts/parts_request.hpp"
#include "request/svg/plot.hpp"
#include "request/verbs/design_record.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/table_method.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {
namespace {

// The prescription as read from the options.
struct Prescription {
  bool square = false;
  double e_beamwidth = 0.0, h_beamwidth = 0.0;  // rectangular
  double beamwidth = 0.0;                       // square
  SquarePlane plane = SquarePlane::e;
  double level = half_power_db;
  DesignMethod method = DesignMethod::pattern;
  double frequency_hz = 0.0;
  Waveguide feed;
};

double read_beamwidth(const OptionReader& options, std::string_view name) {
  const double degrees = options.number(name);
  if (!(degrees > 0.0 && degrees < 180.0))
    throw UsageError(name, "--" + std::string(name) + " " + in_quotes(*options.text(name)) +
                               " is not between 0 and 180 degrees");
  return degrees;
}

void refuse(const OptionReader& options, std::string_view name, std::string_view why) {
  if (options.has(name)) throw UsageError(name, "--" + std::string(name) + " " + std::string(why));
}

double read_design_level(const OptionReader& options, DesignMethod method) {
  const double level = read_level(options, "level");
  if (method == DesignMethod::table && !is_table_level(level))
    throw UsageError("level", "--level " + in_quotes(*options.text("level")) +
                                  " is not 0.5, 1, 2, 3 or 10, the levels of --method table");
  return level;
}

Prescription read_prescription(const VerbContext& context) {
  const OptionReader& options = context.options;
  Prescription p;
  p.method = options.choice("method", {{"pattern", DesignMethod::pattern}, {"table", DesignMethod::table}},
                            DesignMethod::pattern);
  p.square = options.flag("square");
  if (p.square) {
    refuse(options, "e-beamwidth", "is for a rectangular horn; a square horn takes --beamwidth");
    refuse(options, "h-beamwidth", "is for a rectangular horn; a square horn takes --beamwidth");
    p.beamwidth = read_beamwidth(options, "beamwidth");
    p.plane = options.choice("plane", {{"e", SquarePlane::e}, {"h", SquarePlane::h}, {"average", SquarePlane::average}},
                             SquarePlane::e);
  } else {
    refuse(options, "beamwidth", "is for a square horn: add --square, or give --e-beamwidth and --h-beamwidth");
    refuse(options, "plane", "is for a square horn (--square)");
    p.e_beamwidth = read_beamwidth(options, "e-beamwidth");
    p.h_beamwidth = read_beamwidth(options, "h-beamwidth");
  }
  p.level = read_design_level(options, p.method);
  p.frequency_hz = read_single_frequency(context);
  p.feed = read_feed(context);
  if (p.square && !is_square(p.feed)) {
    // Named after the option that gave the feed, so that the message points there.
    const std::string_view given = options.has("waveguide") ? "waveguide" : "waveguide-size";
    throw UsageError(given, "--square needs a square waveguide; --" + std::string(given) + " " +
                                in_quotes(*options.text(given)) + " is " +
                                size_text(p.feed.width, p.feed.height, context.unit));
  }
  return p;
}

// The design at S and its warnings.
struct Designed {
  HornDesign design;
  std::vector<Warning> warnings;
};

Designed design_at(const Prescription& p, double s, LengthUnit unit) {
  const DesignOptions options{p.method, length_scale(unit)};
  const WarningOptions warning_options{p.method, length_scale(unit)};
  if (p.square) {
    const SquarePrescription square{p.beamwidth, p.plane, p.level, s, p.frequency_hz, p.feed};
    const HornDesign design = design_square(square, options);
    return {design, design_warnings(design, square, warning_options)};
  }
  const RectangularPrescription rectangular{p.e_beamwidth, p.h_beamwidth, p.level, s, p.frequency_hz, p.feed};
  const HornDesign design = design_rectangular(rectangular, options);
  return {design, design_warnings(design, rectangular, warning_options)};
}

std::string_view plane_text(SquarePlane plane) {
  switch (plane) {
    case SquarePlane::h: return "h";
    case SquarePlane::average: return "average";
    case SquarePlane::e: break;
  }
  return "e";
}

nlohmann::ordered_json echo(const Prescription& p, const Range& s, LengthUnit unit) {
  nlohmann::ordered_json input;
  input["method"] = p.method == DesignMethod::table ? "table" : "pattern";
  input["horn"] = p.square ? "square" : "rectangular";
  if (p.square) {
    input["beamwidth_deg"] = p.beamwidth;
    input["plane"] = plane_text(p.plane);
  } else {
    input["e_beamwidth_deg"] = p.e_beamwidth;
    input["h_beamwidth_deg"] = p.h_beamwidth;
  }
  input["level_db"] = p.level;
  input["s"] = range_input(s);
  input["frequency_ghz"] = p.frequency_hz / hertz_per_gigahertz;
  input["waveguide"] = feed_input(p.feed, unit);
  return input;
}

std::string prescription_text(const Prescription& p) {
  const std::string level = short_text(p.level, 2) + " dB";
  if (p.square)
    return "a square horn of " + short_text(p.beamwidth, 3) + "° " + std::string(plane_text(p.plane)) +
           (p.plane == SquarePlane::average ? " beamwidth" : "-plane beamwidth") + " at " + level;
  return "a horn of " + short_text(p.e_beamwidth, 3) + "° E-plane and " + short_text(p.h_beamwidth, 3) +
         "° H-plane beamwidth at " + level;
}

std::string s_list(const std::vector<double>& values) {
  constexpr std::size_t most = 8;
  std::string text;
  for (std::size_t i = 0; i < values.size() && i < most; ++i) text += (i ? ", " : "") + exact_text(values[i]);
  if (values.size() > most) text += " and " + std::to_string(values.size() - most) + " more";
  return text;
}

// The runs of S that have designs, in the order asked: "0.1 to 0.21",
// "0.1, 0.3 to 0.5". tried holds each S with whether it has one.
std::string designed_runs(const std::vector<std::pair<double, bool>>& tried) {
  std::string text;
  for (std::size_t i = 0; i < tried.size();) {
    if (!tried[i].second) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end + 1 < tried.size() && tried[end + 1].second) ++end;
    text += (text.empty() ? "" : ", ") + exact_text(tried[i].first);
    if (end > i) text += " to " + exact_text(tried[end].first);
    i = end + 1;
  }
  return text;
}

std::string plot(const Result& result, const Prescription& p, const VerbContext& context) {
  Chart chart;
  chart.title = (p.square ? "Square horns on " : "Horns on ") + feed_text(p.feed, context.unit) + " at " +
                frequency_text(p.frequency_hz);
  chart.subtitle = "Gain and dimensions of " + prescription_text(p) + " against S (" +
                   (p.method == DesignMethod::table ? "table" : "pattern") + " method)";
  chart.x_title = "Aperture phase deviation S of the design's S plane (wavelengths)";
  const std::size_t s_column = column_index(result, "s");
  // Gain first: it is what one chooses S by.
  Panel gain;
  gain.y_title = "Gain (dBi)";
  Series gain_series{"gain", {}, {}};
  const std::size_t gain_column = column_index(result, "gain_dbi");
  for (const auto& row : result.rows) {
    gain_series.x.push_back(*row[s_column].number());
    const auto* value = row[gain_column].number();
    gain_series.y.push_back(value ? std::optional<double>(*value) : std::nullopt);
  }
  gain.series.push_back(std::move(gain_series));
  chart.panels.push_back(std::move(gain));
  Panel panel;
  panel.y_title = "Length (" + std::string(unit_name(context.unit)) + ")";
  panel.y_floor = 0.0;  // lengths from zero, so that their proportions read true
  const std::string suffix = "_" + std::string(unit_name(context.unit));
  const std::vector<std::pair<std::string, std::string>> curves =
      p.square ? std::vector<std::pair<std::string, std::string>>{{"aperture_width", "aperture side"},
                                                                  {"h_slant_radius", "slant radius"},
                                                                  {"axial_length", "axial length"}}
               : std::vector<std::pair<std::string, std::string>>{{"aperture_width", "aperture width"},
                                                                  {"aperture_height", "aperture height"},
                                                                  {"h_slant_radius", "H slant radius"},
                                                                  {"e_slant_radius", "E slant radius"},
                                                                  {"axial_length", "axial length"}};
  for (const auto& [column, name] : curves) {
    Series series{name, {}, {}};
    const std::size_t index = column_index(result, column + suffix);
    for (const auto& row : result.rows) {
      series.x.push_back(*row[s_column].number());
      const auto* value = row[index].number();
      series.y.push_back(value ? std::optional<double>(*value) : std::nullopt);
    }
    panel.series.push_back(std::move(series));
  }
  chart.panels.push_back(std::move(panel));
  return render_chart(chart);
}

}  // namespace

Result design_verb(const VerbContext& context) {
  const Prescription p = read_prescription(context);
  const PartsRequest parts = read_parts_request(context);
  const Range s_range = context.options.has("s") ? context.options.range("s", context.max_rows) : Range{0.25, 0.25, 0};
  if (context.options.has("s")) require_positive_range(s_range, "s", *context.options.text("s"));

  std::vector<DesignRecord> records;
  std::vector<double> missing;
  std::vector<std::pair<double, bool>> tried;
  std::string first_reason;
  std::vector<double> gave_up;
  std::string gave_up_reason;
  WarningList warnings;
  for (const double s : range_values(s_range)) {
    try {
      const Designed designed = design_at(p, s, context.unit);
      records.push_back(describe_design(s, designed.design, p.frequency_hz, p.level));
      warnings.add(designed.warnings, s);
      tried.emplace_back(s, true);
    } catch (const NoSolution& error) {
      missing.push_back(s);
      tried.emplace_back(s, false);
      if (first_reason.empty()) first_reason = error.what();
    } catch (const InvalidArgument& error) {
      // The library found no horn it could build at this S.
      missing.push_back(s);
      tried.emplace_back(s, false);
      if (first_reason.empty()) first_reason = error.what();
    } catch (const SearchFailed& error) {
      // Not a proof that no horn exists: said apart from the S without one.
      gave_up.push_back(s);
      tried.emplace_back(s, false);
      if (gave_up_reason.empty()) gave_up_reason = error.what();
    }
  }
  if (records.empty() && missing.empty()) throw SearchFailed(gave_up_reason);
  if (records.empty())
    throw NoSolution("no design at S = " + s_list(missing) + ": " + first_reason);
  if (!gave_up.empty())
    warnings.add_once("search_failed", "The search gave up at S = " + s_list(gave_up) + ", rows left out: " +
                                           gave_up_reason + ".");
  if (!missing.empty())
    warnings.add_once("no_design", "Designs at S = " + designed_runs(tried) + " only; none at S = " +
                                       s_list(missing) + ", rows left out: " + first_reason + ".");

  Result result;
  result.input = echo(p, s_range, context.unit);
  tabulate<DesignRecord>(result, design_columns(), records, context.unit);
  result.columns[0].decimals = std::max(3, range_decimals(s_range));
  result.warnings = warnings.notices("S =", "");
  if (context.plot) result.plot_svg = plot(result, p, context);
  std::vector<Horn> horns;
  for (const auto& record : records) horns.push_back(record.design.horn);
  add_parts_files(result, horns, parts, context);
  return result;
}

}  // namespace tarniq::request
