// The waveguides verb: the standard catalogue, or the guides whose band holds a frequency.
#include <array>

#include "request/columns.hpp"
#include "request/output/number_text.hpp"
#include "request/verbs/verbs.hpp"
#include "tarniq/units.hpp"
#include "tarniq/waveguide.hpp"

namespace tarniq::cli {
namespace {

using Spec = ColumnSpec<StandardWaveguide>;
using R = const StandardWaveguide&;
constexpr std::array<Spec, 6> columns{{
    {"name", Quantity::text, 0, [](R r) -> Value { return std::string(r.name); }},
    {"width", Quantity::length, 3, [](R r) -> Value { return r.width; }},
    {"height", Quantity::length, 3, [](R r) -> Value { return r.height; }},
    {"te10_cutoff", Quantity::frequency, 3, [](R r) -> Value { return te10_cutoff(to_waveguide(r)); }},
    {"band_low", Quantity::frequency, 2, [](R r) -> Value { return r.band_low; }},
    {"band_high", Quantity::frequency, 2, [](R r) -> Value { return r.band_high; }},
}};

}  // namespace

Result waveguides_verb(const VerbContext& context) {
  const std::optional<double> ghz = context.options.optional_positive("frequency");
  std::vector<StandardWaveguide> guides;
  if (ghz) {
    guides = waveguides_for_frequency(to_hertz(*ghz, *context.options.text("frequency")));
  } else {
    const auto all = standard_waveguides();
    guides.assign(all.begin(), all.end());
  }
  Result result;
  result.input["frequency_ghz"] = ghz ? nlohmann::ordered_json(*ghz) : nlohmann::ordered_json(nullptr);
  tabulate<StandardWaveguide>(result, columns, guides, context.unit);
  if (ghz && guides.empty())
    result.warnings.push_back({"no_waveguide", "No standard waveguide has " + short_text(*ghz, 6) +
                                                   " GHz in its recommended band."});
  return result;
}

}  // namespace tarniq::cli
