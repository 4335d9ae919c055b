// A run killed by a signal while it waits for an answer: the report holds
// exactly the records written so far.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "support/program.hpp"
#include "support/session.hpp"

namespace tarniq::testing {
namespace {

// Starts the program, types `answers` without ending the input, waits until
// the console output ends with `waiting_at`, then sends `signal_number`;
// returns the signal that ended the program.
int interrupt_at(const std::filesystem::path& folder, const std::string& answers,
                 const std::string& waiting_at, int signal_number) {
  ChildProcess program({folder, {}, ChildProcess::Streams::Pipes});
  program.type(answers);
  program.read_until(waiting_at);
  program.send_signal(signal_number);
  return program.wait().signal;
}

const std::string kOldReport = std::string(20000, '#') + "\r\n";

// Nothing written yet: an existing report is left as it was.
TEST(InterruptedRun, BeforeTheFirstRecordTheOldReportStays) {
  for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    TempDir folder;
    write_file(folder / "report.txt", kOldReport);
    EXPECT_EQ(interrupt_at(folder.path(), "report.txt\n2\n", std::string(prompts::kLevel), signal_number),
              signal_number);
    EXPECT_EQ(read_file(folder / "report.txt"), kOldReport) << signal_number;
  }
}

// Killed at the second phase-deviation prompt: the heading, the table and the
// frequency-response block are there, and nothing of the longer old file.
TEST(InterruptedRun, AfterATableTheReportHoldsWhatWasWritten) {
  const std::string answers =
      "report.txt\n2\n1\n0.9 0.9\ny\n1\n20\n10\n0.25 0.25 0.1\n3.6 6\n0 0 0\n0 0\n";
  const std::string expected =
      report_title()
          .lines({"", "", " Square Horn Designed to  3 dB Beamwidth", "", " E Plane Beamwidth: 20.000",
                  " Input Waveguide:   0.900 in.", " Design Frequency (GHz):  10.0000", "",
                  "   S      Width  Slant Radius  Length  Flare Angle", "",
                  " 0.250    3.161       4.234     2.810     21.921", "",
                  " Frequency Response: Aperture Width:  3.600   Length:   6.000",
                  " Slant Radius:   8.200", ""})
          .str();
  // The dimension prompt right before the phase-deviation prompt shows up
  // only once the frequency response has ended.
  const std::string waiting_at = " Enter Width, Axial Length (0 terminates) " + prompts::phase_deviation().str();
  for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    TempDir folder;
    write_file(folder / "report.txt", kOldReport);
    EXPECT_EQ(interrupt_at(folder.path(), answers, waiting_at, signal_number), signal_number);
    EXPECT_EQ(read_file(folder / "report.txt"), expected) << signal_number;
  }
}

}  // namespace
}  // namespace tarniq::testing
