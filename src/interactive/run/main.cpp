// Program entry: the only place that touches the real process (standard
// streams, command line, exit status).
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "run/session.hpp"
#include "textio/fatal_error.hpp"

namespace {

constexpr const char* kDiagnosticPrefix = "tarniq";

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  tarniq::textio::ConsoleInput input{std::cin};
  tarniq::textio::Console console{std::cout, ::isatty(STDOUT_FILENO) != 0
                                                 ? tarniq::textio::Console::Mode::Terminal
                                                 : tarniq::textio::Console::Mode::Redirected};
  tarniq::run::Session session{input, console, tarniq::textio::open_report_file,
                               std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc)};
  try {
    tarniq::run::TARNIQ(session);
    console.finish();
    return 0;
  } catch (const tarniq::textio::FatalError& error) {
    console.finish();
    std::cerr << kDiagnosticPrefix << ": " << error.describe() << std::endl;
    return error.exit_status();
  }
}
