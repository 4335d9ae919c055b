// Child processes for whole-program tests.
#include "support/program.hpp"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace tarniq::testing {
namespace {

constexpr uid_t kUnprivilegedId = 65534;  // the conventional "nobody"

std::array<int, 2> make_pipe() {
  std::array<int, 2> ends{};
  if (::pipe2(ends.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  return ends;
}

void close_if_open(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

ExitInfo exit_info(int status) {
  ExitInfo info;
  if (WIFEXITED(status)) info.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) info.signal = WTERMSIG(status);
  return info;
}

// In the child: the signals a shell would give the program, its folder, then
// the program itself. Only async-signal-safe calls from here on.
[[noreturn]] void exec_program(const std::filesystem::path& folder, const std::vector<char*>& argv) {
  for (const int reset : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) ::signal(reset, SIG_DFL);
  if (::chdir(folder.c_str()) != 0) ::_exit(127);
  ::execv(argv[0], argv.data());
  ::_exit(127);
}

// In the child: the slave side of the terminal as its controlling terminal
// and its three standard streams, echo off.
void attach_terminal(const std::string& slave_name) {
  ::setsid();
  const int slave = ::open(slave_name.c_str(), O_RDWR);
  termios mode{};
  ::tcgetattr(slave, &mode);
  mode.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  ::tcsetattr(slave, TCSANOW, &mode);
  for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) ::dup2(slave, stream);
}

}  // namespace

std::string program_path() { return TARNIQ_BINARY; }

ChildProcess::ChildProcess(const Options& options) {
  std::vector<std::string> arguments{options.program};
  arguments.insert(arguments.end(), options.arguments.begin(), options.arguments.end());
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  ::signal(SIGPIPE, SIG_IGN);  // the program may end before it has read all input

  if (options.streams == Streams::Terminal) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
      if (master >= 0) ::close(master);
      return;
    }
    const std::string slave_name = ::ptsname(master);
    child_ = ::fork();
    if (child_ == 0) {
      attach_terminal(slave_name);
      exec_program(options.folder, argv);
    }
    input_ = master;
    output_ = master;
    return;
  }

  auto in = make_pipe();
  auto out = make_pipe();
  auto err = make_pipe();
  child_ = ::fork();
  if (child_ == 0) {
    ::dup2(in[0], STDIN_FILENO);
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    exec_program(options.folder, argv);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  input_ = in[1];
  output_ = out[0];
  errors_ = err[0];
}

ChildProcess::~ChildProcess() {
  if (child_ > 0) {
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
  if (input_ == output_) input_ = -1;  // one terminal, closed once
  close_if_open(input_);
  close_if_open(output_);
  close_if_open(errors_);
}

void ChildProcess::type(std::string_view text) {
  std::size_t done = 0;
  while (input_ >= 0 && done < text.size()) {
    const ssize_t put = ::write(input_, text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return;
    done += static_cast<std::size_t>(put);
  }
}

void ChildProcess::end_input() {
  if (input_ != output_) close_if_open(input_);
}

std::string ChildProcess::read_until(std::string_view tail, std::chrono::milliseconds timeout) {
  std::string screen;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (output_ >= 0 && !screen.ends_with(tail) && std::chrono::steady_clock::now() < deadline) {
    pollfd ready{output_, POLLIN, 0};
    if (::poll(&ready, 1, 100) <= 0) continue;
    std::array<char, 4096> buffer{};
    const ssize_t got = ::read(output_, buffer.data(), buffer.size());
    if (got <= 0) break;
    screen.append(buffer.data(), static_cast<std::size_t>(got));
  }
  return screen;
}

ProgramResult ChildProcess::communicate(std::string_view input) {
  if (child_ <= 0 || errors_ < 0) throw std::logic_error("communicate needs a started program on pipes");
  ProgramResult result;
  std::size_t written = 0;
  if (input.empty()) close_if_open(input_);
  while (output_ >= 0 || errors_ >= 0) {
    std::array<pollfd, 3> fds{{{output_, POLLIN, 0}, {errors_, POLLIN, 0}, {input_, POLLOUT, 0}}};
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll");
    }
    std::array<char, 65536> buffer{};
    for (const int stream : {0, 1}) {
      if (fds[static_cast<std::size_t>(stream)].revents == 0) continue;
      int& fd = stream == 0 ? output_ : errors_;
      const ssize_t got = ::read(fd, buffer.data(), buffer.size());
      if (got <= 0) {
        close_if_open(fd);
      } else {
        (stream == 0 ? result.out : result.err).append(buffer.data(), static_cast<std::size_t>(got));
      }
    }
    if (fds[2].revents != 0 && input_ >= 0) {
      const ssize_t put = ::write(input_, input.data() + written, input.size() - written);
      if (put > 0) written += static_cast<std::size_t>(put);
      if (put < 0 || written == input.size()) close_if_open(input_);
    }
  }
  close_if_open(input_);
  const ExitInfo ended = wait();
  result.status = ended.status;
  result.signal = ended.signal;
  return result;
}

void ChildProcess::send_signal(int signal_number) {
  if (child_ > 0) ::kill(child_, signal_number);
}

ExitInfo ChildProcess::wait() {
  if (child_ <= 0) return {};
  int status = 0;
  while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
  return exit_info(status);
}

ExitInfo ChildProcess::run_unprivileged(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork");
  if (child == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 || ::setuid(kUnprivilegedId) != 0))
      ::_exit(125);
    ::_exit(body());
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return exit_info(status);
}

ProgramResult run_program(std::string_view input, const std::filesystem::path& folder,
                          const std::vector<std::string>& arguments) {
  ChildProcess program({folder, arguments, ChildProcess::Streams::Pipes});
  return program.communicate(input);
}

}  // namespace tarniq::testing
