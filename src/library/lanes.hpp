// Eight doubles computed side by side, for the pattern cuts that evaluate the same formulas at many angles.
//
// Lanes is the compilers' vector extension: every operation acts on each
// lane alone and rounds as the scalar operation does, so a formula written
// once as a template gives, in each lane, the double computation's value to
// the last bit. The helpers below have a scalar overload each, so that the
// same template serves one angle (double) and eight (Lanes).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

// Where Lanes are passed depends on the vector unit code is compiled for
// (registers of its width, or memory), and GCC warns of that. Lanes never
// cross a call: every function that takes or gives them is forced inline
// (TARNIQ_LANES_INLINE), even in unoptimized builds, so each clone of a loop
// holds its own copy of all of them.
#if defined(__clang__)
#if __has_warning("-Wpsabi")
#pragma clang diagnostic ignored "-Wpsabi"
#endif
#elif defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace tarniq::detail {

inline constexpr std::size_t kLaneCount = 8;

// On x86-64 Linux, GCC compiles a function so marked three times, for the
// baseline processor and for AVX2 and AVX-512 units, and the loader picks
// the widest the processor has. No fused multiply-add is formed
// (-ffp-contract=off), so each clone gives the same bits.
#if defined(__x86_64__) && defined(__linux__) && defined(__GNUC__) && !defined(__clang__)
#define TARNIQ_LANES_CLONES __attribute__((target_clones("default", "avx2", "avx512f")))
#else
#define TARNIQ_LANES_CLONES
#endif

using Lanes = double __attribute__((vector_size(kLaneCount * sizeof(double))));
// A comparison of Lanes: all bits set in the lanes where it holds; also the
// lanes' bits, for select and magnitude.
using LaneMask = decltype(Lanes{} < Lanes{});

#define TARNIQ_LANES_INLINE [[gnu::always_inline]] inline

// The value in every lane.
template <class T>
TARNIQ_LANES_INLINE T splat(double value) {
  if constexpr (sizeof(T) == sizeof(double)) {
    return value;
  } else {
    return T{} + value;
  }
}

inline bool any(bool holds) { return holds; }
inline bool all(bool holds) { return holds; }
// without branches, so that the compiler can reduce the lanes in vector registers
TARNIQ_LANES_INLINE bool any(LaneMask holds) {
  std::int64_t found = 0;
  for (std::size_t i = 0; i < kLaneCount; ++i) found |= holds[i];
  return found != 0;
}
TARNIQ_LANES_INLINE bool all(LaneMask holds) {
  std::int64_t found = -1;
  for (std::size_t i = 0; i < kLaneCount; ++i) found &= holds[i];
  return found != 0;
}

inline bool both(bool a, bool b) { return a && b; }
TARNIQ_LANES_INLINE LaneMask both(LaneMask a, LaneMask b) { return a & b; }

// where ? a : b, lane by lane
inline double select(bool where, double a, double b) { return where ? a : b; }
TARNIQ_LANES_INLINE Lanes select(LaneMask where, Lanes a, Lanes b) {
  return reinterpret_cast<Lanes>((where & reinterpret_cast<LaneMask>(a)) | (~where & reinterpret_cast<LaneMask>(b)));
}

// |x|, clearing the sign bit as fabs does
inline double magnitude(double x) { return std::fabs(x); }
TARNIQ_LANES_INLINE Lanes magnitude(Lanes x) {
  constexpr std::int64_t kAllButSign = 0x7fffffffffffffff;
  return reinterpret_cast<Lanes>(reinterpret_cast<LaneMask>(x) & kAllButSign);
}

TARNIQ_LANES_INLINE double smallest_lane(Lanes x) {
  double result = x[0];
  for (std::size_t i = 1; i < kLaneCount; ++i) result = x[i] < result ? x[i] : result;
  return result;
}
TARNIQ_LANES_INLINE double largest_lane(Lanes x) {
  double result = x[0];
  for (std::size_t i = 1; i < kLaneCount; ++i) result = x[i] > result ? x[i] : result;
  return result;
}

// A scalar function applied lane by lane: the way out for the rare lanes a
// vector formula cannot take.
template <class Function>
inline double each_lane(double x, Function function) {
  return function(x);
}
template <class Function>
TARNIQ_LANES_INLINE Lanes each_lane(Lanes x, Function function) {
  Lanes result{};
  for (std::size_t i = 0; i < kLaneCount; ++i) result[i] = function(x[i]);
  return result;
}

}  // namespace tarniq::detail
