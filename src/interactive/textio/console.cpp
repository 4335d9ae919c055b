// Console output in its two modes.
#include "textio/console.hpp"

namespace tarniq::textio {
namespace {

constexpr std::string_view kRecordEnd = "\r\n";

}  // namespace

void Console::write(const Records& records) {
  for (std::size_t i = 0; i < records.lines.size(); ++i) {
    const bool open = records.last_open && i + 1 == records.lines.size();
    if (mode_ == Mode::Terminal) {
      show_on_terminal(records.lines[i]);
    } else {
      out_ << records.lines[i];
      if (!open) out_ << kRecordEnd;
    }
  }
  out_.flush();
}

// The line end of a shown record is held back until the next record, whose
// carriage-control character says how to move on from it.
void Console::show_on_terminal(std::string_view record) {
  const char control = record.empty() ? ' ' : record.front();
  const std::string_view text = record.empty() ? record : record.substr(1);
  const bool line_in_use = !at_line_start_;
  switch (control) {
    case '0': out_ << (line_in_use ? "\n\n" : "\n"); break;
    case '1': out_ << (line_in_use ? "\n\f" : "\f"); break;
    case '+': out_ << (line_in_use ? "\r" : ""); break;
    default: out_ << (line_in_use ? "\n" : ""); break;
  }
  out_ << text;
  at_line_start_ = false;
}

void Console::start_own_line() {
  if (mode_ == Mode::Terminal && !at_line_start_) out_ << '\n';
  at_line_start_ = true;
}

void Console::message_line(std::string_view text) {
  start_own_line();
  out_ << text << (mode_ == Mode::Terminal ? "\n" : kRecordEnd);
  out_.flush();
}

void Console::message_prompt(std::string_view text) {
  start_own_line();
  out_ << text;
  at_line_start_ = false;
  out_.flush();
}

void Console::answer_received() { at_line_start_ = true; }

void Console::finish() {
  start_own_line();
  out_.flush();
}

}  // namespace tarniq::textio
