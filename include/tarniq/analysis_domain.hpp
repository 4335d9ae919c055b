// The horns and frequencies the analysis computes for: every analysis call checks its arguments by this rule.
#pragma once

#include "tarniq/horn.hpp"
#include "tarniq/units.hpp"

namespace tarniq {

// Each aperture, in wavelengths, lies in this range.
inline constexpr double smallest_analysed_aperture = 1e-6;
inline constexpr double largest_analysed_aperture = 1e5;

// Throws InvalidArgument for a horn check_horn refuses, a
// frequency not positive and finite, or sizes outside what the
// double-precision analysis computes without overflow, lost digits or
// endless searches: wavelength 1e-90 to 1e90 m, each aperture 1e-6 to 1e5
// wavelengths, each phase deviation at least 1e-12 wavelength. Real horns
// lie far inside. The message names the first value outside, its lengths in
// message_lengths and its frequency in GHz. A caller with many frequencies
// can check them all before computing any.
void check_analysis_domain(const Horn& horn, double frequency_hz, const LengthScale& message_lengths = metres_scale);

}  // namespace tarniq
