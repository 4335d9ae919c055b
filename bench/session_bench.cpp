// The 10,000-row session, in process: design tables of both shapes at several
// levels and frequency responses, from the answer files in ten_thousand_rows/.
// `scripts/callgrind-session` counts the same session's instructions per row
// in the real program.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "run/session.hpp"

namespace {

// The console and the report go nowhere: only the program's own work is timed.
class Discard final : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Counts table rows (records made of numbers alone) and keeps nothing.
class RowCounter final : public tarniq::textio::ReportChannel {
 public:
  explicit RowCounter(long& rows) : rows_(rows) {}
  void write(const tarniq::textio::Records& records) override {
    for (std::size_t i = 0; i < records.size(); ++i)
      if (is_table_row(records[i])) ++rows_;
  }

 private:
  static bool is_table_row(std::string_view record) {
    return record.find_first_of("0123456789") != std::string_view::npos &&
           record.find_first_not_of(" 0123456789.-*") == std::string_view::npos;
  }
  long& rows_;
};

std::vector<std::string> session_answers() {
  const auto folder = std::filesystem::path(__FILE__).parent_path() / "ten_thousand_rows";
  std::vector<std::string> runs;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream file(entry.path(), std::ios::binary);
    runs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  return runs;
}

void BM_TenThousandRowSession(benchmark::State& state) {
  const std::vector<std::string> runs = session_answers();
  Discard discard;
  std::ostream out(&discard);
  long rows = 0;
  for (auto _ : state) {
    for (const std::string& answers : runs) {
      std::istringstream in(answers);
      tarniq::textio::ConsoleInput input(in);
      tarniq::textio::Console console(out, tarniq::textio::Console::Mode::Redirected);
      tarniq::run::Session session{
          input, console, [&](const std::string&) { return std::make_unique<RowCounter>(rows); }, {}};
      tarniq::run::TARNIQ(session);
    }
  }
  state.SetItemsProcessed(rows);
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TenThousandRowSession)->Unit(benchmark::kMillisecond);

}  // namespace
