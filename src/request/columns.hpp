// Columns as data: one table per verb of (name, quantity, precision, value) builds its rows.
#pragma once

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "request/parse/units.hpp"
#include "request/result.hpp"

namespace tarniq::request {

// What a column holds; it fixes the unit suffix of the name and the
// conversion from the library's value.
enum class Quantity {
  plain,      // no unit (phase deviation S): no suffix
  length,     // metres from the library, the request's unit out: "_cm"
  frequency,  // hertz from the library, GHz out: "_ghz"
  angle,      // degrees: "_deg"
  gain,       // dBi: "_dbi"
  level,      // a level or ratio in dB: "_db"
  text,       // a name: no suffix
};

// The value of one column for a record, in the library's units (metres,
// hertz), or text; empty (or not finite) for "no value".
using Value = std::variant<std::monostate, double, std::string>;

template <class Record>
struct ColumnDefinition {
  std::string_view name;  // without its unit suffix
  Quantity quantity;
  int decimals;           // for the text table; lengths take their unit's
  Value (*value)(const Record&);
};

// Helper for getters: an optional number as a Value.
inline Value maybe(const std::optional<double>& number) {
  if (number) return *number;
  return std::monostate{};
}

std::string column_name(std::string_view name, Quantity quantity, LengthUnit unit);
Cell to_cell(const Value& value, Quantity quantity, LengthUnit unit);

template <class Record>
std::vector<Column> make_columns(std::span<const ColumnDefinition<Record>> definitions, LengthUnit unit) {
  std::vector<Column> columns;
  for (const auto& definition : definitions)
    columns.push_back({column_name(definition.name, definition.quantity, unit),
                       definition.quantity == Quantity::length ? length_decimals(unit) : definition.decimals,
                       definition.quantity == Quantity::text});
  return columns;
}

// Fills result.columns and result.rows from the records.
template <class Record>
void tabulate(Result& result, std::span<const ColumnDefinition<Record>> definitions, std::span<const Record> records,
              LengthUnit unit) {
  result.columns = make_columns(definitions, unit);
  result.rows.start(definitions.size());
  result.rows.reserve(records.size());
  for (const auto& record : records)
    for (const auto& definition : definitions)
      result.rows.add_cell(to_cell(definition.value(record), definition.quantity, unit));
}

// The same from records made one at a time, record(i) for i below count,
// where holding them all would only copy what the caller already holds.
template <class Record, class MakeRecord>
void tabulate_each(Result& result, std::span<const ColumnDefinition<Record>> definitions, std::size_t count,
                   MakeRecord&& record, LengthUnit unit) {
  result.columns = make_columns(definitions, unit);
  result.rows.start(definitions.size());
  result.rows.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const Record made = record(i);
    for (const auto& definition : definitions)
      result.rows.add_cell(to_cell(definition.value(made), definition.quantity, unit));
  }
}

// Index of the column with this name in the result, or the column count.
std::size_t column_index(const Result& result, std::string_view name);

}  // namespace tarniq::request
