// The horns and frequencies the analysis calls compute for: checked once at each public entry.
#pragma once

#include "tarniq/horn.hpp"

namespace tarniq::detail {

// Throws InvalidArgument for a bad horn (check_horn), a frequency not
// positive and finite, or sizes outside what the double-precision analysis
// computes without overflow, lost digits or endless searches: wavelength
// 1e-90 to 1e90 m, each aperture 1e-6 to 1e5 wavelengths, each phase
// deviation at least 1e-12 wavelength. Real horns lie far inside.
void check_analysis_domain(const Horn& horn, double frequency_hz);

}  // namespace tarniq::detail
