// Turns a layout and its values into the text records (lines) it writes.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "textio/layout.hpp"

namespace tarniq::textio {

// One value for an F field (a real) or an A field (a text).
using FieldValue = std::variant<float, std::string_view>;

struct Records {
  std::vector<std::string> lines;  // each record without any line end
  bool last_open = false;          // the last record is a prompt awaiting an answer
};

// Renders `layout` with `values` taken in order by its F and A fields. A
// record is as long as the highest column written: skipped positions at its
// end add no trailing blanks. The number and kinds of the values must match
// the fields (a mismatch is a programming error: std::logic_error).
Records render(const Layout& layout, std::initializer_list<FieldValue> values = {});

}  // namespace tarniq::textio
