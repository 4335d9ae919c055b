// Rendering and writing table rows uses no heap memory: a table of a thousand
// rows allocates no more than a table of ten.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <sstream>
#include <streambuf>
#include <string>

#include "run/session.hpp"
#include "textio/console.hpp"
#include "textio/records.hpp"
#include "textio/report.hpp"

// Every allocation of this test program is counted.
namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace tarniq::testing {
namespace {

// A console that shows nothing and keeps nothing.
class Discard final : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

template <typename Work>
long allocations_during(Work work) {
  const long before = allocations.load();
  work();
  return allocations.load() - before;
}

// One row of each table layout, rendered and written to both console modes
// and to a report file, allocates nothing once the channels are set up.
TEST(SteadyStateAllocation, RenderingAndWritingARowAllocatesNothing) {
  constexpr textio::Layout kRow{R"L((F10.4, 4X, F7.2, 4(2X, F6.1, 1X)))L"};
  constexpr textio::Layout kHeading{R"L((/, " Frequency", 2X, " Gain(dB) ", A2, " dB Beamwidths", /))L"};
  Discard discard;
  std::ostream out(&discard);
  textio::Console redirected(out, textio::Console::Mode::Redirected);
  textio::Console terminal(out, textio::Console::Mode::Terminal);
  const auto report = textio::open_report_file("/dev/null");
  const long counted = allocations_during([&] {
    for (int row = 0; row < 1000; ++row) {
      const float value = 8.0f + 0.01f * static_cast<float>(row);
      const textio::Records records =
          render(kRow, {value, -value, 1e6f * value, value / 3.0f, -0.04f, 12.25f});
      redirected.write(records);
      terminal.write(records);
      report->write(records);
      report->write(render(kHeading, {std::string_view("10")}));
    }
  });
  EXPECT_EQ(counted, 0);
}

long session_allocations(const std::string& answers) {
  std::istringstream in(answers);
  Discard discard;
  std::ostream out(&discard);
  textio::ConsoleInput input(in);
  textio::Console console(out, textio::Console::Mode::Redirected);
  run::Session session{input, console, textio::open_report_file, {}};
  return allocations_during([&] { run::TARNIQ(session); });
}

// Whole sessions, rectangular and square: ten times more rows, in the design
// table and in the frequency sweep, cost not one allocation more.
TEST(SteadyStateAllocation, AllocationsDoNotGrowWithTheRows) {
  const std::string rectangular = "/dev/null\n2\n1\n0.9 0.4\n30 20\n10\n";
  const std::string square = "/dev/null\n1\n2\n2.286 2.286\ny\n3\n20\n10\n";
  for (const auto& [dialog, horn] : {std::pair{rectangular, "4.22 1.978 5.699"}, std::pair{square, "9 15"}}) {
    const auto tables = [&](const char* design_step, const char* frequency_step) {
      return dialog + "0.1 0.5 " + design_step + "\n" + horn + "\n8 12 " + frequency_step + "\n0 0 0\n0 0 0\n";
    };
    EXPECT_EQ(session_allocations(tables("0.04", "0.4")), session_allocations(tables("0.0004", "0.004")))
        << dialog;
  }
}

}  // namespace
}  // namespace tarniq::testing
