// What the console output receives in its two modes.
#include "textio/console.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace tarniq::textio {
namespace {

Records records(std::initializer_list<std::string_view> lines, bool last_open = false) {
  return Records(lines, last_open);
}

// Redirected: records whole, CR LF after each, nothing after a prompt.
TEST(Console, RedirectedWritesRecordsAsInTheReport) {
  std::ostringstream out;
  Console console(out, Console::Mode::Redirected);
  console.write(records({"", " Title", ""}));
  console.write(records({" Enter units "}, true));
  console.answer_received();
  console.write(records({"    8.0000"}));
  console.message_line("Stop - Program terminated.");
  EXPECT_EQ(out.str(),
            "\r\n Title\r\n\r\n Enter units     8.0000\r\nStop - Program terminated.\r\n");
}

// Terminal: the first character is carriage control and is not shown; a
// record's line end waits for the next record; a prompt keeps the cursor.
TEST(Console, TerminalTakesFirstCharacterAsControl) {
  std::ostringstream out;
  Console console(out, Console::Mode::Terminal);
  console.write(records({"", " Title", ""}));
  console.write(records({" Enter units "}, true));
  console.answer_received();  // the user's Enter ended the prompt line
  console.write(records({" a", "0b", "1c", "+d", "*****", "2x"}));
  console.message_line("Stop - Program terminated.");
  console.finish();
  EXPECT_EQ(out.str(), "\nTitle\n\nEnter units a\n\nb\n\fc\rd\n****\nx\nStop - Program terminated.\n");
}

TEST(Console, TerminalMessagesStandOnTheirOwnLine) {
  std::ostringstream out;
  Console console(out, Console::Mode::Terminal);
  console.write(records({" Enter output file "}, true));
  console.answer_received();
  console.message_line("File name missing or blank - please enter file name");
  console.message_prompt("UNIT 66? ");
  console.answer_received();
  console.write(records({" Next"}));
  console.finish();
  EXPECT_EQ(out.str(),
            "Enter output file File name missing or blank - please enter file name\nUNIT 66? Next\n");
}

}  // namespace
}  // namespace tarniq::textio
