// Where the aperture model of a horn is trusted: the limits its designs search within and its warnings name.
#pragma once

namespace tarniq::detail {

// Aperture dimension, wavelengths, below which aperture theory is not trusted.
inline constexpr double kSmallestTrustedAperture = 1.0;

// The largest aperture phase deviation, wavelengths, that the pattern
// method's designs search; beyond it the model has not been tried.
inline constexpr double kLargestPhaseDeviation = 2.0;

// The widest semi-flare angle ψ (sin ψ = A/2R), degrees, at which aperture
// theory is trusted. The model takes the aperture phase as quadratic,
// A²/(8λR) at the edge, where the spherical wave lags R(1 - cos ψ): the
// quadratic understates that by the factor 2/(1 + cos ψ), 7 % at 30°, 13 %
// at 40°, 17 % at 45°. And the flare's walls turn the field ever more
// sharply at the throat, where the waveguide mode then converts into others
// instead of spreading over the aperture unchanged, as the model assumes.
// 40° keeps the first error near a tenth and flags the flares, of a beam
// wider than its aperture can shape, where the second takes over.
inline constexpr double kWidestTrustedSemiFlareDeg = 40.0;

}  // namespace tarniq::detail
