// Units and levels at the library's boundary: SI lengths and frequencies, degrees, decibels.
#pragma once

#include <string_view>

namespace tarniq {

inline constexpr double speed_of_light = 299792458.0;  // m/s, exact
inline constexpr double metres_per_inch = 0.0254;      // exact
inline constexpr double hertz_per_gigahertz = 1e9;

// Half power as tarniq's "3 dB" means it: 3.01 dB, the interactive program's
// level. Every level_db in the library is the level in dB exactly as given;
// pass half_power_db for half power.
inline constexpr double half_power_db = 3.01;

// Free-space wavelength in metres at a frequency in hertz.
[[nodiscard]] constexpr double wavelength(double frequency_hz) { return speed_of_light / frequency_hz; }

// The unit in which a message shows lengths: its symbol and its size in
// metres. Values, results and arguments stay in metres whatever it is.
struct LengthScale {
  std::string_view symbol;
  double metres;
};
inline constexpr LengthScale metres_scale{"m", 1.0};
inline constexpr LengthScale centimetres_scale{"cm", 0.01};
inline constexpr LengthScale millimetres_scale{"mm", 0.001};
inline constexpr LengthScale inches_scale{"in", metres_per_inch};

}  // namespace tarniq
