// RFC 4180 CSV: a header of column names, one record per row, CRLF line ends.
#include "request/output/formats.hpp"
#include "request/output/number_text.hpp"

namespace tarniq::request {
namespace {

std::string field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string cell_text(const Cell& cell) {
  if (const auto* number = std::get_if<double>(&cell)) return exact_text(*number);
  if (const auto* text = std::get_if<std::string>(&cell)) return field(*text);
  return {};
}

}  // namespace

std::string format_csv(const Result& result) {
  std::string out;
  for (std::size_t c = 0; c < result.columns.size(); ++c) {
    if (c > 0) out += ',';
    out += field(result.columns[c].name);
  }
  out += "\r\n";
  for (const auto& row : result.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out += ',';
      out += cell_text(row[c]);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace tarniq::request
