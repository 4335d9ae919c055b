// Runs the built tarniq-cli as a separate process and collects what it writes and its exit status.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarniq::testing {

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when ended by a signal
};

// Runs tarniq-cli with the arguments in the folder, standard input empty (at its end).
CliRun run_cli(const std::vector<std::string>& arguments, const std::filesystem::path& folder = ".");

}  // namespace tarniq::testing
