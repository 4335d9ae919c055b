// What a request gives back: columns and rows, warnings, the echoed inputs, a plot and the files it makes.
#pragma once

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <span>
#include <string>
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
// in the column's unit, or text. Three words, so that a long table of numbers
// stays compact; texts are few (names, planes) and shared when copied.
class Cell {
 public:
  Cell() = default;
  Cell(double number) : number_(std::isfinite(number) ? number : kNone) {}  // not finite: no value
  Cell(std::string text) : text_(std::make_shared<const std::string>(std::move(text))) {}

  // The number, or null for text or no value.
  [[nodiscard]] const double* number() const { return text_ || std::isnan(number_) ? nullptr : &number_; }
  // The text, or null for a number or no value.
  [[nodiscard]] const std::string* text() const { return text_.get(); }

 private:
  static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  double number_ = kNone;
  std::shared_ptr<const std::string> text_;
};

// One row of a result, a cell per column.
using Row = std::span<const Cell>;

// The rows of a result, each as long as its columns, kept in one block.
class Rows {
 public:

  // Empties the rows; each row to come has `width` cells.
  void start(std::size_t width) {
    width_ = width;
    cells_.clear();
  }
  void reserve(std::size_t rows) { cells_.reserve(rows * width_); }
  // Appends a row of exactly the width's cells.
  void add(std::span<const Cell> row) { cells_.insert(cells_.end(), row.begin(), row.end()); }
  // Appends one cell: a row is complete after the width's cells.
  void add_cell(Cell cell) { cells_.push_back(std::move(cell)); }
  void clear() { cells_.clear(); }

  [[nodiscard]] std::size_t size() const { return width_ == 0 ? 0 : cells_.size() / width_; }
  [[nodiscard]] bool empty() const { return cells_.empty(); }
  [[nodiscard]] Row operator[](std::size_t row) const { return {cells_.data() + row * width_, width_}; }

  class Iterator {
   public:
    using value_type = Row;
    using difference_type = std::ptrdiff_t;
    Iterator() = default;
    Iterator(const Rows* rows, std::size_t row) : rows_(rows), row_(row) {}
    Row operator*() const { return (*rows_)[row_]; }
    Iterator& operator++() {
      ++row_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++row_;
      return before;
    }
    bool operator==(const Iterator& other) const { return row_ == other.row_; }

   private:
    const Rows* rows_ = nullptr;
    std::size_t row_ = 0;
  };
  [[nodiscard]] Iterator begin() const { return {this, 0}; }
  [[nodiscard]] Iterator end() const { return {this, size()}; }

 private:
  std::size_t width_ = 0;
  std::vector<Cell> cells_;
};

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
  Rows rows;                         // each as long as columns
  std::vector<Notice> warnings;
  std::string plot_svg;              // a standalone SVG, when asked for and one fits
  std::vector<OutputFile> files;     // every file the options name, made whole
};

}  // namespace tarniq::request
