// The request layer's entry: a verb and its options in, a result or an error out, never thrown.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "request/output/formats.hpp"
#include "request/parse/options.hpp"
#include "request/parts/sheet.hpp"
#include "request/parts/tiles.hpp"
#include "request/result.hpp"

namespace tarniq::request {

// How a request ended; the values are the command line's exit statuses.
enum class Status {
  ok = 0,
  no_solution = 1,  // well-formed, but no horn or no row answers it (or a search gave up)
  usage = 2,        // a mistake in the request: unknown verb or option, a bad value, a file that cannot be read
};

// The contents of a file a request names (--from, a pattern file), or empty
// with the reason in `error` when it cannot be read.
struct FileText {
  std::optional<std::string> text;
  std::string error;
};
using FileReader = std::function<FileText(const std::string& path)>;

// Draws a sheet at 1:1 as PDF pages on the paper, or throws
// std::runtime_error saying why it cannot. A build without PDF (the web
// page) has none, and refuses --drawing FILE.pdf.
using PdfRenderer = std::function<std::string(const Sheet& sheet, Paper paper)>;

// What the caller allows and provides.
struct Settings {
  std::size_t max_rows = 100000;  // the most rows a range may ask for
  FileReader read_file;           // none: a request that names a file is refused
  PdfRenderer render_pdf = {};    // none: no PDF drawings
};

struct Outcome {
  Status status = Status::ok;
  std::string error;   // for a failure: one line naming the option and value, or the reason
  std::string option;  // the option a usage error is about (no dashes), or empty
  Format format = Format::table;
  Result result;
};

// Runs one verb. Options are long option names without dashes ("frequency",
// "waveguide-size") with their text; "output" is the caller's and ignored
// here; "plot" (any value) asks for the SVG plot in result.plot_svg; the
// files that other options name (a drawing, a model) come in result.files.
Outcome run_request(std::string_view verb, const Options& options, const Settings& settings = {});

// Reads a file from the file system, for callers that have one.
FileText read_file_from_disk(const std::string& path);

}  // namespace tarniq::request
