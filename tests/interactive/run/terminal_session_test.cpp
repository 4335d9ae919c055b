// The program on a terminal: what the console shows when it is a terminal.
#include <gtest/gtest.h>

#include <string>

#include "support/program.hpp"
#include "support/temp_dir.hpp"

namespace tarniq::testing {
namespace {

// The program runs on a pseudo-terminal whose echo is off, so the screen
// output is the program's alone. The terminal turns each line feed into CR LF
// on the way out.

// Records appear without their first character, one per line; each prompt
// leaves the cursor right after its text; the stop line is shown whole.
TEST(TerminalSession, ConsoleShowsRecordsWithoutControlCharacter) {
  TempDir folder;
  ChildProcess terminal({folder.path(), {}, ChildProcess::Streams::Terminal});
  ASSERT_TRUE(terminal.started());

  // What the screen shows after each answer (the first step answers nothing).
  struct Step {
    const char* typed;
    std::string shown;
  };
  const Step steps[] = {
      {nullptr, "\r\nRectangular Horn Designed to Prescribed Beamwidths\r\n\r\nEnter output file "},
      {"report.txt", "Enter units: 1 cm, 2 inches "},
      {"2", "Enter Design Input (1) 3 dB (2) 10 dB "},
      {"1", "Enter Input Waveguide  Width, Height "},
      {"0.9 0.9", "Square Horn? "},
      {"y", "Design to (1) E Plane, (2) H Plane, '(3) Avg. Beamwidth "},
      {"1", "Enter Beamwidth "},
      {"20", "Enter Design Frequency (GHz) "},
      {"10", "Enter Aperture Phase Deviation (S)\r\n"
             "     Narrow Plane (0 TO 0.7) Start,Stop,Step (0 terminates) "},
      {"0.25 0.25 0.1", "\r\n  S      Width  Slant Radius  Length  Flare Angle\r\n\r\n"
                        "0.250    3.161       4.234     2.810     21.921\r\n"
                        "\r\nFrequency Response\r\n\r\nEnter Width, Axial Length (0 terminates) "},
      {"0 0", "Enter Aperture Phase Deviation (S)\r\n"
              "     Narrow Plane (0 TO 0.7) Start,Stop,Step (0 terminates) "},
      {"0 0 0", "Stop - Program terminated.\r\n"},
  };
  for (const Step& step : steps) {
    if (step.typed != nullptr) terminal.type(std::string(step.typed) + "\n");
    EXPECT_EQ(terminal.read_until(step.shown), step.shown) << (step.typed ? step.typed : "start");
  }
  EXPECT_EQ(terminal.wait().status, 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "report.txt"));
}

// The end of the input at a prompt (Ctrl-D): the console's open prompt line
// is ended first, so each diagnostic line stands on a line of its own.
TEST(TerminalSession, DiagnosticAfterEndOfInputStandsOnItsOwnLine) {
  TempDir folder;
  ChildProcess terminal({folder.path(), {}, ChildProcess::Streams::Terminal});
  ASSERT_TRUE(terminal.started());
  terminal.read_until("Enter output file ");
  terminal.type("report.txt\n");
  terminal.read_until("Enter units: 1 cm, 2 inches ");
  terminal.type("\x04");  // the terminal's end-of-file character
  const std::string shown =
      "\r\ntarniq: severe (24): end-of-file during read, unit 5, file CONIN$\r\n"
      "tarniq: the input ended while waiting for the answer to \"Enter units: 1 cm, 2 inches\"\r\n";
  EXPECT_EQ(terminal.read_until(shown), shown);
  EXPECT_EQ(terminal.wait().status, 24);
}

}  // namespace
}  // namespace tarniq::testing
