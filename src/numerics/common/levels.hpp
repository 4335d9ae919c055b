// The five beamwidth levels: their codes, decibels and field-strength ratios.
#pragma once

#include <array>
#include <cstddef>

namespace tarniq::numerics {

// Number of levels. The level code LEVEL runs from 1 to 5:
// 1 = 3.01 dB (half power, the "3 dB" answer), 2 = 10 dB, 3 = 0.5 dB,
// 4 = 1 dB, 5 = 2 dB below the peak.
inline constexpr int kLevelCount = 5;

// One row per level code (index LEVEL - 1): the level in dB, and the level as
// a field-strength ratio in each plane. The H-plane ratio of level 1 is
// 0.707167, deliberately not the E plane's 0.7071067: the H-plane 3.01 dB
// widths printed in the second decimal depend on it.
struct LevelRow {
  float dB;           // level below the peak, dB
  float e_amplitude;  // 10^(-dB/20) as the E-plane analysis uses it
  float h_amplitude;  // the same for the H plane
};
inline constexpr std::array<LevelRow, kLevelCount> kLevels = {{
    {3.01f, 0.7071067f, 0.707167f},    // 1: 3.01 dB
    {10.0f, 0.3162277f, 0.3162277f},   // 2: 10 dB
    {0.5f, 0.9440609f, 0.9440609f},    // 3: 0.5 dB
    {1.0f, 0.8912509f, 0.8912509f},    // 4: 1 dB
    {2.0f, 0.7943282f, 0.7943282f},    // 5: 2 dB
}};

constexpr bool is_level_code(int LEVEL) { return LEVEL >= 1 && LEVEL <= kLevelCount; }

// The level code whose level is dB exactly, in single precision; 0 when no
// level is.
constexpr int level_code_of(float dB) {
  for (int LEVEL = 1; LEVEL <= kLevelCount; ++LEVEL)
    if (kLevels[static_cast<std::size_t>(LEVEL - 1)].dB == dB) return LEVEL;
  return 0;
}

// The row of a valid level code.
constexpr const LevelRow& level_row(int LEVEL) { return kLevels[static_cast<std::size_t>(LEVEL - 1)]; }

}  // namespace tarniq::numerics
