// The in-memory report.
#include "textio/report.hpp"

namespace tarniq::textio {

void MemoryReport::write(const Records& records) { contents_ += records.bytes(); }

}  // namespace tarniq::textio
