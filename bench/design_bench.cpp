// Per-call cost of the horn design routines, from the table lookup to a whole design table.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "common/bwfac.hpp"
#include "design/rectangular_horn.hpp"
#include "design/rhbwd.hpp"
#include "design/square_horn.hpp"

namespace {

using tarniq::numerics::BWFAC;
using tarniq::design::REHBD;
using tarniq::design::RHBWD;
using tarniq::design::SQHBD;
using tarniq::numerics::Subtable;

// Phase deviations across both sub-tables, a few beyond their ends.
constexpr std::array<float, 16> kPhaseDeviations = {
    0.01f, 0.05f, 0.09f, 0.13f, 0.17f, 0.21f, 0.25f, 0.29f,
    0.33f, 0.37f, 0.41f, 0.45f, 0.49f, 0.55f, 0.7f,  0.95f};

// A realistic rectangular setup: 0.9 by 0.4 inch waveguide, 10 GHz, E-plane
// beamwidth 30 and H-plane beamwidth 20 degrees at 3 dB.
constexpr float kWA = 0.9f, kWB = 0.4f, kFGHZ = 10.0f, kBWE = 30.0f, kBWH = 20.0f;

void BM_BWFAC(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const Subtable plane = i % 2 == 0 ? Subtable::EPlane : Subtable::HPlane;
    float factor = BWFAC(kPhaseDeviations[i], 1 + static_cast<int>(i % 5), plane);
    benchmark::DoNotOptimize(factor);
    i = (i + 1) % kPhaseDeviations.size();
  }
}
BENCHMARK(BM_BWFAC);

void BM_RHBWD(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    float d = RHBWD(kPhaseDeviations[i], kBWE, 1, 1 + static_cast<int>(i % 3));
    benchmark::DoNotOptimize(d);
    i = (i + 1) % kPhaseDeviations.size();
  }
}
BENCHMARK(BM_RHBWD);

void BM_SQHBD(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto horn = SQHBD(kPhaseDeviations[i], kBWH, 2, kWA, kWA, kFGHZ, 1);
    benchmark::DoNotOptimize(horn);
    i = (i + 1) % kPhaseDeviations.size();
  }
}
BENCHMARK(BM_SQHBD);

void BM_REHBD(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto horn = REHBD(kPhaseDeviations[i], kBWE, kBWH, kWA, kWB, kFGHZ, 1);
    benchmark::DoNotOptimize(horn);
    i = (i + 1) % kPhaseDeviations.size();
  }
}
BENCHMARK(BM_REHBD);

// A whole design table: S = 0.01 to 0.50 in steps of 0.01, fifty rows.
void BM_REHBD_Table50(benchmark::State& state) {
  for (auto _ : state) {
    for (int row = 1; row <= 50; ++row) {
      auto horn = REHBD(0.01f * static_cast<float>(row), kBWE, kBWH, kWA, kWB, kFGHZ, 1);
      benchmark::DoNotOptimize(horn);
    }
  }
}
BENCHMARK(BM_REHBD_Table50);

}  // namespace
