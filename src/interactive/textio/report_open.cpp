// Report opening with the blank-name fallbacks.
#include "textio/report_open.hpp"

#include "textio/fatal_error.hpp"
#include "textio/question.hpp"
#include "textio/text_answers.hpp"

namespace tarniq::textio {
namespace {

std::string ask_for_name(Console& console, ConsoleInput& input) {
  console.message_line("File name missing or blank - please enter file name");
  const std::string prompt = "UNIT " + std::to_string(kReportUnit) + "? ";
  const std::string question = prompt + "(the report file's name)";
  for (;;) {
    console.message_prompt(prompt);
    const std::string line = answering(question, [&] { return input.require_line(); });
    console.answer_received();
    const std::string_view name = trim_blanks(line);
    if (!name.empty()) return std::string(name);
  }
}

}  // namespace

std::unique_ptr<ReportChannel> open_report(std::string_view typed_name,
                                           std::span<const std::string> arguments,
                                           Console& console, ConsoleInput& input,
                                           const ReportOpener& opener) {
  std::string name(trim_blanks(typed_name));
  for (auto argument = arguments.begin(); name.empty() && argument != arguments.end(); ++argument)
    name = trim_blanks(*argument);
  if (name.empty()) name = ask_for_name(console, input);
  return opener(name);
}

}  // namespace tarniq::textio
