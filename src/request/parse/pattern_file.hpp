// A feed pattern file: the CSV that `tarniq-cli pattern --format csv` writes, read into a tabulated feed.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tarniq/dish.hpp"

namespace tarniq::request {

// A file that is not a pattern: the line (from 1, the header being line 1)
// and, where one field is at fault, its column (from 1) and name.
class PatternFileError : public std::runtime_error {
 public:
  PatternFileError(std::size_t line, std::size_t column, std::string column_name, const std::string& message)
      : std::runtime_error(message), line_(line), column_(column), column_name_(std::move(column_name)) {}
  std::size_t line() const { return line_; }
  std::size_t column() const { return column_; }  // 0 when about the whole line
  const std::string& column_name() const { return column_name_; }

 private:
  std::size_t line_;
  std::size_t column_;
  std::string column_name_;
};

// Reads a pattern file's text: RFC 4180 CSV (CR LF or LF line ends, quoted
// fields, a UTF-8 byte-order mark allowed, blank lines skipped), a header
// naming at least angle_deg, e_plane_dbi and h_plane_dbi and optionally
// both e_phase_deg and h_phase_deg, in any order among other columns, which
// are ignored; then one row per angle, ascending, within -180 to 180
// degrees. An empty level (or -inf) is no field; an empty phase is allowed
// only beside an empty level. Throws PatternFileError at the first fault;
// the message names neither the file nor the place, which the error carries.
[[nodiscard]] TabulatedFeed read_pattern_file(std::string_view text);

}  // namespace tarniq::request
