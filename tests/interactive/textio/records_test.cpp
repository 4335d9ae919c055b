// Layouts rendered into records.
#include "textio/records.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tarniq::textio {
namespace {

using Lines = std::vector<std::string>;

Lines lines(const Records& records) {
  Lines all;
  for (std::size_t i = 0; i < records.size(); ++i) all.emplace_back(records[i]);
  return all;
}

// Slashes end records: a leading slash gives an empty first record, two in a
// row an empty record between, and the end of the layout ends the last one.
TEST(Records, SlashesAndLayoutEnd) {
  constexpr Layout banner{R"L((/, " Title", /))L"};
  EXPECT_EQ(lines(render(banner)), (Lines{"", " Title", ""}));
  EXPECT_FALSE(render(banner).last_open());

  constexpr Layout twice{R"L((/, /, " A", /, /, " B"))L"};
  EXPECT_EQ(lines(render(twice)), (Lines{"", "", " A", "", " B"}));
}

// A record is as long as its highest written column: a trailing skip adds no
// blanks, a skip followed by text does.
TEST(Records, SkipsAndRecordLength) {
  constexpr Layout skips{R"L((4X, " T", 3X))L"};
  EXPECT_EQ(lines(render(skips)), (Lines{"     T"}));
  constexpr Layout only_skip{R"L((21X))L"};
  EXPECT_EQ(lines(render(only_skip)), (Lines{""}));
}

// Fields take the values in order; repeat groups expand in place.
TEST(Records, FieldsAndRepeatGroups) {
  constexpr Layout row{R"L((F10.4, 4X, F7.2, 4(2X, F6.1, 1X)))L"};
  const Records records = render(row, {8.0f, 20.994f, 27.7f, 24.8f, 8.5f, 11.1f});
  ASSERT_EQ(lines(records).size(), 1u);
  EXPECT_EQ(lines(records)[0], "    8.0000      20.99    27.7     24.8      8.5     11.1");
  EXPECT_EQ(lines(records)[0].size(), 56u);

  constexpr Layout heading{R"L((21X, 2(1X, " E Plane  H Plane")))L"};
  EXPECT_EQ(lines(render(heading))[0], std::string(23, ' ') + "E Plane  H Plane  E Plane  H Plane");

  constexpr Layout labelled{R"L((" Input Waveguide:", F7.3, 3X, F7.3, A4))L"};
  EXPECT_EQ(lines(render(labelled, {0.9f, 0.4f, std::string_view(" in.")}))[0],
            " Input Waveguide:  0.900     0.400 in.");
}

// A layout ending in $ leaves its last record open for the answer.
TEST(Records, PromptStaysOpen) {
  constexpr Layout prompt{R"L((" Enter Aperture Phase Deviation (S)", /, 5X, " Narrow ", $))L"};
  const Records records = render(prompt);
  EXPECT_EQ(lines(records), (Lines{" Enter Aperture Phase Deviation (S)", "      Narrow "}));
  EXPECT_TRUE(records.last_open());
  constexpr Layout apostrophe{R"L((" Design to (1) E Plane, (2) H Plane, '(3) Avg. Beamwidth ", $))L"};
  EXPECT_EQ(lines(render(apostrophe))[0], " Design to (1) E Plane, (2) H Plane, '(3) Avg. Beamwidth ");
}

// Records live in a fixed buffer whose bytes are the report's: each record
// ended by CR LF. Copies carry every record; texts that do not fit are a
// programming error, not a silent cut.
TEST(Records, FixedBufferHoldsTheReportBytes) {
  constexpr Layout block{R"L((/, " Length:", F8.3, /))L"};
  const Records original = render(block, {6.0f});
  EXPECT_EQ(original.bytes(), "\r\n Length:   6.000\r\n\r\n");
  const Records copy = original;
  Records assigned{{"something else"}};
  assigned = copy;
  for (const Records* records : {&copy, static_cast<const Records*>(&assigned)}) {
    EXPECT_EQ(lines(*records), lines(original));
    EXPECT_EQ(records->bytes(), original.bytes());
  }
  EXPECT_EQ(Records({" a", "", " b"}, true).bytes(), " a\r\n\r\n b\r\n");
  EXPECT_THROW(Records({std::string(Records::kMaxBytes, 'x')}), std::logic_error);
}

TEST(Records, ValuesMustMatchFields) {
  constexpr Layout one{R"L((F6.3))L"};
  EXPECT_THROW(render(one), std::logic_error);
  EXPECT_THROW(render(one, {1.0f, 2.0f}), std::logic_error);
  EXPECT_THROW(render(one, {std::string_view("x")}), std::logic_error);
}

}  // namespace
}  // namespace tarniq::textio
