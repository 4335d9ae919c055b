// JSON: the units, the inputs, the rows keyed by column name, the warnings.
#include "request/output/formats.hpp"

namespace tarniq::request {

std::string format_json(const Result& result) {
  using nlohmann::ordered_json;
  ordered_json rows = ordered_json::array();
  for (const auto& row : result.rows) {
    ordered_json object = ordered_json::object();
    for (std::size_t c = 0; c < result.columns.size(); ++c) {
      const CellRef cell = row[c];
      if (const auto* number = cell.number()) {
        object[result.columns[c].name] = *number;
      } else if (const auto* text = cell.text()) {
        object[result.columns[c].name] = *text;
      } else {
        object[result.columns[c].name] = nullptr;
      }
    }
    rows.push_back(std::move(object));
  }
  ordered_json warnings = ordered_json::array();
  for (const auto& warning : result.warnings)
    warnings.push_back({{"code", warning.code}, {"message", warning.message}, {"rows", warning.rows}});
  const ordered_json document = {{"verb", result.verb},
                                 {"units", result.units},
                                 {"input", result.input},
                                 {"rows", std::move(rows)},
                                 {"warnings", std::move(warnings)}};
  // Invalid UTF-8 in a text cell (a waveguide name is typed by a user) is
  // replaced rather than thrown at the last step.
  return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

std::string format_result(const Result& result, Format format) {
  switch (format) {
    case Format::csv: return format_csv(result);
    case Format::json: return format_json(result);
    case Format::table: break;
  }
  return format_table(result);
}

}  // namespace tarniq::request
