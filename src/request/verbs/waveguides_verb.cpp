// The waveguides verb: the standard catalogue, or the guides whose band holds a frequency.
#include <array>

#include "request/columns.hpp"
#include "request/output/number_text.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/units.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq::request {
namespace {

using Definition = ColumnDefinition<Waveguide>;
using R = const Waveguide&;
// The other systems' names come last, so that the EIA columns keep their places.
constexpr std::array<Definition, 8> columns{{
    {"name", Quantity::text, 0, [](R r) -> Value { return r.name; }},
    {"width", Quantity::length, 3, [](R r) -> Value { return r.width; }},
    {"height", Quantity::length, 3, [](R r) -> Value { return r.height; }},
    {"te10_cutoff", Quantity::frequency, 3, [](R r) -> Value { return te10_cutoff(r); }},
    {"band_low", Quantity::frequency, 2, [](R r) -> Value { return r.band->low; }},
    {"band_high", Quantity::frequency, 2, [](R r) -> Value { return r.band->high; }},
    {"iec_name", Quantity::text, 0, [](R r) -> Value { return std::string(waveguide_names(r)->iec); }},
    {"british_name", Quantity::text, 0, [](R r) -> Value { return std::string(waveguide_names(r)->british); }},
}};

}  // namespace

Result waveguides_verb(const VerbContext& context) {
  const std::optional<double> ghz = context.options.optional_positive("frequency");
  std::vector<Waveguide> guides;
  if (ghz) {
    guides = waveguides_for_frequency(to_hertz(*ghz, *context.options.text("frequency")));
  } else {
    const auto all = standard_waveguides();
    guides.assign(all.begin(), all.end());
  }
  Result result;
  result.input["frequency_ghz"] = ghz ? nlohmann::ordered_json(*ghz) : nlohmann::ordered_json(nullptr);
  tabulate<Waveguide>(result, columns, guides, context.unit);
  if (ghz && guides.empty())
    result.warnings.push_back({"no_waveguide",
                               "No standard waveguide has " + short_text(*ghz, 6) + " GHz in its recommended band.",
                               {}});
  return result;
}

}  // namespace tarniq::request
