// Per-call cost of a horn's parts: the panel table, a net layout and a 2 mm-wall solid (each meant to stay under 1 ms).
#include <benchmark/benchmark.h>

#include "tarniq/parts.hpp"
#include "tarniq/waveguide.hpp"

namespace {

// The X-band example horn, 11 × 8 cm and 20 cm long on WR-90.
const tarniq::Horn kHorn = tarniq::make_horn(0.11, 0.08, 0.20, tarniq::find_waveguide("WR-90"));

void BM_PanelTable(benchmark::State& state) {
  for (auto _ : state) {
    auto panels = tarniq::horn_panels(kHorn);
    benchmark::DoNotOptimize(panels);
  }
}
BENCHMARK(BM_PanelTable)->Unit(benchmark::kMicrosecond);

void BM_NetLayout(benchmark::State& state) {
  for (auto _ : state) {
    auto layout = tarniq::flat_layout(kHorn, {tarniq::LayoutKind::net, 0.01, tarniq::metres_scale});
    benchmark::DoNotOptimize(layout);
  }
}
BENCHMARK(BM_NetLayout)->Unit(benchmark::kMicrosecond);

void BM_SolidTwoMillimetreWall(benchmark::State& state) {
  for (auto _ : state) {
    auto facets = tarniq::horn_solid(kHorn, {0.002, 0.03, tarniq::metres_scale});
    benchmark::DoNotOptimize(facets);
  }
}
BENCHMARK(BM_SolidTwoMillimetreWall)->Unit(benchmark::kMicrosecond);

}  // namespace
