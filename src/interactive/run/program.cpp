// The command line, and the one place where a run's failures are reported.
#include "run/program.hpp"

#include <exception>
#include <new>

#include "textio/fatal_error.hpp"

namespace tarniq::run {
namespace {

constexpr std::string_view kUsage =
    R"(Usage: tarniq [REPORT]
       tarniq --help | --version

Designs pyramidal horns fed from a rectangular waveguide to prescribed E- and
H-plane beamwidths, and analyses the gain and beamwidths of horn dimensions
over a frequency sweep. The program asks its questions one at a time on the
console; type each answer and press Enter. Tables go to the console and to
the report file named at the first question; REPORT is used when that name is
left blank.

Answer files run a whole session:
  tarniq < examples/xband_rectangular.txt

A run ends with units 0, or with a phase-deviation step of 0 (answer 0 0 0).
)";

void diagnostic_line(std::ostream& diagnostics, std::string_view text) {
  diagnostics << kDiagnosticPrefix << ": " << text << std::endl;
}

}  // namespace

CommandLineRequest command_line_request(std::span<const std::string> arguments) {
  if (arguments.size() != 1) return CommandLineRequest::Run;
  if (arguments[0] == "--help") return CommandLineRequest::Help;
  if (arguments[0] == "--version") return CommandLineRequest::Version;
  return CommandLineRequest::Run;
}

std::string_view usage_text() { return kUsage; }

int run_to_exit(Session& session, std::ostream& diagnostics) {
  try {
    TARNIQ(session);
    session.console.finish();
    return 0;
  } catch (const textio::FatalError& error) {
    session.console.finish();
    diagnostic_line(diagnostics, error.describe());
    if (const std::string explanation = error.explain(); !explanation.empty())
      diagnostic_line(diagnostics, explanation);
    return error.exit_status();
  } catch (const std::bad_alloc&) {
    session.console.finish();
    diagnostic_line(diagnostics, "internal error: out of memory");
  } catch (const std::exception& error) {
    session.console.finish();
    diagnostic_line(diagnostics, std::string("internal error: ") + error.what());
  } catch (...) {
    session.console.finish();
    diagnostic_line(diagnostics, "internal error: an exception of unknown type");
  }
  return kInternalErrorStatus;
}

}  // namespace tarniq::run
