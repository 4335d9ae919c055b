// The output formats of a result: aligned text table, RFC 4180 CSV, JSON.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "request/result.hpp"

namespace tarniq::request {

enum class Format { table, csv, json };

// Aligned columns under one heading line of the column names, numbers right-
// aligned to each column's decimals, empty cells blank; then, after an empty
// line, one "warning: ..." line per warning.
std::string format_table(const Result& result);

// One header line of the column names, one record per row, CRLF line ends,
// numbers in full precision, empty cells empty; fields quoted only when they
// hold a comma, a quote or a line end.
std::string format_csv(const Result& result);

// The same CSV handed to `write` in pieces of about 64 kB, so that a long
// table is written without being held whole.
void write_csv(const Result& result, const std::function<void(std::string_view)>& write);

// One object: "verb", "units", "input", "rows" (objects keyed by the column
// names, null for no value, numbers in full precision) and "warnings"
// ({"code", "message"}); two-space indent, ends with a line end.
std::string format_json(const Result& result);

std::string format_result(const Result& result, Format format);

}  // namespace tarniq::request
