// The question of a prompt.
#include "textio/question.hpp"

#include "textio/text_answers.hpp"

namespace tarniq::textio {

std::string question_of(const Records& prompt) {
  std::size_t first = 0;
  for (std::size_t i = 0; i < prompt.size(); ++i)
    if (trim_blanks(prompt[i]).empty()) first = i + 1;
  std::string question;
  for (std::size_t i = first; i < prompt.size(); ++i) {
    if (!question.empty()) question += ' ';
    question += trim_blanks(prompt[i]);
  }
  return question;
}

}  // namespace tarniq::textio
