// What every verb reads the same way: units, feed waveguide, frequency, horn, warnings.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <unordered_set>
#include <vector>

#include "request/parse/options.hpp"
#include "request/parse/units.hpp"
#include "request/result.hpp"
#include "tarniq/horn.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::cli {

// The settings of one request that every verb uses.
struct VerbContext {
  const OptionReader& options;
  LengthUnit unit = LengthUnit::cm;
  bool plot = false;                 // an SVG plot is wanted
  std::size_t max_rows = 100000;     // the most rows a range may give
};

// --waveguide NAME or --waveguide-size W,H (exactly one), as the library's
// feed in metres.
Waveguide read_feed(const VerbContext& context);

// One frequency in GHz (a range is refused with a message saying so), in Hz.
double read_single_frequency(const VerbContext& context);

// A --frequency value in GHz as hertz; a UsageError when that overflows.
double to_hertz(double gigahertz, std::string_view text);

// The horn of --aperture and --length on the feed, and those values as given
// (in the request's unit). Throws NoSolution when the aperture is not larger
// than the waveguide, naming both in the request's unit.
struct HornInput {
  Horn horn;
  double width = 0.0, height = 0.0, length = 0.0;
};
HornInput read_horn(const VerbContext& context, const Waveguide& feed);

// The echoed horn: aperture_width_<unit>, aperture_height_<unit>,
// axial_length_<unit> added to the input.
void horn_input(nlohmann::ordered_json& input, const HornInput& horn, LengthUnit unit);

// "10.7 × 7.9 cm horn, 15 cm long, on WR-90"
std::string horn_text(const HornInput& horn, LengthUnit unit);

// Text for titles: "WR-90" or "a 2.286 × 1.016 cm waveguide"; "10.7 × 7.9 cm".
std::string feed_text(const Waveguide& feed, LengthUnit unit);
std::string size_text(double width, double height, LengthUnit unit);
std::string length_text(double metres, LengthUnit unit);
std::string frequency_text(double hertz);

// The echoed waveguide: {"name", "width_<unit>", "height_<unit>"}.
nlohmann::ordered_json feed_input(const Waveguide& feed, LengthUnit unit);

// A range as {"start", "stop", "step"}, or its one value.
nlohmann::ordered_json range_input(const Range& range, double scale = 1.0);

// Warnings collected over many rows, kept once per code: repeats of a code
// become a count on the first message.
class WarningList {
 public:
  void add(std::string_view code, std::string message);
  void add(const std::vector<Warning>& warnings);
  // Repeats are counted in rows: "(and 1 more design alike)", "(and 3 more
  // designs alike)".
  std::vector<Notice> notices(std::string_view row, std::string_view rows) const;

 private:
  struct Entry {
    std::string code;
    std::string first;
    std::unordered_set<std::string> others;  // distinct later messages of the code
  };
  std::vector<Entry> entries_;
};

}  // namespace tarniq::cli
