// Fuzz target: the answer readers (free-form lists, text, yes/no) on arbitrary bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "invariant.hpp"
#include "textio/fatal_error.hpp"
#include "textio/free_form.hpp"
#include "textio/text_answers.hpp"

using namespace tarniq::textio;
using tarniq::fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the sequence of reads, the rest is the input.
  const unsigned choice = data[0];
  const std::string_view typed(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::istringstream in{std::string(typed)};
  ConsoleInput input(in);
  std::int32_t whole = 0;
  float first = 0.0f;
  float second = 0.0f;
  float third = 0.0f;
  for (unsigned read = 0; read < 64; ++read) {
    try {
      switch ((choice >> (read % 4 * 2) ^ read) % 5) {
        case 0: read_free_form(input, std::initializer_list<ListItem>{&whole}); break;
        case 1: read_free_form(input, std::initializer_list<ListItem>{&first}); break;
        case 2: read_free_form(input, std::initializer_list<ListItem>{&first, &second, &third}); break;
        case 3: require(read_text(input, 70).size() == 70, "a text answer has its width"); break;
        default: {
          const int answer = NYES(input);
          require(answer >= -1 && answer <= 1, "yes/no gives -1, 0 or 1");
          break;
        }
      }
    } catch (const FatalError& error) {
      require(error.unit == kConsoleInputUnit, "reads fail on the console input");
      if (error.number == ErrorNumber::EndOfFile) break;
      // The value that could not be read is quoted from the input itself.
      require(!error.answer.empty() && typed.find(error.answer) != std::string_view::npos,
              "a failed value is part of the input");
      require(!error.problem.empty(), "a failed value says what is wrong with it");
    }
    // A value that reaches an item is a number: out of range is an error.
    require(std::isfinite(first) && std::isfinite(second) && std::isfinite(third),
            "items hold finite values");
  }
  return 0;
}
