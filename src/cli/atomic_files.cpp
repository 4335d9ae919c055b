// Writing output files whole or not at all.
#include "atomic_files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace tarniq::cli {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const fs::path& path, int error) {
  throw FileError("cannot write " + path.string() + ": " + std::strerror(error));
}

// Writes all of the text to an open descriptor; the errno of a failure, or 0.
int write_all(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(put);
  }
  return 0;
}

mode_t new_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// The file a path finally names: a symbolic link is followed, so that the
// rename replaces the file and keeps the link.
fs::path resolved(const fs::path& target) {
  std::error_code error;
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    const fs::path canonical = fs::weakly_canonical(target, error);
    if (!error) return canonical;
  }
  return target;
}

struct Temporary {
  fs::path path;
  fs::path target;
};

void write_in_place(const PendingFile& file) {
  const int fd = ::open(file.target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) fail(file.target, errno);
  const int error = write_all(fd, file.contents);
  ::close(fd);
  if (error != 0) fail(file.target, error);
}

Temporary write_temporary(const PendingFile& file) {
  const fs::path target = resolved(file.target);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) fail(file.target, EISDIR);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string pattern = (folder / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) fail(file.target, errno);
  const mode_t mode = exists ? static_cast<mode_t>(existing.st_mode & 07777) : new_file_mode();
  int error = write_all(fd, file.contents);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(pattern.c_str());
    fail(file.target, error);
  }
  return {pattern, target};
}

bool is_special(const fs::path& target) {
  struct stat status {};
  return ::stat(target.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
}

}  // namespace

void write_files(const std::vector<PendingFile>& files) {
  std::vector<Temporary> written;
  try {
    for (const auto& file : files)
      if (!is_special(file.target)) written.push_back(write_temporary(file));
  } catch (...) {
    for (const auto& temporary : written) ::unlink(temporary.path.c_str());
    throw;
  }
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (::rename(written[i].path.c_str(), written[i].target.c_str()) != 0) {
      const int error = errno;
      for (std::size_t j = i; j < written.size(); ++j) ::unlink(written[j].path.c_str());
      fail(written[i].target, error);
    }
  }
  for (const auto& file : files)
    if (is_special(file.target)) write_in_place(file);
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  const fs::path first = fs::weakly_canonical(fs::absolute(a, error).lexically_normal(), error);
  if (error) return a == b;
  const fs::path second = fs::weakly_canonical(fs::absolute(b, error).lexically_normal(), error);
  if (error) return a == b;
  return first == second;
}

}  // namespace tarniq::cli
