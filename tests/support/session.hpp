// Whole-program sessions: answers in, console output, report and status out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/program.hpp"
#include "support/temp_dir.hpp"

namespace tarniq::testing {

// Expected output built record by record: `line` is a record (ended by CR LF
// on the report and on a redirected console), `prompt` is a prompt (no line end).
class Text {
 public:
  Text& line(std::string_view record = {}) {
    text_.append(record).append("\r\n");
    return *this;
  }
  Text& prompt(std::string_view record) {
    text_.append(record);
    return *this;
  }
  Text& lines(std::initializer_list<std::string_view> records) {
    for (const auto record : records) line(record);
    return *this;
  }
  Text& append(const Text& other) {
    text_ += other.text_;
    return *this;
  }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

struct SessionResult {
  ProgramResult program;
  std::optional<std::string> report;  // the report file's bytes, if it exists
};

// Runs the program in a fresh folder whose report file "report.txt" holds
// `old_report` beforehand (when given).
inline SessionResult run_session(const std::string& answers,
                                 const std::optional<std::string>& old_report = std::nullopt,
                                 const std::vector<std::string>& arguments = {},
                                 const std::string& report_name = "report.txt") {
  TempDir folder;
  const auto report_path = folder / report_name;
  if (old_report) write_file(report_path, *old_report);
  SessionResult result{run_program(answers, folder.path(), arguments), std::nullopt};
  if (std::filesystem::exists(report_path)) result.report = read_file(report_path);
  return result;
}

// The console's opening lines and the prompts of the dialog, as the
// redirected console shows them.
namespace prompts {
inline constexpr std::string_view kOutputFile = " Enter output file ";
inline constexpr std::string_view kUnits = " Enter units: 1 cm, 2 inches ";
inline constexpr std::string_view kLevel = " Enter Design Input (1) 3 dB (2) 10 dB ";
inline constexpr std::string_view kWaveguide = " Enter Input Waveguide  Width, Height ";
inline constexpr std::string_view kSquare = " Square Horn? ";
inline constexpr std::string_view kPlane = " Design to (1) E Plane, (2) H Plane, '(3) Avg. Beamwidth ";
inline constexpr std::string_view kBeamwidth = " Enter Beamwidth ";
inline constexpr std::string_view kBeamwidths = " Enter Beamwidths  E Plane, H Plane ";
inline constexpr std::string_view kFrequency = " Enter Design Frequency (GHz) ";
inline constexpr std::string_view kStop = "Stop - Program terminated.";

inline Text banner() {
  return Text().line().line(" Rectangular Horn Designed to Prescribed Beamwidths").line();
}
inline Text phase_deviation() {
  return Text()
      .line(" Enter Aperture Phase Deviation (S)")
      .prompt("      Narrow Plane (0 TO 0.7) Start,Stop,Step (0 terminates) ");
}
}  // namespace prompts

// The report's opening title, written once per run.
inline Text report_title() {
  return Text().line().line("     TARNIQ   ").line("     Code: Quennivoraster");
}

}  // namespace tarniq::testing
