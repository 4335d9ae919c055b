// The state of one run: the dialog's answers and the fields of the two phases.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarniq::run {

// One instance per run; every field is zero at the start and keeps its value
// until an answer or a computation replaces it (a null answer reuses it).
// Lengths are held in inches, frequencies in GHz, beamwidths in degrees and
// phase deviations in wavelengths.
struct RunState {
  // Dialog.
  std::string REPFIL;        // report file name as typed (70 characters)
  std::int32_t UNITS = 0;    // 1 = centimetres, 2 = inches
  std::int32_t LEVEL = 0;    // 1 = 3 dB, 2 = 10 dB, 3 = 0.5 dB, 4 = 1 dB, 5 = 2 dB
  float WA = 0.0f;           // waveguide width (H plane)
  float WB = 0.0f;           // waveguide height (E plane)
  std::int32_t SQUARE = 0;   // 1 = square horn
  std::int32_t PLANE = 0;    // square horn: 1 = E plane, 2 = H plane, 3 = average
  float BW = 0.0f;           // square horn: the prescribed beamwidth
  float BWE = 0.0f;          // rectangular horn: E-plane beamwidth
  float BWH = 0.0f;          // rectangular horn: H-plane beamwidth
  float FGHZ = 0.0f;         // design frequency

  // Phase-deviation table.
  float SSTART = 0.0f;
  float SSTOP = 0.0f;
  float SSTEP = 0.0f;        // 0 ends the run
  std::int32_t NS = 0;
  std::int32_t IROW = 0;     // row index, shared with the frequency response
  float S = 0.0f;
  float FLARE = 0.0f;        // square horn flare angle, degrees

  // Horn dimensions: the design of the last table row, or those typed in.
  float AH = 0.0f;
  float AE = 0.0f;
  float RH = 0.0f;
  float RE = 0.0f;
  float AXL = 0.0f;

  // Frequency response.
  float FSTART = 0.0f;
  float FSTOP = 0.0f;
  float FSTEP = 0.0f;
  std::int32_t NF = 0;
  float FREQ = 0.0f;
  float GAINDB = 0.0f;
  std::array<float, 5> EBW{};  // element LEVEL-1: E-plane beamwidth at level LEVEL
  std::array<float, 5> HBW{};
};

// Constant tables, indexed by the 1-based codes above.
inline constexpr std::array<std::string_view, 2> UNAME{" cm ", " in."};
inline constexpr std::array<float, 2> UFAC{2.54f, 1.0f};  // centimetres per inch; 1
inline constexpr std::array<std::string_view, 5> DBLAB{" 3", "10", ".5", " 1", " 2"};
inline constexpr std::array<std::string_view, 2> PLAB{" E", " H"};

// Table entries by code. The dialog accepts only codes inside the tables.
inline float unit_factor(const RunState& state) { return UFAC.at(static_cast<std::size_t>(state.UNITS - 1)); }
inline std::string_view unit_name(const RunState& state) { return UNAME.at(static_cast<std::size_t>(state.UNITS - 1)); }
inline std::string_view level_label(const RunState& state) { return DBLAB.at(static_cast<std::size_t>(state.LEVEL - 1)); }
inline std::string_view plane_label(const RunState& state) { return PLAB.at(static_cast<std::size_t>(state.PLANE - 1)); }

inline bool is_square(const RunState& state) { return state.SQUARE == 1; }

}  // namespace tarniq::run
