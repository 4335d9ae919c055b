// The built program as a separate process, as a user or a script would run
// it: on pipes or on a pseudo-terminal; and functions run in a forked child
// without root rights. The one place that forks for the tests.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarniq::testing {

// The path of the built interactive program.
std::string program_path();

// How a child ended: its exit status (0 to 255), or the signal that ended it.
struct ExitInfo {
  int status = -1;  // -1 when ended by a signal
  int signal = 0;
};

// What a run of the program wrote, and how it ended.
struct ProgramResult {
  std::string out;   // standard output
  std::string err;   // standard error
  int status = -1;   // exit status (0 to 255), or -1 when ended by a signal
  int signal = 0;    // the signal that ended it, if any
};

class ChildProcess {
 public:
  enum class Streams {
    Pipes,     // standard input, output and error are three pipes
    Terminal,  // all three are one pseudo-terminal, echo off
  };
  struct Options {
    std::filesystem::path folder = ".";
    std::vector<std::string> arguments;
    Streams streams = Streams::Pipes;
    std::string program = program_path();  // the interactive program unless told
  };

  // Starts the built program in `options.folder`, with the signals a program
  // started from a shell has (default SIGINT, SIGTERM, SIGHUP and SIGPIPE).
  explicit ChildProcess(const Options& options);
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // A child still running is killed and reaped.
  ~ChildProcess();

  bool started() const { return child_ > 0; }

  // Writes to the program's standard input (or types on its terminal).
  void type(std::string_view text);
  // Closes standard input (pipes only): the program sees the end of its input.
  void end_input();
  // Reads standard output (or the terminal) until what was read ends with
  // `tail` or `timeout` passes, and returns what was read.
  std::string read_until(std::string_view tail,
                         std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Pipes only: feeds `input`, then the end of input, collects standard
  // output and error until the program closes them, and waits for its end.
  ProgramResult communicate(std::string_view input);

  void send_signal(int signal_number);
  ExitInfo wait();

  // Runs `body` in a forked child, without root rights when the test runs as
  // root (as user and group 65534), and returns how it ended: its exit
  // status is body's result.
  static ExitInfo run_unprivileged(const std::function<int()>& body);

 private:
  pid_t child_ = -1;
  int input_ = -1;   // standard input, or the terminal's master side
  int output_ = -1;  // standard output, or the terminal's master side
  int errors_ = -1;  // standard error (pipes only)
};

// Starts the program in `folder` with `arguments`, feeds it `input` on
// standard input (then end of file) and collects its output.
ProgramResult run_program(std::string_view input, const std::filesystem::path& folder,
                          const std::vector<std::string>& arguments = {});

}  // namespace tarniq::testing
