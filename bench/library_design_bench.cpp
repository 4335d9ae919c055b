// Per-call cost of the library's designs: exact (pattern) and table beamwidth designs, the optimum-gain horn.
#include <benchmark/benchmark.h>

#include "tarniq/design.hpp"
#include "tarniq/gain_design.hpp"
#include "tarniq/units.hpp"

namespace {

using tarniq::DesignMethod;
using tarniq::RectangularPrescription;

constexpr double kGHz = tarniq::hertz_per_gigahertz;
const tarniq::Waveguide kXBand{0.9 * tarniq::metres_per_inch, 0.4 * tarniq::metres_per_inch, "WR-90"};

// The X-band example: E plane 30°, H plane 20° at 3 dB, S = 0.25, 10 GHz;
// and the 10 dB design whose wider plane needs a larger phase deviation.
const RectangularPrescription kHalfPower{30.0, 20.0, tarniq::half_power_db, 0.25, 10.0 * kGHz, kXBand};
const RectangularPrescription kTenDb{15.0, 25.0, 10.0, 0.21, 10.0 * kGHz, kXBand};

void BM_PatternDesign(benchmark::State& state, const RectangularPrescription& prescription) {
  for (auto _ : state) {
    auto design = tarniq::design_rectangular(prescription, {DesignMethod::pattern});
    benchmark::DoNotOptimize(design);
  }
}
BENCHMARK_CAPTURE(BM_PatternDesign, half_power, kHalfPower)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PatternDesign, ten_db, kTenDb)->Unit(benchmark::kMicrosecond);

void BM_TableDesign(benchmark::State& state) {
  for (auto _ : state) {
    auto design = tarniq::design_rectangular(kHalfPower, {DesignMethod::table});
    benchmark::DoNotOptimize(design);
  }
}
BENCHMARK(BM_TableDesign)->Unit(benchmark::kMicrosecond);

// The textbook's optimum-gain example: 22.6 dBi at 11 GHz on WR-90.
void BM_GainDesign(benchmark::State& state) {
  for (auto _ : state) {
    auto design = tarniq::design_for_gain(22.6, 11.0 * kGHz, kXBand);
    benchmark::DoNotOptimize(design);
  }
}
BENCHMARK(BM_GainDesign)->Unit(benchmark::kMicrosecond);

}  // namespace
