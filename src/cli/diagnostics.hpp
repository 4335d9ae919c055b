// The one place that writes tarniq-cli's errors and warnings, with their fixed prefixes.
#pragma once

#include <string_view>

namespace tarniq::cli {

// "tarniq-cli: error: MESSAGE", one line on standard error; with a verb (or
// "" for the program), a hint to its --help at the end of the line.
void report_error(std::string_view message);
void report_usage_error(std::string_view message, std::string_view verb);

// "tarniq-cli: warning: MESSAGE" on standard error.
void report_warning(std::string_view message);

}  // namespace tarniq::cli
