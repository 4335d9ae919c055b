// Runs the built program as a separate process, as a user or a script would.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarniq::testing {

struct ProgramResult {
  std::string out;   // standard output
  std::string err;   // standard error
  int status = -1;   // exit status (0 to 255), or -1 when ended by a signal
  int signal = 0;    // the signal that ended it, if any
};

// Starts the program in `folder` with `arguments`, feeds it `input` on
// standard input (then end of file) and collects its output.
ProgramResult run_program(const std::string& input, const std::filesystem::path& folder,
                          const std::vector<std::string>& arguments = {});

// The path of the built program.
std::string program_path();

}  // namespace tarniq::testing
