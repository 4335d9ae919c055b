// Fixed-width text answers and the yes/no reader.
#include "textio/text_answers.hpp"

namespace tarniq::textio {
namespace {

constexpr std::size_t kYesNoWidth = 20;

}  // namespace

std::string read_text(ConsoleInput& input, std::size_t width) {
  std::string text = input.require_line();
  text.resize(width, ' ');
  return text;
}

int yes_no_answer(std::string_view line) {
  for (const char c : line.substr(0, kYesNoWidth)) {
    switch (c) {
      case 'y': case 'Y': case 's': case 'S': case 'd': case 'D': case 'j': case 'J': return 1;
      case 'n': case 'N': return -1;
      default: break;
    }
  }
  return 0;
}

int NYES(ConsoleInput& input) { return yes_no_answer(input.require_line()); }

std::string_view trim_blanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace tarniq::textio
