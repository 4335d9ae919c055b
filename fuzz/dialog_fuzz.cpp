// Fuzz target: whole sessions of the program, in process, on arbitrary answers.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "run/session.hpp"
#include "textio/fatal_error.hpp"

namespace {

constexpr std::size_t kOutputLimit = 1 << 20;

// Very long tables are legitimate but slow to fuzz: stop a session whose
// report grows past the limit.
struct OutputLimitReached {};

class BoundedReport final : public tarniq::textio::ReportChannel {
 public:
  void write(const tarniq::textio::Records& records) override {
    report_.write(records);
    if (report_.contents().size() > kOutputLimit) throw OutputLimitReached{};
  }

 private:
  tarniq::textio::MemoryReport report_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the console mode and whether a command-line name is given.
  const bool terminal = (data[0] & 1) != 0;
  std::vector<std::string> arguments;
  if ((data[0] & 2) != 0) arguments.emplace_back("report.txt");

  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  std::ostringstream out;
  tarniq::textio::ConsoleInput input(in);
  tarniq::textio::Console console(out, terminal ? tarniq::textio::Console::Mode::Terminal
                                                : tarniq::textio::Console::Mode::Redirected);
  tarniq::run::Session session{input, console,
                               [](const std::string&) { return std::make_unique<BoundedReport>(); },
                               arguments};
  try {
    tarniq::run::TARNIQ(session);
  } catch (const tarniq::textio::FatalError&) {
  } catch (const OutputLimitReached&) {
  }
  return 0;
}
