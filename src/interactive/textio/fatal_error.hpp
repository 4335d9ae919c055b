// The run-time errors that end the program at once, with their diagnostics.
#pragma once

#include <string>

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

// Thrown by the text layer; unwinds the whole run to main, which writes
// "<prefix>: " + describe() to standard error and exits with exit_status().
struct FatalError {
  ErrorNumber number;
  int unit;
  std::string file;

  // For example "severe (24): end-of-file during read, unit 5, file CONIN$".
  std::string describe() const;
  // The error number with the top two bits set (hexadecimal C0000000 + n).
  int exit_status() const;
};

// An error on the console input (unit 5, "CONIN$").
FatalError console_input_error(ErrorNumber number);

}  // namespace tarniq::textio
