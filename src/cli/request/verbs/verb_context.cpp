// Reading the feed, the frequency and the horn; title texts; warnings kept once per code.
#include "request/verbs/verb_context.hpp"

#include <algorithm>
#include <cmath>

#include "request/output/number_text.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq::cli {

Waveguide read_feed(const VerbContext& context) {
  const OptionReader& options = context.options;
  const bool named = options.has("waveguide");
  const bool sized = options.has("waveguide-size");
  if (named && sized) throw UsageError("give --waveguide or --waveguide-size, not both");
  if (!named && !sized) throw UsageError("missing --waveguide NAME or --waveguide-size W,H");
  if (named) {
    const std::string name = *options.text("waveguide");
    try {
      return to_waveguide(find_waveguide(name));
    } catch (const InvalidArgument&) {
      throw UsageError("--waveguide " + in_quotes(name) + " is not a standard waveguide; tarniq-cli waveguides lists them");
    }
  }
  const auto [width, height] = options.positive_pair("waveguide-size", false);
  return {to_metres(width, context.unit), to_metres(height, context.unit), ""};
}

double read_single_frequency(const VerbContext& context) {
  const auto text = context.options.text("frequency");
  if (text && text->find(':') != std::string::npos)
    throw UsageError("--frequency " + in_quotes(*text) + " is a range; this verb takes one frequency");
  const double gigahertz = context.options.positive("frequency");
  return to_hertz(gigahertz, *text);
}

double to_hertz(double gigahertz, std::string_view text) {
  const double hertz = gigahertz * hertz_per_gigahertz;
  if (!std::isfinite(hertz)) throw UsageError("--frequency " + in_quotes(text) + " is out of range");
  return hertz;
}

HornInput read_horn(const VerbContext& context, const Waveguide& feed) {
  const auto [width, height] = context.options.positive_pair("aperture", true);
  const double length = context.options.positive("length");
  const LengthUnit unit = context.unit;
  const double width_m = to_metres(width, unit);
  const double height_m = to_metres(height, unit);
  if (!(width_m > feed.width))
    throw NoSolution("aperture width " + length_text(width_m, unit) + " is not larger than the waveguide width " +
                     length_text(feed.width, unit));
  if (!(height_m > feed.height))
    throw NoSolution("aperture height " + length_text(height_m, unit) +
                     " is not larger than the waveguide height " + length_text(feed.height, unit));
  return {make_horn(width_m, height_m, to_metres(length, unit), feed), width, height, length};
}

void horn_input(nlohmann::ordered_json& input, const HornInput& horn, LengthUnit unit) {
  const std::string suffix{unit_name(unit)};
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

nlohmann::ordered_json feed_input(const Waveguide& feed, LengthUnit unit) {
  const std::string suffix{unit_name(unit)};
  nlohmann::ordered_json echo;
  echo["name"] = feed.name.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(feed.name);
  echo["width_" + suffix] = from_metres(feed.width, unit);
  echo["height_" + suffix] = from_metres(feed.height, unit);
  return echo;
}

nlohmann::ordered_json range_input(const Range& range, double scale) {
  if (range.single()) return range.start * scale;
  return {{"start", range.start * scale}, {"stop", range.stop * scale}, {"step", range.step * scale}};
}

void WarningList::add(std::string_view code, std::string message) {
  const auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.code == code; });
  if (entry == entries_.end()) {
    entries_.push_back({std::string(code), std::move(message), {}});
  } else if (message != entry->first) {
    entry->others.insert(std::move(message));
  }
}

void WarningList::add(const std::vector<Warning>& warnings) {
  for (const auto& warning : warnings) add(to_string(warning.code), warning.message);
}

std::vector<Notice> WarningList::notices(std::string_view row, std::string_view rows) const {
  std::vector<Notice> notices;
  for (const auto& entry : entries_) {
    std::string message = entry.first;
    if (!entry.others.empty()) {
      const bool stop = !message.empty() && message.back() == '.';
      if (stop) message.pop_back();
      const std::size_t more = entry.others.size();
      message += " (and " + std::to_string(more) + " more " + std::string(more == 1 ? row : rows) + " alike)";
      if (stop) message += '.';
    }
    notices.push_back({entry.code, std::move(message)});
  }
  return notices;
}

}  // namespace tarniq::cli
