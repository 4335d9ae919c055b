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
      show_on_terminal(records.lines[i], open);
    } else {
      out_ << records.lines[i];
      if (!open) out_ << kRecordEnd;
    }
  }
  out_.flush();
}

// The line end of a shown record is held back until the next record, whose
// carriage-control character says how to move on from it.
void Console::show_on_terminal(std::string_view record, bool open) {
  const char control = record.empty() ? ' ' : record.front();
  const std::string_view text = record.empty() ? record : record.substr(1);
  const bool line_in_use = cursor_ != Cursor::LineStart;
  switch (control) {
    case '0': out_ << (line_in_use ? "\n\n" : "\n"); break;
    case '1': out_ << (line_in_use ? "\n\f" : "\f"); break;
    case '+': out_ << (line_in_use ? "\r" : ""); break;
    default: out_ << (line_in_use ? "\n" : ""); break;
  }
  out_ << text;
  cursor_ = open ? Cursor::AfterPrompt : Cursor::AfterRecord;
}

void Console::start_own_line() {
  if (mode_ == Mode::Terminal && cursor_ != Cursor::LineStart) out_ << '\n';
}

void Console::message_line(std::string_view text) {
  start_own_line();
  out_ << text << (mode_ == Mode::Terminal ? "\n" : kRecordEnd);
  cursor_ = Cursor::LineStart;
  out_.flush();
}

void Console::message_prompt(std::string_view text) {
  start_own_line();
  out_ << text;
  cursor_ = Cursor::AfterPrompt;
  out_.flush();
}

void Console::answer_received() { cursor_ = Cursor::LineStart; }

void Console::finish() {
  if (mode_ == Mode::Terminal && cursor_ != Cursor::LineStart) out_ << '\n';
  cursor_ = Cursor::LineStart;
  out_.flush();
}

}  // namespace tarniq::textio
