// What a request gives back: columns and rows, warnings, the echoed inputs, a plot and the files it makes.
#pragma once

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tarniq::request {

// One column of the results: its name carries the unit ("aperture_width_cm",
// "gain_dbi", "s"); decimals is the text table's precision.
struct Column {
  std::string name;
  int decimals = 3;
  bool text = false;  // left-aligned text rather than a number
};

// A cell as a verb makes it: no value (empty in the table and the CSV, null
// in JSON), a number in the column's unit, or text.
class Cell {
 public:
  Cell() = default;
  Cell(double number) : number_(std::isfinite(number) ? number : kNone) {}  // not finite: no value
  Cell(std::string text) : text_(std::move(text)) {}

  // The number, or null for text or no value.
  [[nodiscard]] const double* number() const { return text_ || std::isnan(number_) ? nullptr : &number_; }
  // The text, or null for a number or no value.
  [[nodiscard]] const std::string* text() const { return text_ ? &*text_ : nullptr; }

 private:
  static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  double number_ = kNone;
  std::optional<std::string> text_;
};

// A cell of the stored rows: pointers to its number or its text, either
// null (both for no value). They point into the rows, so they live as long.
class CellRef {
 public:
  CellRef(const double* number, const std::string* text) : number_(number), text_(text) {}
  [[nodiscard]] const double* number() const { return number_; }
  [[nodiscard]] const std::string* text() const { return text_; }

 private:
  const double* number_;
  const std::string* text_;
};

class Rows;

// One row of a result, a cell per column.
class Row {
 public:
  Row(const Rows* rows, std::size_t row) : rows_(rows), row_(row) {}
  [[nodiscard]] std::size_t size() const;
  [[nodiscard]] CellRef operator[](std::size_t column) const;

 private:
  const Rows* rows_;
  std::size_t row_;
};

// The rows of a result, each as long as its columns. Numbers are kept as
// plain doubles in one block (not a number: none), the few texts apart, so
// that a long table of numbers takes 8 bytes a cell.
class Rows {
 public:
  // Empties the rows; each row to come has `width` cells.
  void start(std::size_t width) {
    width_ = width;
    clear();
  }
  void reserve(std::size_t rows) { numbers_.reserve(rows * width_); }
  // Appends one cell: a row is complete after the width's cells.
  void add_cell(const Cell& cell) {
    if (const std::string* text = cell.text()) texts_.emplace_back(numbers_.size(), *text);
    const double* number = cell.number();
    numbers_.push_back(number != nullptr ? *number : kNone);
  }
  // Appends a row of exactly the width's cells.
  void add(std::span<const Cell> row) {
    for (const Cell& cell : row) add_cell(cell);
  }
  void clear() {
    numbers_.clear();
    texts_.clear();
  }

  [[nodiscard]] std::size_t width() const { return width_; }
  [[nodiscard]] std::size_t size() const { return width_ == 0 ? 0 : numbers_.size() / width_; }
  [[nodiscard]] bool empty() const { return numbers_.empty(); }
  [[nodiscard]] Row operator[](std::size_t row) const { return {this, row}; }
  [[nodiscard]] CellRef cell(std::size_t row, std::size_t column) const {
    const std::size_t index = row * width_ + column;
    const double& number = numbers_[index];
    if (!std::isnan(number)) return {&number, nullptr};
    // Texts are stored in cell order.
    const auto text = std::lower_bound(texts_.begin(), texts_.end(), index,
                                       [](const auto& entry, std::size_t i) { return entry.first < i; });
    return {nullptr, text != texts_.end() && text->first == index ? &text->second : nullptr};
  }

  class Iterator {
   public:
    using value_type = Row;
    using difference_type = std::ptrdiff_t;
    Iterator() = default;
    Iterator(const Rows* rows, std::size_t row) : rows_(rows), row_(row) {}
    Row operator*() const { return {rows_, row_}; }
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
  static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  std::size_t width_ = 0;
  std::vector<double> numbers_;
  std::vector<std::pair<std::size_t, std::string>> texts_;  // (cell index, text), in cell order
};

inline std::size_t Row::size() const { return rows_->width(); }
inline CellRef Row::operator[](std::size_t column) const { return rows_->cell(row_, column); }

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
