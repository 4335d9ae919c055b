// The program as a process: --help and --version, and failures that are none
// of the fatal errors.
#include "run/program.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "support/session.hpp"
#include "textio/fatal_error.hpp"

namespace tarniq::testing {
namespace {

using run::CommandLineRequest;

// Only --help or --version alone is a request; any other command line is a
// run whose arguments may name the report.
TEST(CommandLine, HelpAndVersionOnlyAsTheOnlyArgument) {
  const std::pair<std::vector<std::string>, CommandLineRequest> cases[] = {
      {{"--help"}, CommandLineRequest::Help},   {{"--version"}, CommandLineRequest::Version},
      {{}, CommandLineRequest::Run},            {{"report.txt"}, CommandLineRequest::Run},
      {{"--help", "x"}, CommandLineRequest::Run}, {{"x", "--version"}, CommandLineRequest::Run},
      {{"-h"}, CommandLineRequest::Run},        {{" --help"}, CommandLineRequest::Run},
  };
  for (const auto& [arguments, request] : cases)
    EXPECT_EQ(run::command_line_request(arguments), request) << ::testing::PrintToString(arguments);
}

// The usage text and the version go to standard output, with status 0, no
// dialog and no file; before, `tarniq --help` made a report named "--help".
TEST(CommandLine, HelpAndVersionRunNoDialog) {
  TempDir folder;
  const ProgramResult help = run_program("\n0\n", folder.path(), {"--help"});
  EXPECT_EQ(help.out, run::usage_text());
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.status, 0);
  const ProgramResult version = run_program("\n0\n", folder.path(), {"--version"});
  EXPECT_TRUE(std::regex_match(version.out, std::regex("tarniq [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  // With a second argument, the first still names a report left blank.
  const ProgramResult named = run_program("\n0\n", folder.path(), {"--version", "x"});
  EXPECT_EQ(named.status, 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "--version"));
}

// A report channel that fails in a way no fatal error covers, after taking
// `good_writes` records.
class FailingReport final : public textio::ReportChannel {
 public:
  FailingReport(textio::MemoryReport& kept, int good_writes, int failure)
      : kept_(kept), good_writes_(good_writes), failure_(failure) {}
  void write(const textio::Records& records) override {
    if (good_writes_-- == 0) {
      if (failure_ == 0) throw std::runtime_error("disk on fire");
      if (failure_ == 1) throw std::bad_alloc();
      throw 42;
    }
    kept_.write(records);
  }

 private:
  textio::MemoryReport& kept_;
  int good_writes_;
  int failure_;
};

// Any other failure ends the run with one line on the diagnostics, status 70
// and every record written before it kept; the console's open line is ended.
TEST(UnexpectedFailure, OneLineAndANonZeroStatus) {
  const std::pair<int, std::string> failures[] = {
      {0, "tarniq: internal error: disk on fire\n"},
      {1, "tarniq: internal error: out of memory\n"},
      {2, "tarniq: internal error: an exception of unknown type\n"},
  };
  for (const auto& [failure, line] : failures) {
    std::istringstream in("report.txt\n2\n1\n0.9 0.4\n30 20\n10\n0.1 0.5 0.1\n");
    std::ostringstream out;
    std::ostringstream diagnostics;
    textio::ConsoleInput input(in);
    textio::Console console(out, textio::Console::Mode::Terminal);
    textio::MemoryReport kept;
    run::Session session{input, console,
                         [&](const std::string&) { return std::make_unique<FailingReport>(kept, 4, failure); },
                         {}};
    EXPECT_EQ(run::run_to_exit(session, diagnostics), run::kInternalErrorStatus);
    EXPECT_EQ(diagnostics.str(), line);
    // The title, the heading, the table heading and the first row were written.
    EXPECT_TRUE(kept.contents().ends_with(" 0.100    4.030    1.974    17.202    16.670   13.268\r\n"))
        << kept.contents();
    EXPECT_TRUE(out.str().ends_with("\n")) << out.str();
  }
}

// A fatal error thrown while the report is being opened is still a fatal
// error, reported in two lines.
TEST(UnexpectedFailure, FatalErrorsKeepTheirDiagnostic) {
  std::istringstream in("report.txt\n");
  std::ostringstream out;
  std::ostringstream diagnostics;
  textio::ConsoleInput input(in);
  textio::Console console(out, textio::Console::Mode::Redirected);
  run::Session session{input, console,
                       [](const std::string& name) -> std::unique_ptr<textio::ReportChannel> {
                         throw textio::report_file_error(textio::ErrorNumber::OpenFailure, name, "busy");
                       },
                       {}};
  EXPECT_EQ(run::run_to_exit(session, diagnostics) & 0xff, 30);
  EXPECT_EQ(diagnostics.str(),
            "tarniq: severe (30): open failure, unit 66, file report.txt\n"
            "tarniq: cannot open the report file \"report.txt\": busy\n");
}

}  // namespace
}  // namespace tarniq::testing
