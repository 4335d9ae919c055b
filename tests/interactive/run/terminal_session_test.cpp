// The program on a terminal: what the console shows when it is a terminal.
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <string>

#include "support/program.hpp"
#include "support/temp_dir.hpp"

namespace tarniq::testing {
namespace {

// The program running on a pseudo-terminal whose echo is off, so the screen
// output is the program's alone. The terminal turns each line feed into
// CR LF on the way out.
class TerminalSession {
 public:
  explicit TerminalSession(const std::filesystem::path& folder) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    const std::string slave_name = ::ptsname(master_);
    child_ = ::fork();
    if (child_ == 0) {
      ::setsid();
      const int slave = ::open(slave_name.c_str(), O_RDWR);
      termios mode{};
      ::tcgetattr(slave, &mode);
      mode.c_lflag &= ~static_cast<tcflag_t>(ECHO);
      ::tcsetattr(slave, TCSANOW, &mode);
      ::dup2(slave, STDIN_FILENO);
      ::dup2(slave, STDOUT_FILENO);
      ::dup2(slave, STDERR_FILENO);
      if (::chdir(folder.c_str()) != 0) ::_exit(127);
      const std::string program = program_path();
      ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
  }
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;
  ~TerminalSession() {
    if (child_ > 0) {
      ::kill(child_, SIGKILL);
      ::waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) ::close(master_);
  }

  bool started() const { return master_ >= 0 && child_ > 0; }

  // Reads the screen until it ends with `tail` (or a few seconds pass) and
  // returns everything read since the last call.
  std::string read_until(const std::string& tail) {
    std::string screen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (screen.size() < tail.size() || screen.compare(screen.size() - tail.size(), tail.size(), tail) != 0) {
      if (std::chrono::steady_clock::now() > deadline) break;
      pollfd ready{master_, POLLIN, 0};
      if (::poll(&ready, 1, 100) <= 0) continue;
      std::array<char, 4096> buffer{};
      const ssize_t got = ::read(master_, buffer.data(), buffer.size());
      if (got <= 0) break;
      screen.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return screen;
  }

  void type(const std::string& line) { (void)!::write(master_, line.data(), line.size()); }

  int exit_status() {
    int status = 0;
    ::waitpid(child_, &status, 0);
    child_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  int master_ = -1;
  pid_t child_ = -1;
};

// Records appear without their first character, one per line; each prompt
// leaves the cursor right after its text; the stop line is shown whole.
TEST(TerminalSession, ConsoleShowsRecordsWithoutControlCharacter) {
  TempDir folder;
  TerminalSession terminal(folder.path());
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
  EXPECT_EQ(terminal.exit_status(), 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "report.txt"));
}

}  // namespace
}  // namespace tarniq::testing
