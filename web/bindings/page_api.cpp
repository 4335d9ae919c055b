// The page's entry points into WebAssembly: the verb table, and one request run through the request layer.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "page_response.hpp"

namespace {

// The options arrive as a plain object of option name to text (the request
// layer checks names and values, as it does for the command line), the files
// a request reads as one of file name to text.
tarniq::request::Options options_from(const emscripten::val& object) {
  tarniq::request::Options options;
  const emscripten::val keys = emscripten::val::global("Object").call<emscripten::val>("keys", object);
  const auto count = keys["length"].as<unsigned>();
  for (unsigned i = 0; i < count; ++i) {
    const auto name = keys[i].as<std::string>();
    options[name] = object[name].as<std::string>();
  }
  return options;
}

std::string run(const std::string& verb, const emscripten::val& options, const emscripten::val& files) {
  return tarniq::web::run_json(verb, options_from(options), options_from(files));
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarniq_page) {
  emscripten::function("verbs", &tarniq::web::verbs_json);
  emscripten::function("run", &run);
}
