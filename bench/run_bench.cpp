// Benchmarks of whole in-process sessions: a 50-row design table, and a table
// with a 41-row frequency response, rendered to memory.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "run/session.hpp"

namespace {

void run_session(benchmark::State& state, const std::string& answers) {
  for (auto _ : state) {
    std::istringstream in(answers);
    std::ostringstream out;
    tarniq::textio::ConsoleInput input(in);
    tarniq::textio::Console console(out, tarniq::textio::Console::Mode::Redirected);
    tarniq::run::Session session{
        input, console, [](const std::string&) { return std::make_unique<tarniq::textio::MemoryReport>(); }, {}};
    tarniq::run::TARNIQ(session);
    benchmark::DoNotOptimize(out.str().size());
  }
}

// 50 rectangular designs, S = 0.01 to 0.50, then the stop.
void BM_DesignTable50Rows(benchmark::State& state) {
  run_session(state, "r\n2\n1\n0.9 0.4\n30 20\n10\n0.01 0.5 0.01\n0 0 0\n0 0 0\n");
}
BENCHMARK(BM_DesignTable50Rows)->Unit(benchmark::kMicrosecond);

// One design row and a frequency response of 41 rows, 8 to 12 GHz.
void BM_FrequencyResponse41Rows(benchmark::State& state) {
  run_session(state, "r\n2\n1\n0.9 0.4\n30 20\n10\n0.25 0.25 1\n4.22 1.978 5.699\n8 12 0.1\n0 0 0\n0 0 0\n");
}
BENCHMARK(BM_FrequencyResponse41Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
