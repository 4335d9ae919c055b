// Per-call cost of the library's analysis: Fresnel integrals, gain, both pattern cuts, one beamwidth.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <vector>

#include "tarniq/beamwidth.hpp"
#include "tarniq/fresnel.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/units.hpp"

namespace {

using tarniq::metres_per_inch;

// The interactive program's X-band design: 4.220 × 1.978 in aperture,
// 7.545 / 7.212 in slant radii, on a 0.9 × 0.4 in guide, at 10 GHz.
const tarniq::Horn kXBandHorn = tarniq::make_horn_from_slant_radii(
    4.220 * metres_per_inch, 1.978 * metres_per_inch, 7.545 * metres_per_inch,
    7.212 * metres_per_inch, tarniq::Waveguide{0.9 * metres_per_inch, 0.4 * metres_per_inch, ""});
constexpr double kFrequency = 10e9;

// Arguments over the power series, the polynomial pieces and both
// asymptotic ranges, both signs.
constexpr std::array<double, 16> kFresnelArgs = {0.05, 0.4,  -0.8, 1.0,  1.3, -1.55, 1.6,  2.0,
                                                 -2.7, 3.3,  4.1,  -5.5, 6.2, 7.9,   -9.1, 14.0};

void BM_Fresnel(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarniq::fresnel(kFresnelArgs[i]));
    i = (i + 1) % kFresnelArgs.size();
  }
}
BENCHMARK(BM_Fresnel);

void BM_GainDbi(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tarniq::gain_dbi(kXBandHorn, kFrequency));
}
BENCHMARK(BM_GainDbi);

// -90° to 90° in 0.1° steps, built symmetric (k·0.1 for k = -900 ... 900), and
// the same sweep accumulated from -90° (not exactly symmetric: every angle computed).
std::vector<double> sweep(bool symmetric) {
  std::vector<double> angles;
  for (int k = -900; k <= 900; ++k) angles.push_back(symmetric ? k * 0.1 : -90.0 + (k + 900) * 0.1);
  return angles;
}

void BM_PatternCuts1801(benchmark::State& state) {
  const std::vector<double> angles = sweep(state.range(0) != 0);
  for (auto _ : state) benchmark::DoNotOptimize(tarniq::pattern_cuts(kXBandHorn, kFrequency, angles));
}
BENCHMARK(BM_PatternCuts1801)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_Beamwidth(benchmark::State& state) {
  const auto plane = state.range(0) == 0 ? tarniq::Plane::e : tarniq::Plane::h;
  const auto level = static_cast<double>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(tarniq::beamwidth(kXBandHorn, kFrequency, plane, level));
}
BENCHMARK(BM_Beamwidth)->Args({0, 3})->Args({1, 3})->Args({0, 10})->Args({1, 10})->Unit(benchmark::kMicrosecond);

// One 3 dB beamwidth of a 10,000-wavelength square aperture at 10 GHz, its
// phase deviation s = 0.25, 100 or 2400 wavelengths (the last near its
// widest flare, 2500, where the slant radius is half the aperture).
void BM_BeamwidthTenThousandWavelengths(benchmark::State& state) {
  const auto plane = state.range(0) == 0 ? tarniq::Plane::e : tarniq::Plane::h;
  const double s = static_cast<double>(state.range(1)) / 100.0;
  const double lambda = tarniq::wavelength(kFrequency);
  const double A = 1e4 * lambda;
  const double R = A * A / (8.0 * lambda * s);
  const tarniq::Horn horn =
      tarniq::make_horn_from_slant_radii(A, A, R, R, tarniq::Waveguide{0.4 * A, 0.4 * A, ""});
  for (auto _ : state) benchmark::DoNotOptimize(tarniq::beamwidth(horn, kFrequency, plane, tarniq::half_power_db));
}
BENCHMARK(BM_BeamwidthTenThousandWavelengths)
    ->Args({0, 25})
    ->Args({1, 25})
    ->Args({0, 10000})
    ->Args({1, 10000})
    ->Args({0, 240000})
    ->Args({1, 240000})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
