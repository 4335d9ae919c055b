// Strict CSV and XML readers for the tests.
#include "support/readers.hpp"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace tarniq::testing {

std::vector<std::vector<std::string>> read_csv(std::string_view text) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  std::size_t i = 0;
  const auto fail = [&](const char* what) { throw std::runtime_error(std::string(what) + " at " + std::to_string(i)); };
  while (i < text.size()) {
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) fail("unterminated quote");
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          field += text[i];
        }
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
        if (text[i] == '"') fail("quote inside an unquoted field");
        field += text[i++];
      }
    }
    if (i < text.size() && text[i] == ',') {
      record.push_back(std::move(field));
      field.clear();
      ++i;
    } else if (text.substr(i, 2) == "\r\n") {
      record.push_back(std::move(field));
      field.clear();
      records.push_back(std::move(record));
      record.clear();
      i += 2;
    } else {
      fail("line not ended by CRLF");
    }
  }
  if (!record.empty() || !field.empty()) fail("last line not ended by CRLF");
  return records;
}

std::vector<const XmlElement*> XmlElement::all(std::string_view element) const {
  std::vector<const XmlElement*> found;
  if (name == element) found.push_back(this);
  for (const auto& child : children) {
    const auto below = child.all(element);
    found.insert(found.end(), below.begin(), below.end());
  }
  return found;
}

namespace {

class XmlReader {
 public:
  explicit XmlReader(std::string_view text) : text_(text) {}

  XmlElement document() {
    if (text_.substr(0, 5) == "<?xml") skip_past("?>");
    skip_misc();
    XmlElement root = element();
    skip_misc();
    if (at_ < text_.size()) fail("content after the root element");
    return root;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("XML: " + what + " at offset " + std::to_string(at_));
  }
  void skip_past(std::string_view end) {
    const std::size_t found = text_.find(end, at_);
    if (found == std::string_view::npos) fail("unterminated construct");
    at_ = found + end.size();
  }
  void skip_blanks() {
    while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) ++at_;
  }
  void skip_misc() {
    for (skip_blanks(); text_.substr(at_, 4) == "<!--"; skip_blanks()) skip_past("-->");
  }
  static bool name_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.' ||
           static_cast<unsigned char>(c) >= 0x80;
  }
  std::string name() {
    const std::size_t start = at_;
    while (at_ < text_.size() && name_char(text_[at_])) ++at_;
    if (at_ == start) fail("expected a name");
    return std::string(text_.substr(start, at_ - start));
  }
  void expect(char c) {
    if (at_ >= text_.size() || text_[at_] != c) fail(std::string("expected '") + c + "'");
    ++at_;
  }
  // Character data up to `stop`, entity and character references resolved.
  std::string characters(char stop) {
    std::string out;
    while (at_ < text_.size() && text_[at_] != stop) {
      const char c = text_[at_];
      if (c == '<') fail("'<' in character data");
      if (c != '&') {
        out += c;
        ++at_;
        continue;
      }
      const std::size_t end = text_.find(';', at_);
      if (end == std::string_view::npos) fail("unterminated reference");
      const std::string_view entity = text_.substr(at_ + 1, end - at_ - 1);
      if (entity == "amp") out += '&';
      else if (entity == "lt") out += '<';
      else if (entity == "gt") out += '>';
      else if (entity == "quot") out += '"';
      else if (entity == "apos") out += '\'';
      else if (entity.size() > 1 && entity[0] == '#') out += '?';  // the tests never look at these
      else fail("unknown entity");
      at_ = end + 1;
    }
    return out;
  }
  XmlElement element() {
    expect('<');
    XmlElement element{name(), {}, {}, {}};
    for (;;) {
      skip_blanks();
      if (at_ >= text_.size()) fail("unterminated tag");
      if (text_[at_] == '/' || text_[at_] == '>') break;
      std::string attribute = name();
      skip_blanks();
      expect('=');
      skip_blanks();
      const char quote = at_ < text_.size() ? text_[at_] : '\0';
      if (quote != '"' && quote != '\'') fail("unquoted attribute value");
      ++at_;
      std::string value = characters(quote);
      expect(quote);
      if (!element.attributes.emplace(std::move(attribute), std::move(value)).second) fail("repeated attribute");
    }
    if (text_[at_] == '/') {
      ++at_;
      expect('>');
      return element;
    }
    expect('>');
    for (;;) {
      element.text += characters('<');
      if (at_ >= text_.size()) fail("unclosed element " + element.name);
      if (text_.substr(at_, 4) == "<!--") {
        skip_past("-->");
      } else if (text_.substr(at_, 2) == "</") {
        at_ += 2;
        if (name() != element.name) fail("mismatched end tag for " + element.name);
        skip_blanks();
        expect('>');
        return element;
      } else {
        element.children.push_back(this->element());
      }
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

XmlElement read_xml(std::string_view text) { return XmlReader(text).document(); }

}  // namespace tarniq::testing
