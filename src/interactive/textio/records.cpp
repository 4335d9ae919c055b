// Layout rendering into records.
#include "textio/records.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "textio/field_format.hpp"

namespace tarniq::textio {
namespace {

// One record under construction: a blank line buffer and a current position.
class RecordBuilder {
 public:
  void put(std::string_view text) {
    if (line_.size() < position_) line_.resize(position_, ' ');
    line_.replace(position_, std::min(text.size(), line_.size() - position_), text);
    position_ += text.size();
  }
  void skip(int positions) { position_ += static_cast<std::size_t>(positions); }
  std::string take() {
    position_ = 0;
    return std::exchange(line_, {});
  }

 private:
  std::string line_;
  std::size_t position_ = 0;
};

}  // namespace

Records render(const Layout& layout, std::initializer_list<FieldValue> values) {
  if (static_cast<std::size_t>(layout.field_count()) != values.size())
    throw std::logic_error("layout fields and values differ in number");

  Records records;
  RecordBuilder record;
  auto value = values.begin();
  for (const LayoutElement& element : layout.elements()) {
    switch (element.kind) {
      case LayoutElement::Kind::Text:
        record.put(element.text);
        break;
      case LayoutElement::Kind::Skip:
        record.skip(element.width);
        break;
      case LayoutElement::Kind::NewRecord:
        records.lines.push_back(record.take());
        break;
      case LayoutElement::Kind::Fixed:
        if (!std::holds_alternative<float>(*value)) throw std::logic_error("F field needs a real");
        record.put(render_fixed(std::get<float>(*value++), element.width, element.digits));
        break;
      case LayoutElement::Kind::Alpha:
        if (!std::holds_alternative<std::string_view>(*value))
          throw std::logic_error("A field needs a text");
        record.put(render_text(std::get<std::string_view>(*value++), element.width));
        break;
    }
  }
  records.lines.push_back(record.take());
  records.last_open = layout.keeps_last_record_open();
  return records;
}

}  // namespace tarniq::textio
