// What the page receives from a request: everything it shows and offers for download, as one JSON text.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "request/parse/options.hpp"

namespace tarniq::web {

// The texts of the files a request reads, by the name it gives each.
using FileTexts = std::map<std::string, std::string, std::less<>>;

// The verbs and their options from the request layer's one table:
// [{"name", "summary", "example", "options": [{"name", "value", "help",
// "need", "unless", "with", "kind"}]}]: "value" is the value's name ("" for
// a flag), "help" the option's own line without what makes it required;
// "need" is "optional", "required" (unless one of the options in "unless"
// is given) or "with_option" (required with the option "with"), "kind"
// "plain", "length" (lengths in --units) or "file".
std::string verbs_json();

// Runs the request, with its plot where the verb draws one, and answers
// {"status", "error", "option"}: the command line's status (0 done, 1 no
// result, 2 a mistake in the request) or 70 for a fault of the program, the
// message, and the option a mistake is about (no dashes; empty for none).
// When done it adds "columns" ([{"name", "text"}]), "cells" (each row's texts
// rounded as the text table rounds them), the command line's outputs
// "json", "csv" and "svg", and "files" ([{"option", "name", "base64"}]: the
// parts verb's DXF drawing and STL model). `files` holds the texts of the
// files the request may read (a pattern file, a design's JSON), by the name
// the request gives them. Never throws.
std::string run_json(std::string_view verb, request::Options options,
                     const FileTexts& files = {});

}  // namespace tarniq::web
