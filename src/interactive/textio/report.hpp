// The report channel (unit 66): where its records go and how the file is opened.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "textio/records.hpp"

namespace tarniq::textio {

// Receives whole records; each is stored with its first character and ended
// by CR LF (Records::bytes()). Layouts written here never leave a record open.
class ReportChannel {
 public:
  virtual ~ReportChannel() = default;
  virtual void write(const Records& records) = 0;
};

// Opens the report of the given (trimmed, non-blank) name or throws the
// matching FatalError on unit 66.
using ReportOpener = std::function<std::unique_ptr<ReportChannel>(const std::string& name)>;

// The report as a file on disk. A missing file is created; an existing file
// keeps its contents until the first record is written, which replaces them.
// Every write goes to the file at once, so however the process ends, the file
// holds exactly the records written so far.
std::unique_ptr<ReportChannel> open_report_file(const std::string& name);

// Every record as the file would hold it, kept in memory (for in-process runs).
class MemoryReport final : public ReportChannel {
 public:
  void write(const Records& records) override;
  const std::string& contents() const { return contents_; }

 private:
  std::string contents_;
};

}  // namespace tarniq::textio
