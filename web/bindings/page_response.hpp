// What the page receives from a request: everything it shows and offers for download, as one JSON text.
#pragma once

#include <string>
#include <string_view>

#include "request/parse/options.hpp"

namespace tarniq::web {

// The verbs and their options from the command line's own table:
// [{"name", "summary", "example", "options": [{"name", "value", "help"}]}].
std::string verbs_json();

// Runs the request, with its plot where the verb draws one, and answers
// {"status", "error"}: the command line's status (0 done, 1 no result, 2 a
// mistake in the request) or 70 for a fault of the program, and the message.
// When done it adds "columns" ([{"name", "text"}]), "cells" (each row's texts
// rounded as the text table rounds them), and the command line's outputs
// "json", "csv" and "svg". Never throws.
std::string run_json(std::string_view verb, request::Options options);

}  // namespace tarniq::web
