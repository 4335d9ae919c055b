// Output files written whole or not at all: temporary files beside the targets, renamed at the end.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarniq::cli {

struct PendingFile {
  std::filesystem::path target;
  std::string contents;
};

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes every file, or none: each goes to a temporary file in its target's
// folder, flushed to disk, and only when all are written are they renamed
// over their targets, so a failure leaves any older file as it was. A new
// file gets the usual permissions (0666 less the umask), a replaced one keeps
// its own; a symbolic link keeps pointing at the file it names. A target
// that is not a regular file (/dev/null, a pipe) is written in place.
// Throws FileError naming the file and the reason.
void write_files(const std::vector<PendingFile>& files);

// Whether two output paths name the same file (also through links).
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tarniq::cli
