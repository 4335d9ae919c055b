// What every verb reads the same way: units, feed waveguide, frequency, level, horn; texts and warnings.
#pragma once

#include <cstddef>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "request/parse/options.hpp"
#include "request/parse/units.hpp"
#include "request/request.hpp"
#include "request/result.hpp"
#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"
#include "tarniq/warnings.hpp"

namespace tarniq::request {

// The settings of one request that every verb uses.
struct VerbContext {
  const OptionReader& options;
  LengthUnit unit = LengthUnit::cm;
  bool plot = false;              // an SVG plot is wanted
  std::size_t max_rows = 100000;  // the most rows a range may give
  FileReader read_file;           // for options that name a file; may be empty
  PdfRenderer render_pdf = {};    // for PDF drawings; may be empty
};

// The request's unit as the library's messages show lengths.
LengthScale length_scale(LengthUnit unit);

// --waveguide NAME or --waveguide-size W,H (exactly one), as the library's
// feed in metres.
Waveguide read_feed(const VerbContext& context);

// One frequency in GHz (a range is refused with a message saying so), in Hz.
double read_single_frequency(const VerbContext& context);

// A --frequency value in GHz as hertz; a UsageError when that overflows.
double to_hertz(double gigahertz, std::string_view text);

// The values of a --frequency range (GHz) as hertz, each as to_hertz.
std::vector<double> to_hertz(const Range& gigahertz, std::string_view text);

// A level in dB as tarniq reads one: 3 means half power, 3.01 dB; every
// other value as given. The option's value, or `fallback` when absent.
double read_level(const OptionReader& options, std::string_view name, double fallback = half_power_db);

// The horn a request names: --aperture and --length on its feed, or the
// horn of a design's JSON output (--from FILE.json, --row N), with its
// dimensions in the request's unit. Throws NoSolution when the aperture is
// not larger than the waveguide, naming both in the request's unit.
struct HornInput {
  Horn horn;
  double width = 0.0, height = 0.0, length = 0.0;  // in the request's unit
  std::string source;                              // "FILE.json, row 2" for a horn from a file
};
HornInput read_horn(const VerbContext& context);

// Every frequency of a request (Hz) checked against the sizes the analysis
// computes before any row is computed, so that a request bound to fail
// fails at once: InvalidArgument naming the first frequency outside, in GHz,
// and the horn's lengths in the request's unit.
void check_frequencies(const Horn& horn, const std::vector<double>& frequencies_hz, const VerbContext& context);

// The echoed horn: aperture_width_<unit>, aperture_height_<unit>,
// axial_length_<unit> and the waveguide, added to the input.
void horn_input(nlohmann::ordered_json& input, const HornInput& horn, LengthUnit unit);

// "10.7 × 7.9 cm horn, 15 cm long, on WR-90"
std::string horn_text(const HornInput& horn, LengthUnit unit);

// Text for titles and messages: "WR-90" or "a 2.286 × 1.016 cm waveguide";
// "10.7 × 7.9 cm"; "2.286 cm"; "10.5 GHz".
std::string feed_text(const Waveguide& feed, LengthUnit unit);
std::string size_text(double width, double height, LengthUnit unit);
std::string length_text(double metres, LengthUnit unit);
std::string frequency_text(double hertz);

// The echoed waveguide: {"name", "width_<unit>", "height_<unit>"}.
nlohmann::ordered_json feed_input(const Waveguide& feed, LengthUnit unit);

// A range as {"start", "stop", "step"}, or its one value.
nlohmann::ordered_json range_input(const Range& range, double scale = 1.0);

// Warnings collected over many rows. Only identical kinds merge (the same
// code about the same plane or quantity): each kind keeps its first message
// and the rows it was raised on, so that a repeat is shown once, with how
// many rows and which ("rows 2 to 9", "at 8 to 12 GHz").
class WarningList {
 public:
  // A warning raised on the row whose value (S, frequency, angle) is given.
  void add(const Warning& warning, double row_value);
  void add(std::string_view code, std::string message, double row_value, std::string_view kind = {});
  void add(const std::vector<Warning>& warnings, double row_value);
  // A warning about the request as a whole.
  void add_once(std::string_view code, std::string message);

  // The notices, the repeats summed up in the row's words: row_name is the
  // value's name as a phrase takes it ("S =", "at"), unit its unit ("" or
  // " GHz"). Every notice carries its rows' values too.
  std::vector<Notice> notices(std::string_view row_name, std::string_view unit) const;

 private:
  struct Entry {
    std::string code;
    std::string kind;  // the plane or quantity within the code
    std::string first;
    std::vector<double> rows;
  };
  std::vector<Entry> entries_;
};

}  // namespace tarniq::request
