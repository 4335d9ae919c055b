// The tarniq-cli command line: verbs and options in, results to standard output or files, an exit status.
#pragma once

namespace tarniq::cli {

// Runs the program on its arguments; returns the exit status: 0 done, 1 no
// result (no solution, or an output that could not be written), 2 a usage
// mistake.
int run_command_line(int argc, const char* const* argv);

}  // namespace tarniq::cli
