// Renders one value into a fixed-width field: the Fw.d and Aw fields of a layout.
#pragma once

#include <string>
#include <string_view>

namespace tarniq::textio {

// Fw.d: `value` rounded half to even on its exact binary value to `digits`
// places, right-justified in exactly `width` characters. A leading zero is
// dropped when the field is one character short for it; a value that rounds
// to zero carries no minus sign; a value that does not fit becomes `width`
// asterisks. NaN and infinities are written as "NaN", "Inf" and "-Inf".
std::string render_fixed(float value, int width, int digits);

// Aw: `text` right-justified in `width` characters, or its first `width`
// characters when it is longer.
std::string render_text(std::string_view text, int width);

}  // namespace tarniq::textio
