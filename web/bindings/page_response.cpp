// Building the page's answer from the request layer's outcome and output formats.
#include "page_response.hpp"

#include <algorithm>

#include <nlohmann/json.hpp>

#include <cstdint>

#include "request/output/formats.hpp"
#include "request/output/number_text.hpp"
#include "request/request.hpp"
#include "request/verbs/verb_table.hpp"

namespace tarniq::web {
namespace {

using nlohmann::json;

// A fault of the program rather than of the request: 70, the status the
// interactive program ends with on one.
constexpr int internal_error_status = 70;

// A cell as the text table shows it.
std::string shown_text(request::CellRef cell, const request::Column& column) {
  if (const auto* number = cell.number()) return request::fixed_text(*number, column.decimals);
  if (const auto* text = cell.text()) return *text;
  return {};
}

json columns_json(const request::Result& result) {
  json columns = json::array();
  for (const auto& column : result.columns) columns.push_back({{"name", column.name}, {"text", column.text}});
  return columns;
}

json cells_json(const request::Result& result) {
  json rows = json::array();
  for (const auto& row : result.rows) {
    json shown = json::array();
    for (std::size_t c = 0; c < row.size(); ++c) shown.push_back(shown_text(row[c], result.columns[c]));
    rows.push_back(std::move(shown));
  }
  return rows;
}

// Bytes as base64 (RFC 4648, padded), for files inside the JSON answer.
std::string base64(std::string_view bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (left > 1) group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    if (left > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
    text += kDigits[(group >> 18) & 63];
    text += kDigits[(group >> 12) & 63];
    text += left > 1 ? kDigits[(group >> 6) & 63] : '=';
    text += left > 2 ? kDigits[group & 63] : '=';
  }
  return text;
}

json files_json(const request::Result& result) {
  json files = json::array();
  for (const auto& file : result.files)
    files.push_back({{"option", file.option}, {"name", file.name}, {"base64", base64(file.bytes)}});
  return files;
}

std::string dump(const json& document) {
  // Text typed by a user (a waveguide name) may be invalid UTF-8.
  return document.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string_view need_name(request::Need need) {
  switch (need) {
    case request::Need::required: return "required";
    case request::Need::with_option: return "with_option";
    case request::Need::optional: break;
  }
  return "optional";
}

std::string_view kind_name(request::ValueKind kind) {
  switch (kind) {
    case request::ValueKind::length: return "length";
    case request::ValueKind::input: return "input";
    case request::ValueKind::file: return "file";
    case request::ValueKind::plain: break;
  }
  return "plain";
}

// The stand-ins of a required option that the verb has.
json stand_ins(const request::VerbDefinition& verb, std::string_view unless) {
  json names = json::array();
  while (!unless.empty()) {
    const std::string_view name = unless.substr(0, unless.find(' '));
    if (request::find_option(verb, name) != nullptr) names.push_back(name);
    unless.remove_prefix(std::min(unless.size(), name.size() + 1));
  }
  return names;
}

json option_json(const request::VerbDefinition& verb, const request::OptionDefinition& option) {
  return {{"name", option.name}, {"value", option.value_name}, {"help", option.help},
          {"need", need_name(option.need)}, {"unless", stand_ins(verb, option.unless)}, {"with", option.with},
          {"kind", kind_name(option.kind)}};
}

}  // namespace

std::string verbs_json() {
  json verbs = json::array();
  for (const auto& verb : request::verb_table()) {
    json options = json::array();
    for (const auto& option : verb.options) options.push_back(option_json(verb, option));
    verbs.push_back(
        {{"name", verb.name}, {"summary", verb.summary}, {"example", verb.example}, {"options", std::move(options)}});
  }
  return dump(verbs);
}

namespace {

// The files a request reads come with it: the page cannot open the user's
// files by name.
request::FileText chosen_file(const FileTexts& files, const std::string& name) {
  const auto found = files.find(name);
  if (found == files.end()) return {std::nullopt, "choose the file again"};
  return {found->second, {}};
}

}  // namespace

std::string run_json(std::string_view verb, request::Options options, const FileTexts& files) {
  try {
    const request::VerbDefinition* definition = request::find_verb(verb);
    // The page shows every plot the verb can draw; the file name is the page's.
    if (definition != nullptr && request::find_option(*definition, "plot") != nullptr) options["plot"] = "plot.svg";
    // The parts view offers the drawing as DXF and the model as STL (its plot
    // is the SVG drawing); the file names are the page's.
    if (verb == "parts") {
      options["drawing"] = "parts.dxf";
      options["model"] = "parts.stl";
    }
    request::Settings settings;
    settings.read_file = [&files](const std::string& name) { return chosen_file(files, name); };
    const request::Outcome outcome = request::run_request(verb, options, settings);
    json answer = {{"status", static_cast<int>(outcome.status)}, {"error", outcome.error}, {"option", outcome.option}};
    if (outcome.status == request::Status::ok) {
      answer["columns"] = columns_json(outcome.result);
      answer["cells"] = cells_json(outcome.result);
      answer["json"] = request::format_json(outcome.result);
      answer["csv"] = request::format_csv(outcome.result);
      answer["svg"] = outcome.result.plot_svg;
      answer["files"] = files_json(outcome.result);
    }
    return dump(answer);
  } catch (const std::exception& error) {
    // A fault of the program rather than of the request: said as such, and
    // the page stays usable.
    return dump({{"status", internal_error_status}, {"error", std::string("internal error: ") + error.what()}});
  }
}

}  // namespace tarniq::web
