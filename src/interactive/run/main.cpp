// Program entry: the only place that touches the real process (standard
// streams, command line, exit status).
#include <unistd.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "run/program.hpp"
#include "run/session.hpp"

namespace {

// Even a failure that cannot unwind (an exception where none may pass) ends
// with one line and a status, not a bare abort.
[[noreturn]] void terminate_with_a_word() {
  constexpr std::string_view kLine = "tarniq: internal error: the program had to stop\n";
  (void)!::write(STDERR_FILENO, kLine.data(), kLine.size());
  ::_exit(tarniq::run::kInternalErrorStatus);
}

}  // namespace

int main(int argc, char** argv) {
  std::set_terminate(terminate_with_a_word);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  switch (tarniq::run::command_line_request(arguments)) {
    case tarniq::run::CommandLineRequest::Help:
      std::cout << tarniq::run::usage_text() << std::flush;
      return 0;
    case tarniq::run::CommandLineRequest::Version:
      std::cout << "tarniq " << TARNIQ_VERSION << std::endl;
      return 0;
    case tarniq::run::CommandLineRequest::Run:
      break;
  }
  tarniq::textio::ConsoleInput input{std::cin};
  tarniq::textio::Console console{std::cout, ::isatty(STDOUT_FILENO) != 0
                                                 ? tarniq::textio::Console::Mode::Terminal
                                                 : tarniq::textio::Console::Mode::Redirected};
  tarniq::run::Session session{input, console, tarniq::textio::open_report_file, arguments};
  return tarniq::run::run_to_exit(session, std::cerr);
}
