// The program as the process sees it: what the command line asks for, and a
// whole run that ends in an exit status with nothing left unreported.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "run/session.hpp"

namespace tarniq::run {

enum class CommandLineRequest { Run, Help, Version };

// `--help` or `--version` as the only argument asks for the usage text or
// the version instead of a run. Any other command line is a run, whose first
// non-blank argument names the report when the name typed is blank.
CommandLineRequest command_line_request(std::span<const std::string> arguments);

// What `--help` prints.
std::string_view usage_text();

// The prefix of every diagnostic line on standard error.
inline constexpr std::string_view kDiagnosticPrefix = "tarniq";
// Exit status after a failure that is none of the fatal errors.
inline constexpr int kInternalErrorStatus = 70;

// Runs the program over `session` and returns the exit status; the one place
// where a run's failures are written to `diagnostics`. 0 after a normal
// stop. A fatal error gives its diagnostic line, a second line saying which
// answer or file was at fault, and the status C0000000 + n. Any other
// exception gives one line and kInternalErrorStatus. Every report record
// written before stays written.
int run_to_exit(Session& session, std::ostream& diagnostics);

}  // namespace tarniq::run
