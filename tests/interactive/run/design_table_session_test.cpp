// Whole-program sessions through the phase-deviation design table.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/session.hpp"

namespace tarniq::testing {
namespace {

// The S column of every design row in a report (rows start with a number).
std::vector<std::string> s_column(const std::string& report) {
  std::vector<std::string> values;
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    if (line.size() > 6 && line[0] == ' ' && (std::isdigit(static_cast<unsigned char>(line[1])) != 0))
      values.push_back(line.substr(0, 6));
  }
  return values;
}

struct RowCountCase {
  const char* range;
  std::vector<std::string> s_values;
};

// The row count is (stop - start) / step + 1.4, truncated: a stop within 0.4
// of a step past the last whole step adds no row, beyond that one more row
// past the stop; S is computed afresh for each row.
TEST(DesignTableSession, RowCounts) {
  const RowCountCase cases[] = {
      {"0.1 0.5 0.1", {" 0.100", " 0.200", " 0.300", " 0.400", " 0.500"}},
      {"0.1 0.74 0.1", {" 0.100", " 0.200", " 0.300", " 0.400", " 0.500", " 0.600", " 0.700"}},
      {"0.1 0.78 0.1",
       {" 0.100", " 0.200", " 0.300", " 0.400", " 0.500", " 0.600", " 0.700", " 0.800"}},
      {"0.5 0.1 -0.1", {" 0.500", " 0.400", " 0.300", " 0.200", " 0.100"}},
      {"0.5 0.1 0.1", {}},
      {"0.3 0.3 0.1", {" 0.300"}},
      {"0.3 0.3 -5", {" 0.300"}},
      {"0.01 0.1 0.003",
       {" 0.010", " 0.013", " 0.016", " 0.019", " 0.022", " 0.025", " 0.028", " 0.031", " 0.034",
        " 0.037", " 0.040", " 0.043", " 0.046", " 0.049", " 0.052", " 0.055", " 0.058", " 0.061",
        " 0.064", " 0.067", " 0.070", " 0.073", " 0.076", " 0.079", " 0.082", " 0.085", " 0.088",
        " 0.091", " 0.094", " 0.097", " 0.100"}},
      {"0.1 0.5 1e-30", {}},  // a count beyond 32 bits gives no rows
  };
  for (const auto& c : cases) {
    // A square H-plane design exists over this whole range of S.
    const SessionResult result = run_session(
        "report.txt\n2\n1\n0.9 0.9\ny\n2\n20\n10\n" + std::string(c.range) + "\n0 0\n0 0 0\n");
    ASSERT_TRUE(result.report) << c.range;
    EXPECT_EQ(s_column(*result.report), c.s_values) << c.range;
    EXPECT_EQ(result.program.status, 0) << c.range;
  }
}

// S of 0 or less has no design: the table ends before its first row.
TEST(DesignTableSession, NoDesignAtZeroOrNegativeS) {
  for (const char* range : {"0 0.5 0.1", "-0.1 0.5 0.1"}) {
    const SessionResult square =
        run_session("report.txt\n2\n1\n0.9 0.9\ny\n1\n20\n10\n" + std::string(range) + "\n0 0\n0 0 0\n");
    EXPECT_EQ(s_column(*square.report), std::vector<std::string>{}) << range;
    const SessionResult rectangular =
        run_session("report.txt\n2\n1\n0.9 0.4\n30 20\n10\n" + std::string(range) + "\n0 0 0\n0 0 0\n");
    EXPECT_EQ(s_column(*rectangular.report), std::vector<std::string>{}) << range;
  }
}

// Complete sessions kept as transcripts: answers in, console bytes and report
// bytes out. The answer files are tests/interactive/run/sessions/*.answers and the
// examples/*.txt of the README; the expected bytes sit beside the former.
// Their key rows agree with the designs worked out independently for the
// horns of the design tests (S = 0.25 at 10 GHz on a 0.9 by 0.4 inch and a
// 0.9 inch square waveguide), and the frequency responses of the designed
// horns give back the prescribed beamwidths at the design frequency.
TEST(Transcripts, SessionsReproduceByteForByte) {
  const std::filesystem::path root(TARNIQ_SOURCE_DIR);
  const std::filesystem::path expected_folder = root / "tests/interactive/run/sessions";
  int sessions = 0;
  for (const auto& [folder, extension] : {std::pair{expected_folder, ".answers"}, std::pair{root / "examples", ".txt"}}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != extension) continue;
      const std::string name = entry.path().stem().string();
      const std::string answers = read_file(entry.path());
      const std::string report_name = answers.substr(0, answers.find('\n'));
      const SessionResult result = run_session(answers, std::nullopt, {}, report_name);
      EXPECT_EQ(result.program.out, read_file(expected_folder / (name + ".console"))) << name;
      EXPECT_EQ(result.report, read_file(expected_folder / (name + ".report"))) << name;
      EXPECT_EQ(result.program.status, 0) << name;
      EXPECT_EQ(result.program.err, "") << name;
      ++sessions;
    }
  }
  EXPECT_GE(sessions, 9);
}

}  // namespace
}  // namespace tarniq::testing
