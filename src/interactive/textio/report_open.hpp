// Opening the report under the name the user typed, or another when it is blank.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "textio/console.hpp"
#include "textio/console_input.hpp"
#include "textio/report.hpp"

namespace tarniq::textio {

// Opens the report named `typed_name` (its blanks removed). A blank name
// falls back to the first non-blank command-line argument, and failing that
// the console asks "UNIT 66? " until a non-blank line is typed. Errors in
// opening are thrown by `opener`.
std::unique_ptr<ReportChannel> open_report(std::string_view typed_name,
                                           std::span<const std::string> arguments,
                                           Console& console, ConsoleInput& input,
                                           const ReportOpener& opener);

}  // namespace tarniq::textio
