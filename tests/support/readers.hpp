// Strict readers for what tarniq-cli writes, so tests check the formats, not just substrings: RFC 4180 CSV and XML.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarniq::testing {

// RFC 4180 records: every line ends in CRLF, fields quoted with doubled
// quotes inside. Throws std::runtime_error on anything else.
std::vector<std::vector<std::string>> read_csv(std::string_view text);

struct XmlElement {
  std::string name;
  std::map<std::string, std::string> attributes;  // entities resolved
  std::string text;                               // character data directly inside
  std::vector<XmlElement> children;

  // Every element of that name in this subtree, depth first.
  std::vector<const XmlElement*> all(std::string_view element) const;
};

// A well-formed XML document (declaration, elements, attributes, character
// and entity references, comments): its root element. Throws
// std::runtime_error naming the fault and its offset.
XmlElement read_xml(std::string_view text);

}  // namespace tarniq::testing
