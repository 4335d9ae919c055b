// Layout rendering into records.
#include "textio/records.hpp"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "textio/field_format.hpp"

namespace tarniq::textio {

static_assert(Records::kMaxBytes <= std::numeric_limits<std::uint16_t>::max());

Records::Records(std::initializer_list<std::string_view> lines, bool last_open) : Records() {
  if (lines.size() > kMaxRecords) throw std::logic_error("too many records");
  for (const std::string_view line : lines) {
    put(line);
    end_record();
  }
  last_open_ = last_open;
}

Records& Records::operator=(const Records& other) {
  if (this == &other) return *this;
  std::copy_n(other.text_.begin(), other.used_, text_.begin());
  std::copy_n(other.starts_.begin(), other.count_ + 1, starts_.begin());
  count_ = other.count_;
  used_ = other.used_;
  column_ = other.column_;
  last_open_ = other.last_open_;
  return *this;
}

std::span<char> Records::field(std::size_t width) {
  const std::size_t start = starts_[count_];
  const std::size_t end = start + column_ + width;
  // Layouts are checked at compile time to fit; texts given directly may not.
  if (end + 2 > kMaxBytes) throw std::logic_error("records too long for their buffer");
  std::fill(text_.begin() + static_cast<std::ptrdiff_t>(used_),
            text_.begin() + static_cast<std::ptrdiff_t>(start + column_), ' ');
  const std::span<char> reserved(text_.data() + start + column_, width);
  used_ = end;
  column_ += width;
  return reserved;
}

void Records::put(std::string_view text) {
  const std::span<char> reserved = field(text.size());
  std::copy(text.begin(), text.end(), reserved.begin());
}

void Records::end_record() {
  if (used_ + 2 > kMaxBytes || count_ == kMaxRecords)
    throw std::logic_error("records too long for their buffer");
  text_[used_++] = '\r';
  text_[used_++] = '\n';
  ++count_;
  starts_[count_] = static_cast<std::uint16_t>(used_);
  column_ = 0;
}

Records render(const Layout& layout, std::initializer_list<FieldValue> values) {
  if (static_cast<std::size_t>(layout.field_count()) != values.size())
    throw std::logic_error("layout fields and values differ in number");

  Records records;
  auto value = values.begin();
  for (const LayoutElement& element : layout.elements()) {
    const auto width = static_cast<std::size_t>(element.width);
    switch (element.kind) {
      case LayoutElement::Kind::Text:
        records.put(element.text);
        break;
      case LayoutElement::Kind::Skip:
        records.skip(width);
        break;
      case LayoutElement::Kind::NewRecord:
        records.end_record();
        break;
      case LayoutElement::Kind::Fixed:
        if (!std::holds_alternative<float>(*value)) throw std::logic_error("F field needs a real");
        put_fixed(records.field(width), std::get<float>(*value++), element.digits);
        break;
      case LayoutElement::Kind::Alpha:
        if (!std::holds_alternative<std::string_view>(*value))
          throw std::logic_error("A field needs a text");
        put_text(records.field(width), std::get<std::string_view>(*value++));
        break;
    }
  }
  records.end_record();
  records.last_open_ = layout.keeps_last_record_open();
  return records;
}

}  // namespace tarniq::textio
