// The console output (standard output): how records and messages appear there.
#pragma once

#include <ostream>
#include <string_view>

#include "textio/records.hpp"

namespace tarniq::textio {

class Console {
 public:
  enum class Mode {
    // A terminal: the first character of each record is carriage control
    // (blank: new line, "0": one empty line first, "1": new page, "+": over
    // the current line) and is not shown.
    Terminal,
    // A file or pipe: each record is written whole, ended by CR LF; an open
    // record (a prompt) gets no line end.
    Redirected,
  };

  Console(std::ostream& out, Mode mode) : out_(out), mode_(mode) {}

  // Shows the records; on a terminal at once, on a file or pipe by the next
  // prompt, message or finish() at the latest.
  void write(const Records& records);
  // A text of the program's own (not a record): shown whole on a line of its own.
  void message_line(std::string_view text);
  // As message_line, but the cursor stays after the text for an answer.
  void message_prompt(std::string_view text);
  // The user has ended an answer line: on a terminal the cursor is at the
  // start of a new line.
  void answer_received();
  // Ends a line left pending and flushes everything, before the program
  // exits or writes a diagnostic.
  void finish();

 private:
  void show_on_terminal(std::string_view record);
  void start_own_line();

  std::ostream& out_;
  Mode mode_;
  // False once a record or prompt is shown, until its line is ended (by the
  // next record, a message or the user's Enter).
  bool at_line_start_ = true;
};

}  // namespace tarniq::textio
