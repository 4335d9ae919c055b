// The request layer's entry: a verb and its options in, a result or an error out, never thrown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "request/output/formats.hpp"
#include "request/parse/options.hpp"
#include "request/result.hpp"

namespace tarniq::cli {

// How a request ended; the values are the command line's exit statuses.
enum class Status {
  ok = 0,
  no_solution = 1,  // well-formed, but no horn or no row answers it
  usage = 2,        // a mistake in the request: unknown verb or option, a bad value
};

struct Limits {
  std::size_t max_rows = 100000;  // the most rows a range may ask for
};

struct Outcome {
  Status status = Status::ok;
  std::string error;  // for a failure: one line naming the option and value, or the reason
  Format format = Format::table;
  Result result;
};

// Runs one verb. Options are long option names without dashes ("frequency",
// "waveguide-size") with their text; "output" is the caller's and ignored
// here; "plot" (any value) asks for the SVG plot in result.plot_svg.
Outcome run_request(std::string_view verb, const Options& options, const Limits& limits = {});

}  // namespace tarniq::cli
