// Per-call cost of the horn analysis routines: Fresnel integrals, gain, beamwidths.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "analysis/fresnel.hpp"
#include "analysis/horn_beamwidths.hpp"
#include "analysis/horn_gain.hpp"

namespace {

using tarniq::analysis::Beamwidths;
using tarniq::analysis::Fresnel;
using tarniq::analysis::FRNL2;
using tarniq::analysis::HORN;
using tarniq::analysis::HRNBW;

// Arguments spread over both expansions (|X| <= 1.5958 inner, beyond outer)
// and both signs.
constexpr std::array<float, 16> kFresnelArgs = {
  0.05f, 0.4f, -0.8f, 1.0f, 1.3f, -1.55f, 1.6f, 2.0f,
  -2.7f, 3.3f, 4.1f, -5.5f, 6.2f, 7.9f, -9.1f, 10.0f};

void BM_FRNL2(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    Fresnel f = FRNL2(kFresnelArgs[i]);
    benchmark::DoNotOptimize(f);
    i = (i + 1) % kFresnelArgs.size();
  }
}
BENCHMARK(BM_FRNL2);

// One horn over a frequency sweep, as the frequency-response table calls it.
constexpr std::array<float, 8> kFrequencies = {2.0f, 3.0f, 5.0f, 8.0f, 10.0f, 14.0f, 20.0f, 30.0f};

void BM_HORN(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    float g = HORN(kFrequencies[i], 10.0f, 8.0f, 20.0f, 20.0f);
    benchmark::DoNotOptimize(g);
    i = (i + 1) % kFrequencies.size();
  }
}
BENCHMARK(BM_HORN);

void BM_HRNBW(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    Beamwidths bw = HRNBW(kFrequencies[i], 10.0f, 8.0f, 20.0f, 20.0f);
    benchmark::DoNotOptimize(bw);
    i = (i + 1) % kFrequencies.size();
  }
}
BENCHMARK(BM_HRNBW);

}  // namespace
