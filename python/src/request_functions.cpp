// The request layer, for tarniq.request: one verb and its options run as the command line runs them.
#include "bindings.hpp"
#include "conversions.hpp"
#include "request/output/formats.hpp"
#include "request/pdf/pdf_drawing.hpp"
#include "request/request.hpp"
#include "request/verbs/verb_table.hpp"

namespace tarniq::python {
namespace {

using namespace pybind11::literals;

// Runs the request with the GIL released; files it names are read from disk.
// A dict of the outcome: "status" (0 done, 1 no solution, 2 usage), "error",
// "option" (the option a usage error is about), and for a result "document"
// (the JSON text tarniq-cli prints), "columns", "plot_svg" and "files" (the
// drawings and models the request names, as (file name, bytes)).
py::dict run(const std::string& verb, const request::Options& options) {
  request::Outcome outcome;
  std::string document;
  {
    py::gil_scoped_release unlocked;
    request::Settings settings;
    settings.read_file = request::read_file_from_disk;
    settings.render_pdf = request::pdf::render_pdf;
    outcome = request::run_request(verb, options, settings);
    if (outcome.status == request::Status::ok) document = request::format_json(outcome.result);
  }
  py::list columns;
  for (const auto& column : outcome.result.columns) columns.append(column.name);
  py::list files;  // (file name, bytes) of the drawings and models asked for
  for (const auto& file : outcome.result.files) files.append(py::make_tuple(file.name, py::bytes(file.bytes)));
  return py::dict("status"_a = static_cast<int>(outcome.status), "error"_a = outcome.error, "option"_a = outcome.option,
                  "document"_a = document, "columns"_a = columns, "plot_svg"_a = outcome.result.plot_svg,
                  "files"_a = files);
}

// The verb table: each verb's name, summary, example and options (name,
// value name, empty for a flag, and help line).
py::list verbs() {
  py::list all;
  for (const auto& verb : request::verb_table()) {
    py::list options;
    for (const auto& option : verb.options)
      options.append(py::dict("name"_a = std::string(option.name), "value"_a = std::string(option.value_name),
                              "help"_a = request::help_line(verb, option)));
    all.append(py::dict("name"_a = std::string(verb.name), "summary"_a = std::string(verb.summary),
                        "example"_a = std::string(verb.example), "options"_a = options));
  }
  return all;
}

}  // namespace

void bind_requests(py::module_& m) {
  m.def("_run_request", &run, "verb"_a, "options"_a,
        "Runs one request through the request layer; tarniq.request is the way to call it.");
  m.def("_verbs", &verbs, "The request layer's verbs and their options, for tarniq.request's help.");
}

}  // namespace tarniq::python
