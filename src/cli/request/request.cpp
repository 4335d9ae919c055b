// Running a request: the verb and its options checked, the verb run, every failure turned into an outcome.
#include "request/request.hpp"

#include <new>

#include "request/verbs/verb_specs.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/errors.hpp"

namespace tarniq::cli {
namespace {

using VerbFunction = Result (*)(const VerbContext&);

VerbFunction verb_function(std::string_view verb) {
  if (verb == "design") return design_verb;
  if (verb == "gain-design") return gain_design_verb;
  if (verb == "analyze") return analyze_verb;
  if (verb == "pattern") return pattern_verb;
  if (verb == "waveguides") return waveguides_verb;
  return nullptr;
}

void check_option_names(const VerbSpec& verb, const Options& options) {
  for (const auto& [name, value] : options)
    if (find_option(verb, name) == nullptr)
      throw UsageError("unknown option " + in_quotes("--" + name) + " for " + std::string(verb.name));
}

Result run_verb(const VerbSpec& verb, const Options& options, const Limits& limits, Format& format) {
  check_option_names(verb, options);
  const OptionReader reader(options);
  format = reader.choice("format", {{"table", Format::table}, {"csv", Format::csv}, {"json", Format::json}},
                         Format::table);
  // The catalogue is published in inches; every other verb works in centimetres.
  const LengthUnit fallback = verb.name == "waveguides" ? LengthUnit::in : LengthUnit::cm;
  const LengthUnit unit =
      reader.choice("units", {{"cm", LengthUnit::cm}, {"mm", LengthUnit::mm}, {"in", LengthUnit::in}}, fallback);
  const VerbContext context{reader, unit, reader.has("plot"), limits.max_rows};
  Result result = verb_function(verb.name)(context);
  result.verb = std::string(verb.name);
  result.units = std::string(unit_name(unit));
  return result;
}

}  // namespace

Outcome run_request(std::string_view verb, const Options& options, const Limits& limits) {
  Outcome outcome;
  const VerbSpec* spec = find_verb(verb);
  if (spec == nullptr || verb_function(verb) == nullptr) {
    outcome.status = Status::usage;
    outcome.error = "unknown verb " + in_quotes(verb) + " (design, gain-design, analyze, pattern, waveguides)";
    return outcome;
  }
  try {
    outcome.result = run_verb(*spec, options, limits, outcome.format);
  } catch (const UsageError& error) {
    outcome.status = Status::usage;
    outcome.error = error.what();
  } catch (const NoSolution& error) {
    outcome.status = Status::no_solution;
    outcome.error = error.what();
  } catch (const InvalidArgument& error) {
    // The library refused a value the request let through (a horn it cannot
    // build): no result, as for NoSolution.
    outcome.status = Status::no_solution;
    outcome.error = error.what();
  } catch (const std::bad_alloc&) {
    outcome.status = Status::no_solution;
    outcome.error = "out of memory";
  }
  return outcome;
}

}  // namespace tarniq::cli
