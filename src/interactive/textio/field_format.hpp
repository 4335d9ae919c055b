// Renders one value into a fixed-width field: the Fw.d and Aw fields of a layout.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarniq::textio {

// Fw.d into `field` (w = field.size() characters, all of them written):
// `value` rounded half to even on its exact binary value to `digits` places,
// right-justified. A leading zero is dropped when the field is one character
// short for it; a value that rounds to zero carries no minus sign; a value
// that does not fit becomes w asterisks. NaN and infinities are written as
// "NaN", "Inf" and "-Inf". Uses no heap memory.
void put_fixed(std::span<char> field, float value, int digits);

// Aw into `field`: `text` right-justified, or its first w characters when it
// is longer.
void put_text(std::span<char> field, std::string_view text);

// The same fields as strings of `width` characters (none for a width of 0 or less).
std::string render_fixed(float value, int width, int digits);
std::string render_text(std::string_view text, int width);

}  // namespace tarniq::textio
