// A line layout in the program's notation, parsed once at compile time.
//
// Notation: a parenthesised, comma-separated list of
//   "text"   literal text, written at the current position
//   nX       skip n positions to the right
//   Fw.d     one real value in a field of w characters with d decimals
//   Aw       one text value in a field of w characters
//   /        end the current record and start a new one
//   $        (last element only) leave the last record open, for a prompt
//   k( )     the elements inside, repeated k times
// for example (/, " E Plane:", F7.3, 2X, " H Plane:", F7.3).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace tarniq::textio {

struct LayoutElement {
  enum class Kind { Text, Skip, Fixed, Alpha, NewRecord };
  Kind kind = Kind::Text;
  std::string_view text;  // Text only
  int width = 0;          // Skip: positions; Fixed, Alpha: field width
  int digits = 0;         // Fixed only
};

class Layout {
 public:
  static constexpr std::size_t kMaxElements = 48;
  // Every layout renders into at most this many bytes, each record counted
  // with the two bytes of its line end, so rendering needs no heap memory.
  static constexpr std::size_t kMaxRenderedBytes = 1024;

  // A malformed layout, or one that could render longer than
  // kMaxRenderedBytes, is a compile-time error.
  consteval explicit Layout(std::string_view notation) {
    std::size_t at = skip_blanks(notation, 0);
    if (at >= notation.size() || notation[at] != '(') fail("layout must start with (");
    at = parse_list(notation, at + 1, 1);
    at = skip_blanks(notation, at);
    if (at != notation.size()) fail("text after the closing )");
    count_fields_and_bytes();
  }

  constexpr std::span<const LayoutElement> elements() const { return {elements_.data(), size_}; }
  // True when the layout ends in $: its last record stays open for an answer.
  constexpr bool keeps_last_record_open() const { return keep_open_; }
  constexpr int field_count() const { return field_count_; }

 private:
  // Throwing during constant evaluation stops the compilation with the message.
  static void fail(const char* why) { throw why; }

  static constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

  static constexpr std::size_t skip_blanks(std::string_view s, std::size_t at) {
    while (at < s.size() && s[at] == ' ') ++at;
    return at;
  }

  static constexpr int parse_number(std::string_view s, std::size_t& at) {
    if (at >= s.size() || !is_digit(s[at])) fail("number expected");
    int value = 0;
    while (at < s.size() && is_digit(s[at])) value = value * 10 + (s[at++] - '0');
    return value;
  }

  constexpr void add(const LayoutElement& element) {
    if (keep_open_) fail("$ must be the last element");
    if (size_ == kMaxElements) fail("layout too long");
    elements_[size_++] = element;
  }

  // Parses elements up to the matching ')' and returns the position after it.
  // Elements are separated by commas; a slash needs no comma on either side.
  constexpr std::size_t parse_list(std::string_view s, std::size_t at, int repeat) {
    enum class After { Open, Comma, Element, Slash };
    const std::size_t first = size_;
    After after = After::Open;
    for (;;) {
      at = skip_blanks(s, at);
      if (at >= s.size()) fail("missing )");
      const char c = s[at];
      if (c == ')') {
        if (after == After::Open || after == After::Comma) fail("element expected before )");
        ++at;
        break;
      }
      if (c == ',') {
        if (after == After::Open || after == After::Comma) fail("empty element");
        after = After::Comma;
        ++at;
        continue;
      }
      if (after == After::Element && c != '/') fail("comma expected");
      at = parse_element(s, at);
      after = c == '/' ? After::Slash : After::Element;
    }
    const std::size_t count = size_ - first;
    for (int copy = 1; copy < repeat; ++copy)
      for (std::size_t i = 0; i < count; ++i) add(elements_[first + i]);
    return at;
  }

  constexpr std::size_t parse_element(std::string_view s, std::size_t at) {
    const char c = s[at];
    if (c == '"') {
      const std::size_t end = s.find('"', at + 1);
      if (end == std::string_view::npos) fail("unterminated text");
      add({LayoutElement::Kind::Text, s.substr(at + 1, end - at - 1), 0, 0});
      return end + 1;
    }
    if (c == '/') {
      add({LayoutElement::Kind::NewRecord, {}, 0, 0});
      return at + 1;
    }
    if (c == '$') {
      keep_open_ = true;
      return at + 1;
    }
    if (c == 'F') {
      ++at;
      const int width = parse_number(s, at);
      if (at >= s.size() || s[at] != '.') fail("F field needs .d");
      ++at;
      const int digits = parse_number(s, at);
      if (width < 1 || digits >= width) fail("bad F field");
      add({LayoutElement::Kind::Fixed, {}, width, digits});
      return at;
    }
    if (c == 'A') {
      ++at;
      add({LayoutElement::Kind::Alpha, {}, parse_number(s, at), 0});
      return at;
    }
    const int count = parse_number(s, at);
    if (at < s.size() && s[at] == 'X') {
      add({LayoutElement::Kind::Skip, {}, count, 0});
      return at + 1;
    }
    if (at < s.size() && s[at] == '(') return parse_list(s, at + 1, count);
    fail("unknown element");
    return at;
  }

  // A record is never longer than the sum of its texts, skips and fields.
  constexpr void count_fields_and_bytes() {
    std::size_t bytes = 2;
    for (const auto& element : elements()) {
      switch (element.kind) {
        case LayoutElement::Kind::Text: bytes += element.text.size(); break;
        case LayoutElement::Kind::NewRecord: bytes += 2; break;
        case LayoutElement::Kind::Fixed:
        case LayoutElement::Kind::Alpha: ++field_count_; bytes += static_cast<std::size_t>(element.width); break;
        case LayoutElement::Kind::Skip: bytes += static_cast<std::size_t>(element.width); break;
      }
    }
    if (bytes > kMaxRenderedBytes) fail("layout renders too long");
  }

  std::array<LayoutElement, kMaxElements> elements_{};
  std::size_t size_ = 0;
  bool keep_open_ = false;
  int field_count_ = 0;
};

}  // namespace tarniq::textio
