// Units and levels at the library's boundary: SI lengths and frequencies, degrees, decibels.
#pragma once

namespace tarniq {

inline constexpr double speed_of_light = 299792458.0;  // m/s, exact
inline constexpr double metres_per_inch = 0.0254;      // exact
inline constexpr double hertz_per_gigahertz = 1e9;

// Half power: the level that "3 dB" names throughout tarniq, 3.01 dB as the
// interactive program uses it.
inline constexpr double half_power_db = 3.01;

// A level in dB as tarniq reads it: exactly 3 means half power (3.01 dB);
// every other value is taken as given.
constexpr double level_db(double nominal_db) { return nominal_db == 3.0 ? half_power_db : nominal_db; }

// Free-space wavelength in metres at a frequency in hertz.
constexpr double wavelength(double frequency_hz) { return speed_of_light / frequency_hz; }

}  // namespace tarniq
