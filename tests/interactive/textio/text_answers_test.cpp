// The yes/no reader and the fixed-width text read.
#include "textio/text_answers.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "textio/fatal_error.hpp"

namespace tarniq::textio {
namespace {

// The first listed letter within the first 20 characters decides.
TEST(YesNo, FirstLetterDecides) {
  const std::pair<std::string, int> cases[] = {
      {"", 0},          {"  Y", 1},        {"yes", 1},      {"si", 1},
      {"da", 1},        {"ja", 1},         {"no", -1},      {"Nein", -1},
      {"ok", 0},        {"cancel", -1},    {"absolutely", 1}, {"  1  ", 0},
      {std::string(21, ' ') + "y", 0},     {std::string(19, ' ') + "Y", 1},
      {std::string(25, '-').replace(21, 1, "y"), 0},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(yes_no_answer(line), expected) << line;
}

TEST(YesNo, ReadsOneLine) {
  std::istringstream in("  n\r\nyes\n");
  ConsoleInput input(in);
  EXPECT_EQ(NYES(input), -1);
  EXPECT_EQ(NYES(input), 1);
  try {
    NYES(input);
    ADD_FAILURE() << "end of input must be fatal";
  } catch (const FatalError& error) {
    EXPECT_EQ(error.number, ErrorNumber::EndOfFile);
  }
}

TEST(TextRead, SeventyCharacters) {
  std::istringstream in("  report.txt\r\n" + std::string(75, 'a') + "\n");
  ConsoleInput input(in);
  const std::string name = read_text(input, 70);
  EXPECT_EQ(name, "  report.txt" + std::string(58, ' '));
  EXPECT_EQ(trim_blanks(name), "report.txt");
  EXPECT_EQ(read_text(input, 70), std::string(70, 'a'));
  EXPECT_THROW(read_text(input, 70), FatalError);
  EXPECT_EQ(trim_blanks("    "), "");
}

}  // namespace
}  // namespace tarniq::textio
