// Reading the feed, the frequency, the level and the horn; title texts; warnings merged by kind.
#include "request/verbs/verb_context.hpp"

#include <algorithm>
#include <cmath>

#include "request/output/number_text.hpp"
#include "tarniq/analysis_domain.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq::request {
namespace {

using nlohmann::ordered_json;

// A number of a design's JSON row or input, or a usage error naming the file.
double json_number(const ordered_json& object, const std::string& key, const std::string& where) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_number())
    throw UsageError("from", where + " has no number \"" + key + "\"");
  return found->get<double>();
}

// The unit of a design's JSON output, by its "units".
LengthUnit file_unit(const ordered_json& document, const std::string& where) {
  const auto units = document.find("units");
  if (units != document.end() && units->is_string()) {
    for (const LengthUnit unit : {LengthUnit::cm, LengthUnit::mm, LengthUnit::in})
      if (*units == unit_name(unit)) return unit;
  }
  throw UsageError("from", where + " has no \"units\" of cm, mm or in: is it tarniq-cli's JSON output?");
}

// The feed of a design's JSON output: its catalogue name, or its size.
Waveguide file_feed(const ordered_json& document, LengthUnit unit, const std::string& where) {
  const auto input = document.find("input");
  const auto guide = input == document.end() ? input : input->find("waveguide");
  if (input == document.end() || guide == input->end() || !guide->is_object())
    throw UsageError("from", where + " names no waveguide under \"input\"");
  const auto name = guide->find("name");
  if (name != guide->end() && name->is_string()) {
    try {
      return find_waveguide(name->get<std::string>());
    } catch (const InvalidArgument& error) {
      throw UsageError("from", where + ": " + error.what());
    }
  }
  const std::string suffix{unit_name(unit)};
  return {to_metres(json_number(*guide, "width_" + suffix, where), unit),
          to_metres(json_number(*guide, "height_" + suffix, where), unit), "", std::nullopt};
}

// The horn of row `row` (from 1) of a design's JSON output.
HornInput horn_from_file(const VerbContext& context, const std::string& path, std::size_t row) {
  if (!context.read_file) throw UsageError("from", "--from cannot read files here");
  const FileText file = context.read_file(path);
  if (!file.text) throw UsageError("from", "cannot read --from " + in_quotes(path) + ": " + file.error);
  const std::string where = "--from " + in_quotes(path);
  const ordered_json document = ordered_json::parse(*file.text, nullptr, false);
  if (document.is_discarded() || !document.is_object())
    throw UsageError("from", where + " is not JSON from tarniq-cli --format json");
  const auto rows = document.find("rows");
  if (rows == document.end() || !rows->is_array() || rows->empty())
    throw UsageError("from", where + " has no design rows");
  if (row > rows->size())
    throw UsageError("row", "--row " + std::to_string(row) + " is past the " + std::to_string(rows->size()) +
                                " rows of " + in_quotes(path));
  const ordered_json& chosen = (*rows)[row - 1];
  const LengthUnit from_unit = file_unit(document, where);
  const std::string at = where + " row " + std::to_string(row);
  const std::string suffix = "_" + std::string(unit_name(from_unit));
  const auto metres = [&](const char* key) {
    return to_metres(json_number(chosen, std::string(key) + suffix, at), from_unit);
  };
  const Waveguide feed = file_feed(document, from_unit, where);
  const double width = metres("aperture_width"), height = metres("aperture_height");
  const double length = metres("axial_length");
  // The slant radii as designed: a table-method design's planes may differ
  // in length by rounding, and its horn is the one with these radii.
  Horn horn;
  try {
    horn = chosen.contains("h_slant_radius" + suffix)
               ? make_horn_from_slant_radii(width, height, metres("h_slant_radius"), metres("e_slant_radius"), feed)
               : make_horn(width, height, length, feed);
  } catch (const InvalidArgument& error) {
    throw UsageError("from", at + " is not a horn: " + error.what());
  }
  const LengthUnit unit = context.unit;
  return {horn, from_metres(width, unit), from_metres(height, unit), from_metres(length, unit),
          path + ", row " + std::to_string(row)};
}

}  // namespace

LengthScale length_scale(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::mm: return millimetres_scale;
    case LengthUnit::in: return inches_scale;
    case LengthUnit::cm: break;
  }
  return centimetres_scale;
}

Waveguide read_feed(const VerbContext& context) {
  const OptionReader& options = context.options;
  const bool named = options.has("waveguide");
  const bool sized = options.has("waveguide-size");
  if (named && sized) throw UsageError("waveguide-size", "give --waveguide or --waveguide-size, not both");
  if (!named && !sized) throw UsageError("waveguide", "missing --waveguide NAME or --waveguide-size W,H");
  if (named) {
    const std::string name = *options.text("waveguide");
    try {
      return find_waveguide(name);
    } catch (const InvalidArgument&) {
      throw UsageError("waveguide", "--waveguide " + in_quotes(name) +
                                        " is not a standard waveguide (WR-2300 to WR-10, R3 to R900, WG00 to "
                                        "WG27), all in the list of waveguides");
    }
  }
  const auto [width, height] = options.positive_pair("waveguide-size", OptionReader::Pair::two_values);
  return {to_metres(width, context.unit), to_metres(height, context.unit), "", std::nullopt};
}

double read_single_frequency(const VerbContext& context) {
  const auto text = context.options.text("frequency");
  if (text && text->find(':') != std::string::npos)
    throw UsageError("frequency", "--frequency " + in_quotes(*text) + " is a range; this verb takes one frequency");
  const double gigahertz = context.options.positive("frequency");
  return to_hertz(gigahertz, *text);
}

double to_hertz(double gigahertz, std::string_view text) {
  const double hertz = gigahertz * hertz_per_gigahertz;
  if (!std::isfinite(hertz)) throw UsageError("frequency", "--frequency " + in_quotes(text) + " is out of range");
  return hertz;
}

std::vector<double> to_hertz(const Range& gigahertz, std::string_view text) {
  std::vector<double> hertz;
  for (const double value : range_values(gigahertz)) hertz.push_back(to_hertz(value, text));
  return hertz;
}

double read_level(const OptionReader& options, std::string_view name, double fallback) {
  if (!options.has(name)) return fallback;
  const double nominal = options.positive(name);
  return nominal == 3.0 ? half_power_db : nominal;
}

HornInput read_horn(const VerbContext& context) {
  const OptionReader& options = context.options;
  if (const auto path = options.text("from")) {
    for (const char* name : {"aperture", "length", "waveguide", "waveguide-size"})
      if (options.has(name))
        throw UsageError(name, "--" + std::string(name) + " and --from both name the horn; give one");
    double row = 1.0;
    if (options.has("row")) {
      row = options.positive("row");
      if (row != std::floor(row) || row > 1e9)
        throw UsageError("row", "--row " + in_quotes(*options.text("row")) + " is not a row number");
    }
    return horn_from_file(context, *path, static_cast<std::size_t>(row));
  }
  if (options.has("row")) throw UsageError("row", "--row needs --from FILE.json");
  const Waveguide feed = read_feed(context);
  const auto [width, height] = options.positive_pair("aperture", OptionReader::Pair::one_or_two_values);
  const double length = options.positive("length");
  const LengthUnit unit = context.unit;
  const double width_m = to_metres(width, unit);
  const double height_m = to_metres(height, unit);
  if (!(width_m > feed.width))
    throw NoSolution("aperture width " + length_text(width_m, unit) + " is not larger than the waveguide width " +
                     length_text(feed.width, unit));
  if (!(height_m > feed.height))
    throw NoSolution("aperture height " + length_text(height_m, unit) +
                     " is not larger than the waveguide height " + length_text(feed.height, unit));
  return {make_horn(width_m, height_m, to_metres(length, unit), feed), width, height, length, {}};
}

void check_frequencies(const Horn& horn, const std::vector<double>& frequencies_hz, const VerbContext& context) {
  for (const double frequency_hz : frequencies_hz) check_analysis_domain(horn, frequency_hz, length_scale(context.unit));
}

void horn_input(ordered_json& input, const HornInput& horn, LengthUnit unit) {
  const std::string suffix{unit_name(unit)};
  if (!horn.source.empty()) input["from"] = horn.source;
  input["aperture_width_" + suffix] = horn.width;
  input["aperture_height_" + suffix] = horn.height;
  input["axial_length_" + suffix] = horn.length;
}

std::string horn_text(const HornInput& horn, LengthUnit unit) {
  const std::string name{unit_name(unit)};
  return short_text(horn.width, 4) + " × " + short_text(horn.height, 4) + " " + name + " horn, " +
         short_text(horn.length, 4) + " " + name + " long, on " + feed_text(horn.horn.feed, unit);
}

std::string length_text(double metres, LengthUnit unit) {
  return short_text(from_metres(metres, unit), 4) + " " + std::string(unit_name(unit));
}

std::string size_text(double width, double height, LengthUnit unit) {
  return short_text(from_metres(width, unit), 4) + " × " + short_text(from_metres(height, unit), 4) + " " +
         std::string(unit_name(unit));
}

std::string frequency_text(double hertz) { return short_text(hertz / hertz_per_gigahertz, 4) + " GHz"; }

std::string feed_text(const Waveguide& feed, LengthUnit unit) {
  if (!feed.name.empty()) return feed.name;
  return "a " + size_text(feed.width, feed.height, unit) + " waveguide";
}

ordered_json feed_input(const Waveguide& feed, LengthUnit unit) {
  const std::string suffix{unit_name(unit)};
  ordered_json echo;
  echo["name"] = feed.name.empty() ? ordered_json(nullptr) : ordered_json(feed.name);
  echo["width_" + suffix] = from_metres(feed.width, unit);
  echo["height_" + suffix] = from_metres(feed.height, unit);
  return echo;
}

ordered_json range_input(const Range& range, double scale) {
  if (range.single()) return range.start * scale;
  return {{"start", range.start * scale}, {"stop", range.stop * scale}, {"step", range.step * scale}};
}

void WarningList::add(std::string_view code, std::string message, double row_value, std::string_view kind) {
  const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.code == code && e.kind == kind; });
  if (entry == entries_.end()) {
    entries_.push_back({std::string(code), std::string(kind), std::move(message), {row_value}});
  } else if (entry->rows.empty() || entry->rows.back() != row_value) {
    entry->rows.push_back(row_value);
  }
}

void WarningList::add(const Warning& warning, double row_value) {
  const std::string_view kind = !warning.plane ? "" : *warning.plane == Plane::e ? "e" : "h";
  add(to_string(warning.code), warning.message, row_value, kind);
}

void WarningList::add(const std::vector<Warning>& warnings, double row_value) {
  for (const auto& warning : warnings) add(warning, row_value);
}

void WarningList::add_once(std::string_view code, std::string message) {
  const auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.code == code; });
  if (entry == entries_.end()) entries_.push_back({std::string(code), {}, std::move(message), {}});
}

std::vector<Notice> WarningList::notices(std::string_view row_name, std::string_view unit) const {
  std::vector<Notice> notices;
  for (const auto& entry : entries_) {
    std::string message = entry.first;
    if (entry.rows.size() > 1) {
      const bool stop = !message.empty() && message.back() == '.';
      if (stop) message.pop_back();
      const auto [low, high] = std::minmax_element(entry.rows.begin(), entry.rows.end());
      message += " (" + std::to_string(entry.rows.size()) + " rows alike, " + std::string(row_name) + " " +
                 exact_text(*low) + " to " + exact_text(*high) + std::string(unit) + ")";
      if (stop) message += '.';
    }
    notices.push_back({entry.code, std::move(message), entry.rows});
  }
  return notices;
}

}  // namespace tarniq::request
