// Runs the built tarniq-cli through the tests' one child-process helper.
#include "run_cli.hpp"

#include "support/program.hpp"

namespace tarniq::testing {

CliRun run_cli(const std::vector<std::string>& arguments, const std::filesystem::path& folder) {
  tarniq::testing::ChildProcess child({.folder = folder, .arguments = arguments, .program = TARNIQ_CLI_BINARY});
  const tarniq::testing::ProgramResult result = child.communicate("");
  return {result.out, result.err, result.status};
}

}  // namespace tarniq::testing
