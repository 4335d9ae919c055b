// Diagnostic texts of the fatal run-time errors.
#include "textio/fatal_error.hpp"

#include <array>

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

// Longer answers are cut, so that a diagnostic stays one readable line; file
// names and the program's own questions are given whole.
constexpr std::size_t kAnswerLimit = 60;
constexpr std::size_t kWhole = std::string_view::npos;

// `text` in double quotes, with control bytes (which could upset a terminal)
// written as \xNN, cut after `limit` characters.
std::string quoted(std::string_view text, std::size_t limit = kAnswerLimit) {
  constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
  std::string result = "\"";
  for (const char c : text.substr(0, limit)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      result += "\\x";
      result += kHex[byte >> 4];
      result += kHex[byte & 0xfu];
    } else {
      result += c;
    }
  }
  if (text.size() > limit) result += "...";
  return result + "\"";
}

std::string to_question(std::string_view question) {
  return question.empty() ? std::string() : " to " + quoted(question, kWhole);
}

}  // namespace

std::string FatalError::describe() const {
  return "severe (" + std::to_string(static_cast<int>(number)) + "): " + message_text(number) +
         ", unit " + std::to_string(unit) + ", file " + file;
}

std::string FatalError::explain() const {
  switch (number) {
    case ErrorNumber::EndOfFile:
      if (question.empty()) return "the input ended before every answer was read";
      return "the input ended while waiting for the answer" + to_question(question);
    case ErrorNumber::SyntaxError:
    case ErrorNumber::ConversionError:
      if (problem.empty()) return {};
      return "the answer " + quoted(answer) + to_question(question) + " " + problem;
    case ErrorNumber::WriteFailure:
      return "cannot write the report file " + quoted(file, kWhole) + (reason.empty() ? "" : ": " + reason);
    case ErrorNumber::PermissionDenied:
    case ErrorNumber::FileNotFound:
    case ErrorNumber::OpenFailure:
    case ErrorNumber::FileNameError:
      return "cannot open the report file " + quoted(file, kWhole) + (reason.empty() ? "" : ": " + reason);
  }
  return {};
}

int FatalError::exit_status() const {
  return static_cast<int>(0xC0000000u | static_cast<unsigned>(number));
}

FatalError console_input_error(ErrorNumber number, std::string_view answer, std::string_view problem) {
  FatalError error{number, kConsoleInputUnit, kConsoleInputName};
  error.answer = answer;
  error.problem = problem;
  return error;
}

FatalError report_file_error(ErrorNumber number, std::string name, std::string reason) {
  FatalError error{number, kReportUnit, std::move(name)};
  error.reason = std::move(reason);
  return error;
}

}  // namespace tarniq::textio
