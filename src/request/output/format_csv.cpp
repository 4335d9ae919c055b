// RFC 4180 CSV: a header of column names, one record per row, CRLF line ends.
#include "request/output/formats.hpp"
#include "request/output/number_text.hpp"

namespace tarniq::request {
namespace {

void append_field(std::string& out, const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void append_cell(std::string& out, CellRef cell) {
  if (const auto* number = cell.number()) append_exact_text(out, *number);
  if (const auto* text = cell.text()) append_field(out, *text);
}

// The CSV into `out`, handed on to `flush` whenever it holds `piece` bytes.
template <class Flush>
void emit_csv(const Result& result, std::string& out, std::size_t piece, Flush&& flush) {
  for (std::size_t c = 0; c < result.columns.size(); ++c) {
    if (c > 0) out += ',';
    append_field(out, result.columns[c].name);
  }
  out += "\r\n";
  for (const auto& row : result.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out += ',';
      append_cell(out, row[c]);
    }
    out += "\r\n";
    if (out.size() >= piece) flush();
  }
}

}  // namespace

std::string format_csv(const Result& result) {
  constexpr std::size_t kTypicalCell = 20;  // a full-precision number and its comma
  std::string out;
  out.reserve((result.rows.size() + 1) * (result.columns.size() * kTypicalCell + 2));
  emit_csv(result, out, std::string::npos, [] {});
  return out;
}

void write_csv(const Result& result, const std::function<void(std::string_view)>& write) {
  constexpr std::size_t kPiece = 64 * 1024;
  std::string out;
  out.reserve(kPiece + 4096);
  const auto flush = [&] {
    write(out);
    out.clear();
  };
  emit_csv(result, out, kPiece, flush);
  if (!out.empty()) flush();
}

}  // namespace tarniq::request
