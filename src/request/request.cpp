// Running a request: the verb and its options checked, the verb run, every failure turned into an outcome.
#include "request/request.hpp"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>
#include <sstream>

#include "request/verbs/verb_table.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::request {
namespace {

std::vector<std::string_view> option_names(const VerbDefinition& verb) {
  std::vector<std::string_view> names;
  for (const auto& option : verb.options) names.push_back(option.name);
  return names;
}

std::string suggestion(std::string_view given, const std::vector<std::string_view>& known, std::string_view dashes) {
  const std::string nearest = nearest_name(given, known);
  return nearest.empty() ? std::string{} : "; did you mean " + std::string(dashes) + nearest + "?";
}

void check_option_names(const VerbDefinition& verb, const Options& options) {
  for (const auto& [name, value] : options)
    if (find_option(verb, name) == nullptr)
      throw UsageError(name, "unknown option " + in_quotes("--" + name) + " for " + std::string(verb.name) +
                                 suggestion(name, option_names(verb), "--"));
}

// Every missing option named at once, after any option given without the
// one it goes with.
void check_needed_options(const VerbDefinition& verb, const Options& options) {
  for (const auto& option : verb.options) {
    if (option.with.empty() || options.find(option.name) == options.end()) continue;
    const auto with = options.find(option.with);
    if (with == options.end() || with->second == "false")
      throw UsageError(option.name, "--" + std::string(option.name) + " needs --" + std::string(option.with));
  }
  const std::vector<std::string> missing = missing_options(verb, options);
  if (missing.empty()) return;
  std::string list;
  for (std::size_t i = 0; i < missing.size(); ++i)
    list += (i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ") + missing[i];
  const std::string first = missing.front().substr(2, missing.front().find(' ') - 2);
  throw UsageError(first, "missing " + list);
}

// A plot is SVG, and its file says so.
void check_plot_name(const OptionReader& options) {
  const auto name = options.text("plot");
  if (!name) return;
  std::string extension = name->size() >= 4 ? name->substr(name->size() - 4) : std::string{};
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension != ".svg")
    throw UsageError("plot", "--plot " + in_quotes(*name) + " does not end in .svg: plots are SVG drawings");
}

Result run_verb(const VerbDefinition& verb, const Options& options, const Settings& settings, Format& format) {
  check_option_names(verb, options);
  const OptionReader reader(options);
  format = reader.choice("format", {{"table", Format::table}, {"csv", Format::csv}, {"json", Format::json}},
                         Format::table);
  // The catalogue is published in inches; every other verb works in centimetres.
  const LengthUnit fallback = verb.name == "waveguides" ? LengthUnit::in : LengthUnit::cm;
  const LengthUnit unit =
      reader.choice("units", {{"cm", LengthUnit::cm}, {"mm", LengthUnit::mm}, {"in", LengthUnit::in}}, fallback);
  check_needed_options(verb, options);
  check_plot_name(reader);
  const VerbContext context{reader, unit, reader.has("plot"), settings.max_rows, settings.read_file,
                            settings.render_pdf};
  Result result = verb.run(context);
  result.verb = std::string(verb.name);
  result.units = std::string(unit_name(unit));
  return result;
}

void fail(Outcome& outcome, Status status, std::string message, std::string option = {}) {
  outcome.status = status;
  outcome.error = std::move(message);
  outcome.option = std::move(option);
}

}  // namespace

Outcome run_request(std::string_view verb, const Options& options, const Settings& settings) {
  Outcome outcome;
  const VerbDefinition* definition = find_verb(verb);
  if (definition == nullptr) {
    std::vector<std::string_view> names;
    for (const auto& known : verb_table()) names.push_back(known.name);
    fail(outcome, Status::usage, "unknown verb " + in_quotes(verb) + " (" + verb_names() + ")" +
                                     suggestion(verb, names, ""));
    return outcome;
  }
  try {
    outcome.result = run_verb(*definition, options, settings, outcome.format);
  } catch (const UsageError& error) {
    fail(outcome, Status::usage, error.what(), error.option());
  } catch (const NoSolution& error) {
    fail(outcome, Status::no_solution, error.what());
  } catch (const SearchFailed& error) {
    fail(outcome, Status::no_solution, std::string("the search gave up: ") + error.what());
  } catch (const InvalidArgument& error) {
    // The library refused a value the request let through (a horn it cannot
    // build): no result, as for NoSolution.
    fail(outcome, Status::no_solution, error.what());
  } catch (const std::bad_alloc&) {
    fail(outcome, Status::no_solution, "out of memory");
  }
  return outcome;
}

FileText read_file_from_disk(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {std::nullopt, std::strerror(errno)};
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return {std::nullopt, std::strerror(errno)};
  return {text.str(), {}};
}

}  // namespace tarniq::request
