// What a request gives back: columns and rows, warnings, the echoed inputs, a plot and the files it makes.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <variant>
#include <vector>

namespace tarniq::request {

// One column of the results: its name carries the unit ("aperture_width_cm",
// "gain_dbi", "s"); decimals is the text table's precision.
struct Column {
  std::string name;
  int decimals = 3;
  bool text = false;  // left-aligned text rather than a number
};

// A cell: no value (empty in the table and the CSV, null in JSON), a number
// in the column's unit, or text.
using Cell = std::variant<std::monostate, double, std::string>;
using Row = std::vector<Cell>;

// A warning: a stable code for scripts, one sentence for people, and the
// rows it was raised on, by their first column's value (S, frequency in
// GHz, angle); empty for a warning about the whole request.
struct Notice {
  std::string code;
  std::string message;
  std::vector<double> rows = {};
};

// A file a request makes besides its results (a drawing, a model): the option
// that names it, the file name as given, and its contents.
struct OutputFile {
  std::string option;
  std::string name;
  std::string bytes;
};

struct Result {
  std::string verb;
  std::string units;                 // "cm", "mm" or "in"
  nlohmann::ordered_json input;      // the request's values as read, keys with units
  std::vector<Column> columns;
  std::vector<Row> rows;             // each as long as columns
  std::vector<Notice> warnings;
  std::string plot_svg;              // a standalone SVG, when asked for and one fits
  std::vector<OutputFile> files;     // every file the options name, made whole
};

}  // namespace tarniq::request
