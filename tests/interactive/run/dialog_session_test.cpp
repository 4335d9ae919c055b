// Whole-program sessions through the design dialog: prompts, headings, stops.
#include <gtest/gtest.h>

#include <string>

#include "support/session.hpp"

namespace tarniq::testing {
namespace {

using namespace prompts;

// A rectangular horn dialog in inches, up to the first phase-deviation prompt.
Text rectangular_dialog() {
  return banner()
      .prompt(kOutputFile).prompt(kUnits).prompt(kLevel).prompt(kWaveguide)
      .prompt(kBeamwidths).prompt(kFrequency).append(phase_deviation());
}

Text square_dialog() {
  return banner()
      .prompt(kOutputFile).prompt(kUnits).prompt(kLevel).prompt(kWaveguide).prompt(kSquare)
      .prompt(kPlane).prompt(kBeamwidth).prompt(kFrequency).append(phase_deviation());
}

Text rectangular_heading(std::string_view label, std::string_view beamwidths,
                         std::string_view waveguide, std::string_view frequency) {
  return report_title().lines({"", "", std::string(" Rectangular Horn Designed to ") +
                                           std::string(label) + " dB Beamwidths",
                               "", beamwidths, waveguide, frequency});
}

struct DialogCase {
  const char* name;
  std::string answers;
  std::string expected_out;
  std::string expected_report;
};

// Every heading case and both units: the dialog ends at once on a step of 0,
// so the report holds the title and the design heading alone.
TEST(DialogSession, HeadingsForEveryLevelPlaneAndUnit) {
  const std::string stop = Text().line(kStop).str();
  const DialogCase cases[] = {
      {"rectangular, 3 dB, inches", "report.txt\n2\n1\n0.9,0.4\n30,20\n10\n0,0,0\n",
       rectangular_dialog().str() + stop,
       rectangular_heading(" 3", " E Plane: 30.000   H Plane: 20.000",
                           " Input Waveguide:  0.900     0.400 in.", " Design Frequency (GHz):10.0000").str()},
      {"rectangular, 10 dB, centimetres", "report.txt\n1\n2\n2.54 1.27\n15.5 25.25\n9.375\n0 0 0\n",
       rectangular_dialog().str() + stop,
       rectangular_heading("10", " E Plane: 15.500   H Plane: 25.250",
                           " Input Waveguide:  2.540     1.270 cm ", " Design Frequency (GHz): 9.3750").str()},
      {"rectangular, level 3", "report.txt\n2\n3\n1 0.5\n30 20\n10\n0 0 0\n",
       rectangular_dialog().str() + stop,
       rectangular_heading(".5", " E Plane: 30.000   H Plane: 20.000",
                           " Input Waveguide:  1.000     0.500 in.", " Design Frequency (GHz):10.0000").str()},
      {"rectangular, level 4", "report.txt\n2\n4\n1 0.5\n30 20\n10\n0 0 0\n",
       rectangular_dialog().str() + stop,
       rectangular_heading(" 1", " E Plane: 30.000   H Plane: 20.000",
                           " Input Waveguide:  1.000     0.500 in.", " Design Frequency (GHz):10.0000").str()},
      {"rectangular, level 5", "report.txt\n2\n5\n1 0.5\n30 20\n10\n0 0 0\n",
       rectangular_dialog().str() + stop,
       rectangular_heading(" 2", " E Plane: 30.000   H Plane: 20.000",
                           " Input Waveguide:  1.000     0.500 in.", " Design Frequency (GHz):10.0000").str()},
      {"square, E plane", "report.txt\n2\n1\n0.9 0.9\ny\n1\n20\n10\n0 0 0\n",
       square_dialog().str() + stop,
       report_title().lines({"", "", " Square Horn Designed to  3 dB Beamwidth", "",
                             " E Plane Beamwidth: 20.000", " Input Waveguide:   0.900 in.",
                             " Design Frequency (GHz):  10.0000"}).str()},
      {"square, H plane, 10 dB, centimetres", "report.txt\n1\n2\n2.286 2.286\nyes\n2\n12.5\n24\n0 0 0\n",
       square_dialog().str() + stop,
       report_title().lines({"", "", " Square Horn Designed to 10 dB Beamwidth", "",
                             " H Plane Beamwidth: 12.500", " Input Waveguide:   2.286 cm ",
                             " Design Frequency (GHz):  24.0000"}).str()},
      {"square, average", "report.txt\n2\n1\n0.9 0.9\nY\n3\n20\n10\n0 0 0\n",
       square_dialog().str() + stop,
       report_title().lines({"", "", " Square Horn Designed to  3 dB Beamwidth", "",
                             " Average E & H Plane Beamwidth: 20.000", " Input Waveguide:   0.900 in.",
                             " Design Frequency (GHz):  10.0000"}).str()},
  };
  for (const auto& c : cases) {
    const SessionResult result = run_session(c.answers);
    EXPECT_EQ(result.program.out, c.expected_out) << c.name;
    EXPECT_EQ(result.report, c.expected_report) << c.name;
    EXPECT_EQ(result.program.status, 0) << c.name;
    EXPECT_EQ(result.program.err, "") << c.name;
  }
}

// Only 1 from the yes/no reader makes a square horn; anything else, and
// unequal waveguide sides, give the rectangular dialog.
TEST(DialogSession, SquareHornQuestion) {
  const std::pair<const char*, bool> answers[] = {
      {"yes", true},  {"si", true},    {"da", true},      {"ja", true},   {"  Y", true},
      {"absolutely", true}, {"no", false}, {"Nein", false}, {"ok", false}, {"", false},
      {"cancel", false},    {"yes\r", true}};
  for (const auto& [answer, square] : answers) {
    const std::string tail = square ? "1\n20\n10\n0 0 0\n" : "30 20\n10\n0 0 0\n";
    const SessionResult result =
        run_session("report.txt\n2\n1\n0.9 0.9\n" + std::string(answer) + "\n" + tail);
    Text expected = banner().prompt(kOutputFile).prompt(kUnits).prompt(kLevel)
                              .prompt(kWaveguide).prompt(kSquare);
    if (square) {
      expected.prompt(kPlane).prompt(kBeamwidth);
    } else {
      expected.prompt(kBeamwidths);
    }
    expected.prompt(kFrequency).append(phase_deviation()).line(kStop);
    EXPECT_EQ(result.program.out, expected.str()) << answer;
  }
  // 2.54 cm is exactly one inch, but 2.54 by 2.5 is not square: no question.
  const SessionResult unequal = run_session("report.txt\n1\n1\n2.54 2.5\n30 20\n10\n0 0 0\n");
  EXPECT_EQ(unequal.program.out, rectangular_dialog().line(kStop).str());
}

// Units 0 (or 0.5, read as 0) ends the run before any other question; the
// report file is opened, so a missing one is created empty and an existing
// one is left as it was.
TEST(DialogSession, StopOnUnitsZero) {
  const Text expected = banner().prompt(kOutputFile).prompt(kUnits).line(kStop);
  for (const char* units : {"0", "0.5", "  0 , 7"}) {
    const SessionResult fresh = run_session(std::string("report.txt\n") + units + "\n");
    EXPECT_EQ(fresh.program.out, expected.str()) << units;
    EXPECT_EQ(fresh.report, "") << units;
    EXPECT_EQ(fresh.program.status, 0);
  }
  const std::string old_report = "an older report\r\nwith two lines\r\n";
  const SessionResult kept = run_session("report.txt\n0\n", old_report);
  EXPECT_EQ(kept.report, old_report);
}

// The first record written replaces a longer older report entirely.
TEST(DialogSession, LongerOldReportIsReplacedAndCut) {
  const std::string old_report(10000, 'x');
  const SessionResult result = run_session("report.txt\n2\n1\n0.9,0.4\n30,20\n10\n0,0,0\n", old_report);
  EXPECT_EQ(result.report,
            rectangular_heading(" 3", " E Plane: 30.000   H Plane: 20.000",
                                " Input Waveguide:  0.900     0.400 in.",
                                " Design Frequency (GHz):10.0000").str());
}

// The report name: blanks around it removed; a blank name falls back to the
// first non-blank command-line argument, or else is asked for again.
TEST(DialogSession, ReportName) {
  const SessionResult padded = run_session("   report.txt   \n0\n");
  EXPECT_EQ(padded.report, "");

  const SessionResult from_argument = run_session("\n0\n", std::nullopt, {" ", "report.txt", "x"});
  EXPECT_EQ(from_argument.report, "");
  EXPECT_EQ(from_argument.program.out, banner().prompt(kOutputFile).prompt(kUnits).line(kStop).str());

  const SessionResult asked = run_session("    \n\n   \n  report.txt \n0\n");
  EXPECT_EQ(asked.report, "");
  EXPECT_EQ(asked.program.out, banner()
                                   .prompt(kOutputFile)
                                   .line("File name missing or blank - please enter file name")
                                   .prompt("UNIT 66? ").prompt("UNIT 66? ").prompt("UNIT 66? ")
                                   .prompt(kUnits).line(kStop).str());
}

// Free-form answers as they reach the dialog: separators, lines, extras,
// nulls and Windows line ends all give the same heading.
TEST(DialogSession, FreeFormAnswers) {
  const std::string expected_report =
      rectangular_heading(" 3", " E Plane: 30.000   H Plane: 20.000",
                          " Input Waveguide:  0.900     0.400 in.", " Design Frequency (GHz):10.0000").str();
  const char* variants[] = {
      "report.txt\n2\n1\n0.9,0.4\n30,20\n10\n0,0,0\n",
      "report.txt\n\n2\n  \n1\n0.9\n0.4\n30 20 40\n10,11\n0 0 0\n",
      "report.txt\r\n2\r\n1\r\n0.9 , 0.4\r\n30\t20\r\n1e1\r\n0,0,0\r\n",
      "report.txt\n2.9\n1.2\n.9 4D-1\n3Q1 2E1\n10.\n0,0,0\n",
      "report.txt\n2\n1\n0.9 0.4\n30 20\n10\n2*,0\n",
  };
  for (const char* answers : variants) {
    const SessionResult result = run_session(answers);
    EXPECT_EQ(result.report, expected_report) << answers;
    EXPECT_EQ(result.program.status, 0) << answers;
  }
  // Null answers keep the starting value 0: a frequency of 0 is written as
  // such, and a null step ends the run on the first pass.
  const SessionResult nulls = run_session("report.txt\n2\n1\n0.9,0.4\n30,20\n/\n3*\n");
  EXPECT_EQ(nulls.report, rectangular_heading(" 3", " E Plane: 30.000   H Plane: 20.000",
                                              " Input Waveguide:  0.900     0.400 in.",
                                              " Design Frequency (GHz): 0.0000").str());
  EXPECT_EQ(nulls.program.status, 0);
}

// Answers outside their tables are asked again, with one line saying what is
// accepted; nothing of it reaches the report.
TEST(DialogSession, AnswersOutsideTheirTablesAreAskedAgain) {
  const SessionResult result = run_session(
      "report.txt\n3\n-1\n2\n0\n6\n1\n0.9 0.9\ny\n4\n3\n0\n360\n-5\n20\n10\n0 0 0\n");
  const Text expected = banner()
                            .prompt(kOutputFile).prompt(kUnits).line(" Units must be 0, 1 or 2")
                            .prompt(kUnits).line(" Units must be 0, 1 or 2")
                            .prompt(kUnits).prompt(kLevel).line(" Level must be 1 to 5")
                            .prompt(kLevel).line(" Level must be 1 to 5")
                            .prompt(kLevel).prompt(kWaveguide).prompt(kSquare)
                            .prompt(kPlane).line(" Plane must be 1, 2 or 3")
                            .prompt(kPlane).prompt(kBeamwidth)
                            .line(" Beamwidths must lie between 0 and 360 degrees").prompt(kBeamwidth)
                            .line(" Beamwidths must lie between 0 and 360 degrees").prompt(kBeamwidth)
                            .line(" Beamwidths must lie between 0 and 360 degrees").prompt(kBeamwidth)
                            .prompt(kFrequency).append(phase_deviation()).line(kStop);
  EXPECT_EQ(result.program.out, expected.str());
  EXPECT_EQ(result.report, report_title().lines({"", "", " Square Horn Designed to  3 dB Beamwidth", "",
                                                 " Average E & H Plane Beamwidth: 20.000",
                                                 " Input Waveguide:   0.900 in.",
                                                 " Design Frequency (GHz):  10.0000"}).str());
  const SessionResult pair = run_session("report.txt\n2\n1\n0.9 0.4\n30 0\n30 20\n10\n0 0 0\n");
  EXPECT_EQ(pair.program.out, banner().prompt(kOutputFile).prompt(kUnits).prompt(kLevel)
                                  .prompt(kWaveguide).prompt(kBeamwidths)
                                  .line(" Beamwidths must lie between 0 and 360 degrees")
                                  .prompt(kBeamwidths).prompt(kFrequency)
                                  .append(phase_deviation()).line(kStop).str());
}

struct FatalCase {
  const char* name;
  std::string answers;
  std::string diagnostic;   // the first line, as it has always been
  std::string explanation;  // the second: which answer to which question
  int status;               // low byte of C0000000 + n
};

// Fatal errors: the diagnostic line, then a line naming the question and the
// answer that could not be read, on standard error; the error number as exit
// status; the report keeps what was written before.
TEST(DialogSession, FatalErrors) {
  const std::string end_of_file = "tarniq: severe (24): end-of-file during read, unit 5, file CONIN$\n";
  const std::string syntax = "tarniq: severe (59): list-directed I/O syntax error, unit 5, file CONIN$\n";
  const std::string conversion = "tarniq: severe (64): input conversion error, unit 5, file CONIN$\n";
  const std::string ended = "tarniq: the input ended while waiting for the answer to ";
  const std::string units = " to \"Enter units: 1 cm, 2 inches\" ";
  const std::string guide = " to \"Enter Input Waveguide  Width, Height\" ";
  const std::string range =
      " to \"Enter Aperture Phase Deviation (S) Narrow Plane (0 TO 0.7) Start,Stop,Step (0 terminates)\" ";
  const std::string not_a_number = "is not a number\n";
  const std::string real_range = "is beyond the range of a real number (at most about 3.4E+38 in size)\n";
  const FatalCase cases[] = {
      {"no input at all", "", end_of_file, ended + "\"Enter output file\"\n", 24},
      {"end at the units", "report.txt\n", end_of_file, ended + "\"Enter units: 1 cm, 2 inches\"\n", 24},
      {"end at the yes/no", "report.txt\n2\n1\n0.9 0.9\n", end_of_file, ended + "\"Square Horn?\"\n", 24},
      {"end within a pair", "report.txt\n2\n1\n0.9\n", end_of_file,
       ended + "\"Enter Input Waveguide  Width, Height\"\n", 24},
      {"end at the UNIT 66 prompt", "\n  \n", end_of_file,
       ended + "\"UNIT 66? (the report file's name)\"\n", 24},
      {"end at the phase deviation", "report.txt\n2\n1\n0.9 0.4\n30 20\n10\n", end_of_file,
       ended + range.substr(4, range.size() - 5) + "\n", 24},
      {"end at the horn dimensions", "report.txt\n2\n1\n0.9 0.9\ny\n1\n20\n10\n0.5 0.1 0.1\n", end_of_file,
       ended + "\"Enter Width, Axial Length (0 terminates)\"\n", 24},
      {"letters for units", "report.txt\nabc\n", syntax, "tarniq: the answer \"abc\"" + units + not_a_number, 59},
      {"unit name for units", "report.txt\ncm\n", syntax, "tarniq: the answer \"cm\"" + units + not_a_number, 59},
      {"logical value", "report.txt\n2\n1\nT 0.4\n", syntax, "tarniq: the answer \"T\"" + guide + not_a_number, 59},
      {"two signs", "report.txt\n2\n--1\n", syntax,
       "tarniq: the answer \"--1\" to \"Enter Design Input (1) 3 dB (2) 10 dB\" " + not_a_number, 59},
      {"integer overflow", "report.txt\n4294967298\n", conversion,
       "tarniq: the answer \"4294967298\"" + units +
           "is beyond the range of a whole number (-2147483648 to 2147483647)\n", 64},
      {"real overflow", "report.txt\n2\n1\n1e39 1\n", conversion, "tarniq: the answer \"1e39\"" + guide + real_range, 64},
      {"thousands of digits", "report.txt\n2\n1\n" + std::string(3000, '9') + " 1\n", conversion,
       "tarniq: the answer \"" + std::string(60, '9') + "...\"" + guide + real_range, 64},
      {"NUL byte", std::string("report.txt\n2\n1\n0.9\0 0.4\n", 25), syntax,
       "tarniq: the answer \"0.9\\x00\"" + guide + not_a_number, 59},
      {"repeat count overflow", "report.txt\n2\n1\n0.9 0.4\n30 20\n10\n99999999999*1\n", conversion,
       "tarniq: the answer \"99999999999*1\"" + range + "has a repeat count beyond 2147483647\n", 64},
      {"text in the frequency range", "report.txt\n2\n1\n0.9 0.4\n30 20\n10\n0.5 0.1 0.1\n4 2 5\n8 12 GHz\n",
       syntax, "tarniq: the answer \"GHz\" to \"Enter Frequency  Start,Stop,Step\" " + not_a_number, 59},
  };
  for (const auto& c : cases) {
    const SessionResult result = run_session(c.answers);
    EXPECT_EQ(result.program.err, c.diagnostic + c.explanation) << c.name;
    EXPECT_EQ(result.program.status, c.status) << c.name;
  }
  const SessionResult after_heading = run_session("report.txt\n2\n1\n0.9 0.4\n30 20\n10\n0.1 x\n");
  EXPECT_EQ(after_heading.program.status, 59);
  EXPECT_EQ(after_heading.report,
            rectangular_heading(" 3", " E Plane: 30.000   H Plane: 20.000",
                                " Input Waveguide:  0.900     0.400 in.",
                                " Design Frequency (GHz):10.0000").str());
}

// A report that cannot be opened: the diagnostic, then the path and the
// system's reason.
TEST(DialogSession, ReportThatCannotBeOpened) {
  const SessionResult missing_folder = run_session("no-such-folder/report.txt\n0\n");
  EXPECT_EQ(missing_folder.program.err,
            "tarniq: severe (29): file not found, unit 66, file no-such-folder/report.txt\n"
            "tarniq: cannot open the report file \"no-such-folder/report.txt\": No such file or directory\n");
  EXPECT_EQ(missing_folder.program.status, 29);
  EXPECT_EQ(missing_folder.program.out, banner().prompt(kOutputFile).str());

  const SessionResult folder = run_session(".\n0\n");
  EXPECT_EQ(folder.program.err,
            "tarniq: severe (30): open failure, unit 66, file .\n"
            "tarniq: cannot open the report file \".\": Is a directory\n");
  EXPECT_EQ(folder.program.status, 30);
}

// A report that cannot take its records ends the run instead of passing for
// a complete one.
TEST(DialogSession, ReportThatCannotBeWritten) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const SessionResult full = run_session("/dev/full\n2\n1\n0.9 0.4\n30 20\n10\n0 0 0\n");
  EXPECT_EQ(full.program.err,
            "tarniq: severe (38): error during write, unit 66, file /dev/full\n"
            "tarniq: cannot write the report file \"/dev/full\": No space left on device\n");
  EXPECT_EQ(full.program.status, 38);
}

}  // namespace
}  // namespace tarniq::testing
