// The run's three channels: console input, console output and the report.
#pragma once

#include <initializer_list>

#include "textio/console.hpp"
#include "textio/console_input.hpp"
#include "textio/free_form.hpp"
#include "textio/layout.hpp"
#include "textio/question.hpp"
#include "textio/records.hpp"
#include "textio/report.hpp"

namespace tarniq::run {

struct Channels {
  textio::ConsoleInput& input;
  textio::Console& console;
  textio::ReportChannel& report;

  void to_console(const textio::Records& records) { console.write(records); }
  void to_report(const textio::Records& records) { report.write(records); }

  // Writes a prompt and reads its free-form answer into `items`. An input
  // error names the prompt's question.
  void ask(const textio::Layout& prompt, std::initializer_list<textio::ListItem> items) {
    const textio::Records question = textio::render(prompt);
    console.write(question);
    textio::answering(question, [&] { textio::read_free_form(input, {items.begin(), items.size()}); });
    console.answer_received();
  }
};

}  // namespace tarniq::run
