// One whole run of the program over injected console streams and report opener.
#pragma once

#include <string>
#include <vector>

#include "textio/console.hpp"
#include "textio/console_input.hpp"
#include "textio/report.hpp"

namespace tarniq::run {

struct Session {
  textio::ConsoleInput& input;
  textio::Console& console;
  textio::ReportOpener open_report;
  std::vector<std::string> arguments;  // command-line arguments, program name excluded
};

// The program: the dialog, then design tables and frequency responses in
// turn until the user ends the run (units 0 or a step of 0), which writes the
// stop line and returns. Input and file errors are thrown as
// textio::FatalError, after which the report holds every record written.
void TARNIQ(Session& session);

}  // namespace tarniq::run
