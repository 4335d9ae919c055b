// Child-process runner for whole-program tests.
#include "support/program.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace tarniq::testing {
namespace {

struct Pipe {
  int read_end = -1;
  int write_end = -1;
  Pipe() {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    read_end = ends[0];
    write_end = ends[1];
  }
};

void close_if_open(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

std::string program_path() { return TARNIQ_BINARY; }

ProgramResult run_program(const std::string& input, const std::filesystem::path& folder,
                          const std::vector<std::string>& arguments) {
  Pipe in;
  Pipe out;
  Pipe err;
  const std::string program = program_path();
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork");
  if (child == 0) {
    ::dup2(in.read_end, STDIN_FILENO);
    ::dup2(out.write_end, STDOUT_FILENO);
    ::dup2(err.write_end, STDERR_FILENO);
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  close_if_open(in.read_end);
  close_if_open(out.write_end);
  close_if_open(err.write_end);
  ::signal(SIGPIPE, SIG_IGN);  // the program may stop before reading all input

  ProgramResult result;
  std::size_t written = 0;
  if (input.empty()) close_if_open(in.write_end);
  while (out.read_end >= 0 || err.read_end >= 0) {
    std::array<pollfd, 3> fds{{{out.read_end, POLLIN, 0}, {err.read_end, POLLIN, 0},
                               {in.write_end, POLLOUT, 0}}};
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll");
    }
    std::array<char, 65536> buffer{};
    for (int stream = 0; stream < 2; ++stream) {
      if (fds[stream].revents == 0) continue;
      int& fd = stream == 0 ? out.read_end : err.read_end;
      const ssize_t got = ::read(fd, buffer.data(), buffer.size());
      if (got <= 0) {
        close_if_open(fd);
      } else {
        (stream == 0 ? result.out : result.err).append(buffer.data(), static_cast<std::size_t>(got));
      }
    }
    if (fds[2].revents != 0 && in.write_end >= 0) {
      const ssize_t put = ::write(in.write_end, input.data() + written, input.size() - written);
      if (put > 0) written += static_cast<std::size_t>(put);
      if (put < 0 || written == input.size()) close_if_open(in.write_end);
    }
  }
  close_if_open(in.write_end);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace tarniq::testing
