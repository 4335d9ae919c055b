// Reading a feed pattern file: CSV records, the named columns, and each row's angle, levels and phases.
#include "request/parse/pattern_file.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "request/output/number_text.hpp"
#include "request/parse/number.hpp"
#include "request/parse/options.hpp"

namespace tarniq::request {
namespace {

constexpr double kNoField = -std::numeric_limits<double>::infinity();

struct Record {
  std::size_t line = 0;  // where it starts
  std::vector<std::string> fields;
};

// RFC 4180 records one at a time, counting lines (a quoted field may span several).
class CsvScanner {
 public:
  explicit CsvScanner(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);  // a UTF-8 byte-order mark
  }

  // The next record that is not blank, or nothing at the end.
  std::optional<Record> next() {
    while (at_ < text_.size()) {
      Record record{line_, {}};
      read_record(record);
      const bool blank = record.fields.size() == 1 && trim_blanks(record.fields[0]).empty();
      if (!blank) return record;
    }
    return std::nullopt;
  }

 private:
  void read_record(Record& record) {
    std::string field;
    for (;;) {
      if (at_ < text_.size() && text_[at_] == '"') {
        read_quoted(field);
      } else {
        while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r') field += text_[at_++];
      }
      record.fields.push_back(std::move(field));
      field.clear();
      if (at_ >= text_.size()) return;
      const char c = text_[at_++];
      if (c == ',') continue;
      if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
      ++line_;
      return;
    }
  }

  void read_quoted(std::string& field) {
    const std::size_t opened = line_;
    ++at_;
    for (;;) {
      if (at_ >= text_.size())
        throw PatternFileError(opened, 0, {}, "has a quoted field that never closes");
      const char c = text_[at_++];
      if (c == '"') {
        if (at_ < text_.size() && text_[at_] == '"') {
          field += '"';
          ++at_;
          continue;
        }
        if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r')
          throw PatternFileError(line_, 0, {}, "has text after a closing quote");
        return;
      }
      if (c == '\n') ++line_;
      field += c;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t line_ = 1;
};

// The columns a pattern file has, by position in its records.
enum Column { angle, e_level, h_level, e_phase, h_phase, column_count };
constexpr std::array<std::string_view, column_count> kNames = {"angle_deg", "e_plane_dbi", "h_plane_dbi",
                                                               "e_phase_deg", "h_phase_deg"};
constexpr std::size_t kAbsent = std::numeric_limits<std::size_t>::max();

std::array<std::size_t, column_count> find_columns(const Record& header) {
  std::array<std::size_t, column_count> at;
  at.fill(kAbsent);
  for (std::size_t i = 0; i < header.fields.size(); ++i) {
    const std::string_view name = trim_blanks(header.fields[i]);
    for (std::size_t c = 0; c < column_count; ++c) {
      if (name != kNames[c]) continue;
      if (at[c] != kAbsent)
        throw PatternFileError(header.line, i + 1, std::string(name), "names the column " + std::string(name) + " twice");
      at[c] = i;
    }
  }
  for (const Column c : {angle, e_level, h_level})
    if (at[c] == kAbsent)
      throw PatternFileError(header.line, 0, {}, "has no column " + std::string(kNames[c]) +
                                                     " (a pattern file has angle_deg, e_plane_dbi and h_plane_dbi)");
  if ((at[e_phase] == kAbsent) != (at[h_phase] == kAbsent)) {
    const Column given = at[e_phase] == kAbsent ? h_phase : e_phase;
    const Column missing = given == e_phase ? h_phase : e_phase;
    throw PatternFileError(header.line, at[given] + 1, std::string(kNames[given]),
                           "has " + std::string(kNames[given]) + " but no " + std::string(kNames[missing]) +
                               ": give the phases of both cuts or neither");
  }
  return at;
}

// One row read field by field, each fault naming its column.
class RowReader {
 public:
  RowReader(const Record& record, const std::array<std::size_t, column_count>& at) : record_(record), at_(at) {}

  std::string_view text(Column c) const { return trim_blanks(record_.fields[at_[c]]); }

  [[noreturn]] void fail(Column c, const std::string& message) const {
    throw PatternFileError(record_.line, at_[c] + 1, std::string(kNames[c]), message);
  }

  double number(Column c) const {
    const NumberScan scan = scan_number(text(c));
    if (scan.error == NumberError::empty) fail(c, "is empty");
    if (scan.error != NumberError::none) fail(c, in_quotes(text(c)) + " is not a finite number");
    return scan.value;
  }

  // A level, or no field for an empty one, -inf or one below no_field_below_db
  // (as the dish takes it, so that a file with a level has some field).
  double level(Column c) const {
    std::string lower(text(c));
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char ch) { return static_cast<char>(std::tolower(static_cast<unsigned char>(ch))); });
    if (lower.empty() || lower == "-inf" || lower == "-infinity") return kNoField;
    const double value = number(c);
    if (!(value <= largest_pattern_level_db))
      fail(c, in_quotes(text(c)) + " is above " + short_text(largest_pattern_level_db, 0) + " dB, more than any feed has");
    return value < no_field_below_db ? kNoField : value;
  }

  // A phase; empty only beside no field, where it does not matter.
  double phase(Column c, double level) const {
    if (text(c).empty() && level == kNoField) return 0.0;
    if (text(c).empty()) fail(c, "is empty, but the cut has a level there");
    return number(c);
  }

 private:
  const Record& record_;
  const std::array<std::size_t, column_count>& at_;
};

void read_row(const Record& record, const std::array<std::size_t, column_count>& at, TabulatedFeed& feed) {
  const std::size_t needed = *std::max_element(at.begin(), at.end(), [](std::size_t a, std::size_t b) {
    return (a == kAbsent ? 0 : a) < (b == kAbsent ? 0 : b);
  }) + 1;
  if (record.fields.size() < needed)
    throw PatternFileError(record.line, 0, {},
                           "has " + std::to_string(record.fields.size()) + " fields, fewer than the header's columns");
  const RowReader row(record, at);
  const double angle_deg = row.number(angle);
  if (!(std::fabs(angle_deg) <= 180.0)) row.fail(angle, in_quotes(row.text(angle)) + " is outside -180 to 180 degrees");
  if (!feed.angles_deg.empty() && !(angle_deg > feed.angles_deg.back()))
    row.fail(angle, in_quotes(row.text(angle)) + " does not follow the angle before it, " +
                        exact_text(feed.angles_deg.back()) + ": angles must ascend");
  feed.angles_deg.push_back(angle_deg);
  feed.e_plane_db.push_back(row.level(e_level));
  feed.h_plane_db.push_back(row.level(h_level));
  if (at[e_phase] != kAbsent) {
    feed.e_phase_deg.push_back(row.phase(e_phase, feed.e_plane_db.back()));
    feed.h_phase_deg.push_back(row.phase(h_phase, feed.h_plane_db.back()));
  }
}

}  // namespace

TabulatedFeed read_pattern_file(std::string_view text) {
  CsvScanner scanner(text);
  const std::optional<Record> header = scanner.next();
  if (!header) throw PatternFileError(1, 0, {}, "is empty: a pattern file starts with a header line");
  const std::array<std::size_t, column_count> at = find_columns(*header);
  TabulatedFeed feed;
  std::size_t last_line = header->line;
  while (const std::optional<Record> record = scanner.next()) {
    read_row(*record, at, feed);
    last_line = record->line;
  }
  if (feed.angles_deg.empty()) throw PatternFileError(header->line + 1, 0, {}, "has no rows under its header");
  const auto has_level = [](const std::vector<double>& levels) {
    return std::any_of(levels.begin(), levels.end(), [](double level) { return level != kNoField; });
  };
  if (!has_level(feed.e_plane_db) && !has_level(feed.h_plane_db))
    throw PatternFileError(last_line, 0, {}, "ends without a level in any row");
  std::vector<double> magnitudes;
  for (const double a : feed.angles_deg) magnitudes.push_back(std::fabs(a));
  std::sort(magnitudes.begin(), magnitudes.end());
  if (std::unique(magnitudes.begin(), magnitudes.end()) - magnitudes.begin() < 2)
    throw PatternFileError(last_line, 0, {}, "ends with fewer than two angles (θ and -θ count as one)");
  return feed;
}

}  // namespace tarniq::request
