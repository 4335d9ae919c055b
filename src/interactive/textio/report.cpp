// Report records as bytes, and the in-memory report.
#include "textio/report.hpp"

namespace tarniq::textio {

std::string report_bytes(const Records& records) {
  std::string bytes;
  for (const std::string& line : records.lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

void MemoryReport::write(const Records& records) { contents_ += report_bytes(records); }

}  // namespace tarniq::textio
