// Fuzz target: any text as a feed pattern file, read and, when it reads, fed to a dish.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "request/parse/pattern_file.hpp"
#include "tarniq/dish.hpp"
#include "tarniq/errors.hpp"

using namespace tarniq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text{reinterpret_cast<const char*>(data), size};
  TabulatedFeed feed;
  try {
    feed = request::read_pattern_file(text);
  } catch (const request::PatternFileError& error) {
    if (error.line() == 0 || std::string_view(error.what()).empty()) std::abort();  // every fault has its place
    return 0;
  }
  // What reads is a feed the library takes: efficiencies are fractions.
  const std::vector<double> edges = {30.0, 64.0, 120.0};
  for (const DishIllumination& row : dish_illumination(feed, edges)) {
    for (const double part : {row.spillover, row.taper, row.phase, row.polarization, row.aperture})
      if (!(part >= 0.0 && part <= 1.0 + 1e-9)) std::abort();
  }
  return 0;
}
