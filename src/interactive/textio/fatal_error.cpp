// Diagnostic texts of the fatal run-time errors.
#include "textio/fatal_error.hpp"

namespace tarniq::textio {
namespace {

const char* message_text(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::PermissionDenied: return "permission to access file denied";
    case ErrorNumber::EndOfFile: return "end-of-file during read";
    case ErrorNumber::FileNotFound: return "file not found";
    case ErrorNumber::OpenFailure: return "open failure";
    case ErrorNumber::WriteFailure: return "error during write";
    case ErrorNumber::FileNameError: return "file name specification error";
    case ErrorNumber::SyntaxError: return "list-directed I/O syntax error";
    case ErrorNumber::ConversionError: return "input conversion error";
  }
  return "unknown error";
}

}  // namespace

std::string FatalError::describe() const {
  return "severe (" + std::to_string(static_cast<int>(number)) + "): " + message_text(number) +
         ", unit " + std::to_string(unit) + ", file " + file;
}

int FatalError::exit_status() const {
  return static_cast<int>(0xC0000000u | static_cast<unsigned>(number));
}

FatalError console_input_error(ErrorNumber number) {
  return FatalError{number, kConsoleInputUnit, kConsoleInputName};
}

}  // namespace tarniq::textio
