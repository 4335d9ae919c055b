// The text table: aligned columns under their names, warnings after.
#include <algorithm>

#include "request/output/formats.hpp"
#include "request/output/number_text.hpp"

namespace tarniq::request {
namespace {

std::string cell_text(CellRef cell, const Column& column) {
  if (const auto* number = cell.number()) return fixed_text(*number, column.decimals);
  if (const auto* text = cell.text()) return *text;
  return {};
}

}  // namespace

std::string format_table(const Result& result) {
  constexpr std::string_view gap = "  ";
  const std::size_t count = result.columns.size();
  std::vector<std::vector<std::string>> cells(result.rows.size());
  std::vector<std::size_t> widths(count);
  for (std::size_t c = 0; c < count; ++c) widths[c] = result.columns[c].name.size();
  for (std::size_t r = 0; r < result.rows.size(); ++r) {
    for (std::size_t c = 0; c < count; ++c) {
      cells[r].push_back(cell_text(result.rows[r][c], result.columns[c]));
      widths[c] = std::max(widths[c], cells[r][c].size());
    }
  }
  std::string out;
  const auto append_line = [&](auto&& text_of) {
    std::string line;
    for (std::size_t c = 0; c < count; ++c) {
      const std::string& text = text_of(c);
      const std::string padding(widths[c] - text.size(), ' ');
      if (c > 0) line += gap;
      line += result.columns[c].text ? text + padding : padding + text;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + '\n';
  };
  append_line([&](std::size_t c) -> const std::string& { return result.columns[c].name; });
  for (const auto& row : cells) append_line([&](std::size_t c) -> const std::string& { return row[c]; });
  if (!result.warnings.empty()) {
    out += '\n';
    for (const auto& warning : result.warnings) out += "warning: " + warning.message + '\n';
  }
  return out;
}

}  // namespace tarniq::request
