// Building the page's answer from the request layer's outcome and output formats.
#include "page_response.hpp"

#include <nlohmann/json.hpp>

#include "request/output/formats.hpp"
#include "request/output/number_text.hpp"
#include "request/request.hpp"
#include "request/verbs/verb_specs.hpp"

namespace tarniq::web {
namespace {

using nlohmann::json;

// A fault of the program rather than of the request: 70, the status the
// interactive program ends with on one.
constexpr int internal_error_status = 70;

// A cell as the text table shows it.
std::string shown_text(const cli::Cell& cell, const cli::Column& column) {
  if (const auto* number = std::get_if<double>(&cell)) return cli::fixed_text(*number, column.decimals);
  if (const auto* text = std::get_if<std::string>(&cell)) return *text;
  return {};
}

json columns_json(const cli::Result& result) {
  json columns = json::array();
  for (const auto& column : result.columns) columns.push_back({{"name", column.name}, {"text", column.text}});
  return columns;
}

json cells_json(const cli::Result& result) {
  json rows = json::array();
  for (const auto& row : result.rows) {
    json shown = json::array();
    for (std::size_t c = 0; c < row.size(); ++c) shown.push_back(shown_text(row[c], result.columns[c]));
    rows.push_back(std::move(shown));
  }
  return rows;
}

std::string dump(const json& document) {
  // Text typed by a user (a waveguide name) may be invalid UTF-8.
  return document.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string verbs_json() {
  json verbs = json::array();
  for (const auto& verb : cli::verb_specs()) {
    json options = json::array();
    for (const auto& option : verb.options)
      options.push_back({{"name", option.name}, {"value", option.value_name}, {"help", option.help}});
    verbs.push_back(
        {{"name", verb.name}, {"summary", verb.summary}, {"example", verb.example}, {"options", std::move(options)}});
  }
  return dump(verbs);
}

std::string run_json(std::string_view verb, cli::Options options) {
  try {
    const cli::VerbSpec* spec = cli::find_verb(verb);
    // The page shows every plot the verb can draw; the file name is the page's.
    if (spec != nullptr && cli::find_option(*spec, "plot") != nullptr) options["plot"] = "plot.svg";
    const cli::Outcome outcome = cli::run_request(verb, options);
    json answer = {{"status", static_cast<int>(outcome.status)}, {"error", outcome.error}};
    if (outcome.status == cli::Status::ok) {
      answer["columns"] = columns_json(outcome.result);
      answer["cells"] = cells_json(outcome.result);
      answer["json"] = cli::format_json(outcome.result);
      answer["csv"] = cli::format_csv(outcome.result);
      answer["svg"] = outcome.result.plot_svg;
    }
    return dump(answer);
  } catch (const std::exception& error) {
    // A fault of the program rather than of the request: said as such, and
    // the page stays usable.
    return dump({{"status", internal_error_status}, {"error", std::string("internal error: ") + error.what()}});
  }
}

}  // namespace tarniq::web
