// Cost of the reflector-feed calls: a field grid, a phase centre, a dish sweep and an optimised feed design.
#include <benchmark/benchmark.h>

#include <vector>

#include "tarniq/dish.hpp"
#include "tarniq/far_field.hpp"
#include "tarniq/feed_design.hpp"
#include "tarniq/phase_center.hpp"
#include "tarniq/waveguide.hpp"

namespace {

constexpr double kFrequency = 10e9;
const tarniq::Waveguide kWr90 = tarniq::find_waveguide("WR-90");
// The README's horns: an 11 × 8 cm standard horn, and the f/D 0.4 feed.
const tarniq::Horn kHorn = tarniq::make_horn(0.11, 0.08, 0.20, kWr90);
const tarniq::Horn kFeed = tarniq::make_horn(0.03087, 0.02258, 0.02254, kWr90);

std::vector<double> steps(double start, double step, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(start + step * i);
  return values;
}

// θ 0:90:1 by φ 0:345:15, the field verb's default grid. Goal: under 2 ms.
void BM_FieldGrid91x24(benchmark::State& state) {
  const std::vector<double> theta = steps(0.0, 1.0, 91), phi = steps(0.0, 15.0, 24);
  for (auto _ : state) benchmark::DoNotOptimize(tarniq::far_field_grid(kHorn, kFrequency, theta, phi));
}
BENCHMARK(BM_FieldGrid91x24)->Unit(benchmark::kMicrosecond);

// Both planes and the common point. Goal: under 100 µs.
void BM_PhaseCenter(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tarniq::phase_center(kHorn, kFrequency));
}
BENCHMARK(BM_PhaseCenter)->Unit(benchmark::kMicrosecond);

// f/D 0.3 to 0.7 in nine steps, as the dish verb's plot. Goal: under 20 ms.
void BM_DishSweep9(benchmark::State& state) {
  std::vector<double> edges;
  for (const double f_over_d : steps(0.3, 0.05, 9)) edges.push_back(tarniq::dish_edge_angle_deg(f_over_d));
  for (auto _ : state) benchmark::DoNotOptimize(tarniq::dish_illumination(kFeed, kFrequency, edges));
}
BENCHMARK(BM_DishSweep9)->Unit(benchmark::kMillisecond);

// The best S and edge taper for an f/D 0.4 dish on WR-90. Goal: under 200 ms.
void BM_FeedDesignOptimum(benchmark::State& state) {
  const tarniq::FeedPrescription p{tarniq::dish_edge_angle_deg(0.4), 10.0, 0.25, kFrequency, kWr90};
  for (auto _ : state)
    benchmark::DoNotOptimize(tarniq::design_best_feed(p, tarniq::FeedSearch::phase_deviation_and_edge_taper));
}
BENCHMARK(BM_FeedDesignOptimum)->Unit(benchmark::kMillisecond);

}  // namespace
