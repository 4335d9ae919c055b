// Turns a layout and its values into the text records (lines) it writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <variant>

#include "textio/layout.hpp"

namespace tarniq::textio {

// One value for an F field (a real) or an A field (a text).
using FieldValue = std::variant<float, std::string_view>;

// The records of one layout, in a fixed buffer: rendering and writing them
// uses no heap memory. Each record is stored followed by CR LF, so the
// buffer is byte for byte what the report file receives.
class Records {
 public:
  static constexpr std::size_t kMaxBytes = Layout::kMaxRenderedBytes;
  static constexpr std::size_t kMaxRecords = Layout::kMaxElements + 1;

  Records() { starts_[0] = 0; }
  // Copies only the bytes in use.
  Records(const Records& other) { *this = other; }
  Records& operator=(const Records& other);
  // Records holding `lines` (texts of the program's own, and tests); too
  // many or too long lines are a programming error (std::logic_error).
  explicit Records(std::initializer_list<std::string_view> lines, bool last_open = false);

  std::size_t size() const { return count_; }
  // Record `i` without its line end.
  std::string_view operator[](std::size_t i) const {
    const std::size_t start = starts_[i];
    const std::size_t end = starts_[i + 1];
    return {text_.data() + start, end - start - 2};
  }
  // The last record is a prompt awaiting an answer.
  bool last_open() const { return last_open_; }
  // Every record followed by CR LF.
  std::string_view bytes() const { return {text_.data(), used_}; }

 private:
  friend Records render(const Layout& layout, std::initializer_list<FieldValue> values);

  // Building, left to right: `field` reserves the next `width` columns of
  // the current record (blank-filling any skipped ones) for the caller to fill.
  std::span<char> field(std::size_t width);
  void put(std::string_view text);
  void skip(std::size_t positions) { column_ += positions; }
  void end_record();

  // Only the first used_ bytes and count_ + 1 starts are ever read.
  std::array<char, kMaxBytes> text_;
  std::array<std::uint16_t, kMaxRecords + 1> starts_;  // record i is [starts_[i], starts_[i + 1] - 2)
  std::size_t count_ = 0;
  std::size_t used_ = 0;
  std::size_t column_ = 0;  // current position within the record being built
  bool last_open_ = false;
};

// Renders `layout` with `values` taken in order by its F and A fields. A
// record is as long as the highest column written: skipped positions at its
// end add no trailing blanks. The number and kinds of the values must match
// the fields (a mismatch is a programming error: std::logic_error).
Records render(const Layout& layout, std::initializer_list<FieldValue> values = {});

}  // namespace tarniq::textio
