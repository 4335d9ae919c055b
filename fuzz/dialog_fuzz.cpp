// Fuzz target: whole sessions of the program, in process, on arbitrary answers.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "invariant.hpp"
#include "run/session.hpp"
#include "textio/fatal_error.hpp"

namespace {

using tarniq::fuzzing::require;

constexpr std::size_t kOutputLimit = 1 << 20;

// Very long tables are legitimate but slow to fuzz: stop a session whose
// report grows past the limit.
struct OutputLimitReached {};

class BoundedReport final : public tarniq::textio::ReportChannel {
 public:
  explicit BoundedReport(std::string& contents) : contents_(contents) {}
  void write(const tarniq::textio::Records& records) override {
    contents_ += records.bytes();
    if (contents_.size() > kOutputLimit) throw OutputLimitReached{};
  }

 private:
  std::string& contents_;
};

struct SessionOutput {
  std::string console;
  std::string report;
  std::optional<tarniq::textio::FatalError> error;
  bool report_opened = false;
  bool stopped_at_limit = false;
};

SessionOutput run(std::string_view answers, bool terminal, bool with_argument) {
  SessionOutput output;
  std::istringstream in{std::string(answers)};
  std::ostringstream out;
  tarniq::textio::ConsoleInput input(in);
  tarniq::textio::Console console(out, terminal ? tarniq::textio::Console::Mode::Terminal
                                                : tarniq::textio::Console::Mode::Redirected);
  std::vector<std::string> arguments;
  if (with_argument) arguments.emplace_back("report.txt");
  tarniq::run::Session session{input, console,
                               [&](const std::string&) {
                                 output.report_opened = true;
                                 return std::make_unique<BoundedReport>(output.report);
                               },
                               arguments};
  try {
    tarniq::run::TARNIQ(session);
  } catch (const tarniq::textio::FatalError& error) {
    output.error = error;
  } catch (const OutputLimitReached&) {
    output.stopped_at_limit = true;
  }
  output.console = out.str();
  return output;
}

bool every_line_feed_follows_a_carriage_return(std::string_view text) {
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
    if (at == 0 || text[at - 1] != '\r') return false;
  return true;
}

std::size_t occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the console mode and whether a command-line name is given.
  const bool terminal = (data[0] & 1) != 0;
  const bool with_argument = (data[0] & 2) != 0;
  const std::string_view answers(reinterpret_cast<const char*>(data) + 1, size - 1);

  const SessionOutput output = run(answers, terminal, with_argument);

  // The report: whole records ended by CR LF, the title at most once.
  require(every_line_feed_follows_a_carriage_return(output.report), "report lines end in CR LF");
  require(output.report.empty() || output.report.ends_with("\r\n"), "the report ends with a whole record");
  require(occurrences(output.report, "     TARNIQ   \r\n") <= 1, "the report title is written once");
  if (!terminal)
    require(every_line_feed_follows_a_carriage_return(output.console), "redirected lines end in CR LF");
  if (output.error) {
    // Every read names its question, so every input error can say what it was.
    require(output.error->unit == tarniq::textio::kConsoleInputUnit, "only the input can fail here");
    require(!output.error->question.empty(), "an input error names its question");
    require(!output.error->explain().empty(), "an input error explains itself");
  } else if (!output.stopped_at_limit) {
    require(output.report_opened, "a finished run opened its report");
    require(output.console.ends_with(terminal ? "Stop - Program terminated.\n"
                                              : "Stop - Program terminated.\r\n"),
            "a finished run ends with the stop line");
  }
  // The same answers give the same bytes (no state outlives a run).
  const SessionOutput again = run(answers, terminal, with_argument);
  require(again.console == output.console && again.report == output.report, "runs are repeatable");
  return 0;
}
