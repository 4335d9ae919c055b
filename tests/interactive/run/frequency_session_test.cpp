// Whole-program sessions through the frequency response.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/horn_beamwidths.hpp"
#include "analysis/horn_gain.hpp"
#include "support/session.hpp"
#include "textio/field_format.hpp"

namespace tarniq::testing {
namespace {

using namespace prompts;

// A square horn (0.9 inch waveguide, 3 dB E-plane design) whose first design
// table is empty, so the frequency response follows at once.
std::string square_session(const std::string& units_and_guide, const std::string& frequency_part) {
  return "report.txt\n" + units_and_guide + "y\n1\n20\n10\n0.5 0.1 0.1\n" + frequency_part + "0 0\n0 0 0\n";
}

// The report from the frequency-response block on (after the empty table).
std::string after_table(const std::string& report) {
  const std::string heading = "   S      Width  Slant Radius  Length  Flare Angle\r\n\r\n";
  const auto at = report.find(heading);
  return at == std::string::npos ? report : report.substr(at + heading.size());
}

// Slant radii from the entered width and axial length: 0.9 inch waveguide,
// 3.6 by 6 inches gives sqrt(36 + 2.7^2 / 4) * 3.6 / 2.7 = 8.2 inches, and
// the same horn entered in centimetres is written back in centimetres.
TEST(FrequencySession, SquareHornBlockInInchesAndCentimetres) {
  const SessionResult inches = run_session(square_session("2\n1\n0.9 0.9\n", "3.6 6\n8 8 1\n"));
  EXPECT_TRUE(after_table(*inches.report)
                  .starts_with(Text().line()
                                   .line(" Frequency Response: Aperture Width:  3.600   Length:   6.000")
                                   .line(" Slant Radius:   8.200").line().str()));
  const SessionResult centimetres =
      run_session(square_session("1\n1\n2.286 2.286\n", "9.144 15.24\n8 8 1\n"));
  const std::string block = Text().line()
                                .line(" Frequency Response: Aperture Width:  9.144   Length:  15.240")
                                .line(" Slant Radius:  20.828").line().str();
  EXPECT_TRUE(after_table(*centimetres.report).starts_with(block));
  // Inches and centimetres describe the same horn: the same table follows.
  const std::size_t inch_block = after_table(*inches.report).find(" Frequency   Gain");
  EXPECT_EQ(after_table(*inches.report).substr(inch_block),
            after_table(*centimetres.report).substr(block.size() + 2));
}

// The design level comes first in the heading and in each row: level 1 gives
// the 3 dB then the 10 dB pair, any other level its own pair then 3 dB.
TEST(FrequencySession, HeadingAndColumnsFollowTheLevel) {
  for (const int level : {1, 2, 4}) {
    const std::string answers = "report.txt\n2\n" + std::to_string(level) +
                                "\n0.9 0.4\n30 20\n10\n0.5 0.1 0.1\n4.22 1.978 5.699\n9.5 9.5 1\n0 0 0\n0 0 0\n";
    const SessionResult result = run_session(answers);
    const std::string label = level == 1 ? "" : level == 2 ? "10" : " 1";
    const std::string first_line =
        level == 1 ? " Frequency   Gain(dB)  3 dB Beamwidths   10 dB Beamwidths"
                   : " Frequency   Gain(dB) " + label + " dB Beamwidths   3 dB Beamwidths";
    // The horn as the program holds it, in inches, and its row computed here.
    const float AH = 4.22f, AE = 1.978f, AXL = 5.699f, WA = 0.9f, WB = 0.4f, FREQ = 9.5f;
    const float RH = std::sqrt(AXL * AXL + (AH - WA) * (AH - WA) / 4.0f) * AH / (AH - WA);
    const float RE = std::sqrt(AXL * AXL + (AE - WB) * (AE - WB) / 4.0f) * AE / (AE - WB);
    const auto widths = analysis::HRNBW(FREQ, AH, AE, RH, RE);
    const float gain = 10.0f * std::log10(analysis::HORN(FREQ, AH, AE, RE, RH));
    const std::size_t first = static_cast<std::size_t>(level - 1);
    const std::size_t second = level == 1 ? 1 : 0;
    std::string row = "    9.5000    " + textio::render_fixed(gain, 7, 2);
    for (const float value : {widths.EBW[first], widths.HBW[first], widths.EBW[second], widths.HBW[second]})
      row += "  " + textio::render_fixed(value, 6, 1) + " ";
    row.pop_back();  // the last 1X adds no blank
    const std::string table = Text()
                                  .line()
                                  .line(first_line)
                                  .line("                       E Plane  H Plane  E Plane  H Plane")
                                  .line(row)
                                  .str();
    ASSERT_TRUE(result.report);
    EXPECT_TRUE(result.report->ends_with(table)) << level << "\n" << *result.report;
    EXPECT_TRUE(result.program.out.find(table) != std::string::npos) << level;
  }
}

// The frequency column of every row of a report.
std::vector<std::string> frequency_column(const std::string& report) {
  std::vector<std::string> values;
  std::istringstream lines(after_table(report));
  for (std::string line; std::getline(lines, line);)
    if (line.size() > 20 && line.substr(0, 3) == "   " && line[9] != ' ') values.push_back(line.substr(0, 10));
  return values;
}

// The frequency column of `count` rows from `first` in steps of `step`, each
// frequency worked out from its row number in decimal.
std::vector<std::string> sweep(double first, double step, int count) {
  std::vector<std::string> rows;
  for (int row = 0; row < count; ++row) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%10.4f", first + row * step);
    rows.emplace_back(text.data());
  }
  return rows;
}

// n = (stop - start) / step, in single precision; rows = n + 1.4 truncated.
// Each frequency comes from its row number, not from adding steps, so a long
// fine sweep still ends on its stop.
TEST(FrequencySession, RowCounts) {
  const std::vector<std::string> eight_to_twelve = {"    8.0000", "    8.5000", "    9.0000",
                                                    "    9.5000", "   10.0000", "   10.5000",
                                                    "   11.0000", "   11.5000", "   12.0000"};
  std::vector<std::string> past_the_stop = eight_to_twelve;
  past_the_stop.push_back("   12.5000");
  const std::vector<std::string> falling(eight_to_twelve.rbegin(), eight_to_twelve.rend());
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"8 12 0.5", eight_to_twelve}, {"8 12.2 0.5", eight_to_twelve}, {"8 12.3 0.5", past_the_stop},
      {"12 8 -0.5", falling},        {"12 8 0.5", {}},                {"9.375 9.375 2", {"    9.3750"}},
      {"9 8.5 1", {}},               // n = -0.5: n + 1.4 is below 1, no row
      {"9 8.7 1", {"    9.0000"}},   // n = -0.3: one row
      {"8 10.46 0.1", sweep(8.0, 0.1, 26)},  // n + 1.4: 26 in single precision, 25.99999999 in double
      {"8 12 0.01", sweep(8.0, 0.01, 401)},
      {"12 8 -0.01", sweep(12.0, -0.01, 401)},
  };
  for (const auto& [range, expected] : cases) {
    const SessionResult result = run_session(square_session("2\n1\n0.9 0.9\n", "3.6 6\n" + std::string(range) + "\n"));
    ASSERT_TRUE(result.report) << range;
    EXPECT_EQ(frequency_column(*result.report), expected) << range;
    EXPECT_NE(result.report->find(" Frequency   Gain(dB)"), std::string::npos) << range;
  }
}

// A step of 0 asks for the dimensions again and leaves the block without a
// table; a width of 0 returns to a new design table once the other values
// are read too (here from the next line).
TEST(FrequencySession, StepZeroAndWidthZero) {
  const SessionResult result = run_session(square_session("2\n1\n0.9 0.9\n", "3.6 6\n8 12 0\n0\n5\n"));
  EXPECT_EQ(after_table(*result.report),
            Text().line()
                .line(" Frequency Response: Aperture Width:  3.600   Length:   6.000")
                .line(" Slant Radius:   8.200").line().str());
  const Text dimensions = Text().line().line(" Frequency Response").line()
                              .prompt(" Enter Width, Axial Length (0 terminates) ");
  const std::string expected_tail = Text()
                                        .append(dimensions)
                                        .prompt(" Enter Frequency  Start,Stop,Step ")
                                        .append(dimensions)
                                        .append(phase_deviation())
                                        .line(kStop)
                                        .str();
  EXPECT_TRUE(result.program.out.ends_with(expected_tail)) << result.program.out;
}

// Values too wide for their fields become asterisks; a width equal to the
// waveguide's divides by zero and prints what the arithmetic gives.
TEST(FrequencySession, UnprintableValues) {
  const SessionResult wide = run_session(square_session("2\n1\n0.9 0.9\n", "3.6 6\n100000 100000 1\n"));
  EXPECT_NE(wide.program.out.find("**********"), std::string::npos);
  EXPECT_EQ(wide.program.status, 0);

  const SessionResult degenerate = run_session(square_session("2\n1\n0.9 0.9\n", "0.9 6\n10 10 1\n"));
  EXPECT_NE(degenerate.report->find(" Slant Radius:     Inf"), std::string::npos) << *degenerate.report;
  EXPECT_NE(degenerate.report->find("   10.0000"), std::string::npos);
  EXPECT_NE(degenerate.report->find("NaN"), std::string::npos);
  EXPECT_EQ(degenerate.program.status, 0);
}

}  // namespace
}  // namespace tarniq::testing
