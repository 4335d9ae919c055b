// The report file on disk.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "textio/fatal_error.hpp"
#include "textio/report.hpp"

namespace tarniq::textio {
namespace {

ErrorNumber open_error_number(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return ErrorNumber::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return ErrorNumber::PermissionDenied;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ: return ErrorNumber::FileNameError;
    default: return ErrorNumber::OpenFailure;
  }
}

// The system's text for an error number, as in "No such file or directory".
std::string system_reason(int error) { return std::generic_category().message(error); }

class ReportFile final : public ReportChannel {
 public:
  ReportFile(int descriptor, std::string name) : fd_(descriptor), name_(std::move(name)) {}
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;
  ~ReportFile() override { ::close(fd_); }

  void write(const Records& records) override {
    if (!replaced_old_contents_) cut_old_contents();
    write_all(records.bytes());
  }

 private:
  // Called before the first record: from here on the report replaces
  // whatever the file held.
  void cut_old_contents() {
    struct stat status {};
    if (::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode) && ::ftruncate(fd_, 0) != 0)
      fail(system_reason(errno));
    replaced_old_contents_ = true;
  }

  void write_all(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) fail(system_reason(errno));
      if (written == 0) fail("the system accepted no bytes");
      done += static_cast<std::size_t>(written);
    }
  }

  // A report that cannot be written must not pass for a complete one.
  [[noreturn]] void fail(std::string reason) const {
    throw report_file_error(ErrorNumber::WriteFailure, name_, std::move(reason));
  }

  int fd_;
  std::string name_;
  bool replaced_old_contents_ = false;
};

}  // namespace

std::unique_ptr<ReportChannel> open_report_file(const std::string& name) {
  if (name.find('\0') != std::string::npos)
    throw report_file_error(ErrorNumber::FileNameError, name, "the name holds a NUL character");
  int fd = -1;
  do {
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    const int error = errno;
    throw report_file_error(open_error_number(error), name, system_reason(error));
  }
  return std::make_unique<ReportFile>(fd, name);
}

}  // namespace tarniq::textio
