// The run-time errors that end the program at once, with their diagnostics.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace tarniq::textio {

enum class ErrorNumber : int {
  PermissionDenied = 9,
  EndOfFile = 24,
  FileNotFound = 29,
  OpenFailure = 30,
  WriteFailure = 38,
  FileNameError = 43,
  SyntaxError = 59,
  ConversionError = 64,
};

inline constexpr int kConsoleInputUnit = 5;
inline constexpr int kReportUnit = 66;
inline constexpr const char* kConsoleInputName = "CONIN$";

// Thrown by the text layer; unwinds the whole run to the one place that
// writes "<prefix>: " + describe() to standard error, then
// "<prefix>: " + explain() when it is not empty, and exits with exit_status().
struct FatalError {
  FatalError(ErrorNumber number_, int unit_, std::string file_)
      : number(number_), unit(unit_), file(std::move(file_)) {}

  ErrorNumber number;
  int unit;
  std::string file;

  // What a person can act on, filled in by the layers that know it:
  std::string question;  // input errors: the question being answered
  std::string answer;    // errors 59 and 64: the text that could not be read
  std::string problem;   // errors 59 and 64: what is wrong with it ("is not a number")
  std::string reason;    // report-file errors: the system's reason

  // For example "severe (24): end-of-file during read, unit 5, file CONIN$".
  std::string describe() const;
  // For example `the answer "cm" to "Enter units: 1 cm, 2 inches" is not a
  // number`, or `cannot open the report file "out/r.txt": No such file or
  // directory`; empty when nothing is known beyond describe().
  std::string explain() const;
  // The error number with the top two bits set (hexadecimal C0000000 + n).
  int exit_status() const;
};

// An error on the console input (unit 5, "CONIN$"); for errors 59 and 64,
// the text that could not be read and what is wrong with it.
FatalError console_input_error(ErrorNumber number, std::string_view answer = {},
                               std::string_view problem = {});

// An error on the report file (unit 66) of the given name, with the
// system's reason.
FatalError report_file_error(ErrorNumber number, std::string name, std::string reason);

}  // namespace tarniq::textio
