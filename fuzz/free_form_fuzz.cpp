// Fuzz target: the answer readers (free-form lists, text, yes/no) on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "textio/fatal_error.hpp"
#include "textio/free_form.hpp"
#include "textio/text_answers.hpp"

using namespace tarniq::textio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the sequence of reads, the rest is the input.
  const unsigned choice = data[0];
  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
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
        case 3: (void)read_text(input, 70); break;
        default: (void)NYES(input); break;
      }
    } catch (const FatalError& error) {
      if (error.number == ErrorNumber::EndOfFile) break;
    }
  }
  return 0;
}
