// The free-form reader over whole answers, as typed at a prompt.
#include "textio/free_form.hpp"

#include "textio/fatal_error.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

namespace tarniq::textio {
namespace {

constexpr float kUnset = -7.0f;  // the items' value before the read

struct ReadResult {
  ReadError error;
  float first;
  float second;
  std::string rest;  // what is left of the input after the read
};

ReadResult read_two_reals(const std::string& typed) {
  std::istringstream in(typed);
  ConsoleInput input(in);
  float first = kUnset;
  float second = kUnset;
  const ListItem items[] = {&first, &second};
  const ReadError error = scan_free_form(input, items).error;
  std::string rest;
  std::getline(in, rest, '\0');
  return {error, first, second, rest};
}

struct TwoRealsCase {
  const char* typed;
  ReadError error;
  float first;
  float second;
};

// Separators, empty lines, nulls, repeats, slashes and dropped extras.
TEST(FreeForm, TwoRealAnswers) {
  const TwoRealsCase cases[] = {
      {"8.2,12.4\n", ReadError::None, 8.2f, 12.4f},
      {"8.2 12.4\n", ReadError::None, 8.2f, 12.4f},
      {"  8.2 ,  12.4  \n", ReadError::None, 8.2f, 12.4f},
      {"8.2\t12.4\n", ReadError::None, 8.2f, 12.4f},
      {"8.2\n12.4\n", ReadError::None, 8.2f, 12.4f},
      {"\n   \n8.2,\n\n12.4\n", ReadError::None, 8.2f, 12.4f},
      {"1 2 3\n", ReadError::None, 1.0f, 2.0f},
      {"1 2 abc\n", ReadError::None, 1.0f, 2.0f},
      {"/\n", ReadError::None, kUnset, kUnset},
      {"5/ 6\n", ReadError::None, 5.0f, kUnset},
      {",5\n", ReadError::None, kUnset, 5.0f},
      {" , 5\n", ReadError::None, kUnset, 5.0f},
      {"5,,\n", ReadError::None, 5.0f, kUnset},
      {",,\n", ReadError::None, kUnset, kUnset},
      {",\n6\n", ReadError::None, kUnset, 6.0f},
      {"2*3.5\n", ReadError::None, 3.5f, 3.5f},
      {"3*1\n", ReadError::None, 1.0f, 1.0f},
      {"2*\n", ReadError::None, kUnset, kUnset},
      {"1* 4\n", ReadError::None, kUnset, 4.0f},
      {"1*,4\n", ReadError::None, kUnset, 4.0f},
      {"+1.5e1 -.5\n", ReadError::None, 15.0f, -0.5f},
      {"5. 2.5D-1\n", ReadError::None, 5.0f, 0.25f},
      {"1q3 1E+2\n", ReadError::None, 1000.0f, 100.0f},
      {"1d-50 -1e-50\n", ReadError::None, 0.0f, -0.0f},
      {"8.2,12.4\r\n", ReadError::None, 8.2f, 12.4f},
      {"8.2\r\n12.4\r\n", ReadError::None, 8.2f, 12.4f},
  };
  for (const auto& c : cases) {
    const ReadResult result = read_two_reals(c.typed);
    EXPECT_EQ(result.error, c.error) << c.typed;
    EXPECT_EQ(result.first, c.first) << c.typed;
    EXPECT_EQ(result.second, c.second) << c.typed;
  }
}

// Text where a value belongs, values out of range, the end of the input.
TEST(FreeForm, FailedAnswers) {
  const std::pair<const char*, ReadError> cases[] = {
      {"abc\n", ReadError::Syntax},       {"1.2.3 4\n", ReadError::Syntax},
      {"--1 4\n", ReadError::Syntax},     {"+ 4\n", ReadError::Syntax},
      {". 4\n", ReadError::Syntax},       {"1e 4\n", ReadError::Syntax},
      {"1e+ 4\n", ReadError::Syntax},     {"T 4\n", ReadError::Syntax},
      {"f\n", ReadError::Syntax},         {".t\n", ReadError::Syntax},
      {"'1' 4\n", ReadError::Syntax},     {"0*5 4\n", ReadError::Syntax},
      {"*5 4\n", ReadError::Syntax},      {"2*x\n", ReadError::Syntax},
      {"1;2\n", ReadError::Syntax},
      {"1e39 4\n", ReadError::Conversion}, {"-3.5e38 1\n", ReadError::Conversion},
      {"99999999999*1\n", ReadError::Conversion},
      {"", ReadError::EndOfInput},        {"\n\n", ReadError::EndOfInput},
      {"1\n", ReadError::EndOfInput},     {"1,", ReadError::EndOfInput},
  };
  for (const auto& [typed, error] : cases) EXPECT_EQ(read_two_reals(typed).error, error) << typed;

  EXPECT_EQ(read_two_reals(std::string("1\0 2\n", 5)).error, ReadError::Syntax);
  EXPECT_EQ(read_two_reals("1" + std::string(5000, '0') + " 2\n").error, ReadError::Conversion);
  const ReadResult tiny = read_two_reals("0." + std::string(5000, '0') + "1 2\n");
  EXPECT_EQ(tiny.error, ReadError::None);
  EXPECT_EQ(tiny.first, 0.0f);
  const ReadResult long_digits = read_two_reals("3." + std::string(3000, '3') + " 2\n");
  EXPECT_EQ(long_digits.first, 3.3333333f);
}

// The read takes whole lines: it starts on a new line and leaves the rest of
// its last line unread.
TEST(FreeForm, ConsumesWholeLines) {
  EXPECT_EQ(read_two_reals("1 2 3\nnext\n").rest, "next\n");
  EXPECT_EQ(read_two_reals("/ 9\nnext\n").rest, "next\n");
  EXPECT_EQ(read_two_reals("1\n\n2\nnext\n").rest, "next\n");
}

struct IntegerCase {
  const char* typed;
  ReadError error;
  std::int32_t value;
};

// Integer items: reals are truncated toward zero; 32 bits is the range.
TEST(FreeForm, IntegerItems) {
  const IntegerCase cases[] = {
      {"2\n", ReadError::None, 2},          {"2.9\n", ReadError::None, 2},
      {"-2.9\n", ReadError::None, -2},      {"0.5\n", ReadError::None, 0},
      {"1e3\n", ReadError::None, 1000},     {"2.5D-1\n", ReadError::None, 0},
      {"+7\n", ReadError::None, 7},         {"2147483647\n", ReadError::None, 2147483647},
      {"-2147483648\n", ReadError::None, -2147483647 - 1},
      {"2147483648\n", ReadError::Conversion, 99},
      {"3e9\n", ReadError::Conversion, 99}, {"-2147483649.5\n", ReadError::Conversion, 99},
      {"1e400\n", ReadError::Conversion, 99},
      {"x\n", ReadError::Syntax, 99},       {"/\n", ReadError::None, 99},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.typed);
    ConsoleInput input(in);
    std::int32_t value = 99;
    const ListItem items[] = {&value};
    EXPECT_EQ(scan_free_form(input, items).error, c.error) << c.typed;
    EXPECT_EQ(value, c.value) << c.typed;
  }
}

TEST(FreeForm, FailuresBecomeFatalErrors) {
  const std::pair<const char*, ErrorNumber> cases[] = {
      {"", ErrorNumber::EndOfFile}, {"abc\n", ErrorNumber::SyntaxError},
      {"1e99\n", ErrorNumber::ConversionError}};
  for (const auto& [typed, number] : cases) {
    std::istringstream in(typed);
    ConsoleInput input(in);
    float value = 0.0f;
    const ListItem items[] = {&value};
    try {
      read_free_form(input, items);
      ADD_FAILURE() << typed;
    } catch (const FatalError& error) {
      EXPECT_EQ(error.number, number);
      EXPECT_EQ(error.unit, 5);
      EXPECT_EQ(error.file, "CONIN$");
    }
  }
}

}  // namespace
}  // namespace tarniq::textio
