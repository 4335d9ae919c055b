// Console output in its two modes.
#include "textio/console.hpp"

namespace tarniq::textio {
namespace {

constexpr std::string_view kRecordEnd = "\r\n";

}  // namespace

// A terminal shows every record at once, for the person watching. A file or
// pipe gets its bytes in larger pieces: they are flushed whenever the program
// is about to wait for an answer (a prompt) and before it ends.
void Console::write(const Records& records) {
  if (mode_ == Mode::Terminal) {
    for (std::size_t i = 0; i < records.size(); ++i) show_on_terminal(records[i]);
    out_.flush();
    return;
  }
  // The records as the report holds them; a prompt gets no line end.
  std::string_view bytes = records.bytes();
  if (records.last_open()) bytes.remove_suffix(kRecordEnd.size());
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (records.last_open()) out_.flush();
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
