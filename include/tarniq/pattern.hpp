// Radiation pattern cuts of a pyramidal horn in its E and H planes.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "tarniq/horn.hpp"

namespace tarniq {

// Directivity, dBi, of one principal-plane cut at each angle (degrees off
// boresight, -180 to 180). The aperture field is uniform across the E plane
// and cosine-tapered across the H plane, with quadratic phase of edge
// deviation s = A²/(8λR) wavelengths, times the obliquity factor
// (1 + cos θ)/2; the value at θ is the boresight gain (gain_dbi) plus
// 20·log10|F(θ)/F(0)|. Aperture theory is trusted only to about ±90°:
// beyond, the values follow the formula but no longer describe the horn.
// An angle where the field vanishes exactly (θ = ±180°) gives -infinity.
// Throws InvalidArgument for a bad horn, a frequency not positive and finite,
// a horn outside the sizes the analysis computes (as gain_dbi), or an angle
// outside [-180, 180] or not finite. A list symmetric about 0 (angles[i] ==
// -angles[n-1-i] exactly, e.g. built as k·step) costs half as much.
[[nodiscard]] std::vector<double> pattern_cut(const Horn& horn, double frequency_hz, Plane plane,
                                std::span<const double> angles_deg);

// The same values written into values_dbi, one per angle, for callers that
// own the storage (no allocation). Also throws InvalidArgument when the two
// sizes differ; values_dbi is left unspecified when it throws.
void pattern_cut(const Horn& horn, double frequency_hz, Plane plane, std::span<const double> angles_deg,
                 std::span<double> values_dbi);

// How many leading values of a cut at these angles are copies, not
// computations: n/2 for a list symmetric about 0 (angles[i] ==
// -angles[n-1-i] exactly), whose first half mirrors its second; else 0.
[[nodiscard]] std::size_t mirrored_angle_count(std::span<const double> angles_deg);

// Both cuts at the same angles.
struct PatternCuts {
  std::vector<double> angles_deg;
  std::vector<double> e_plane_dbi;
  std::vector<double> h_plane_dbi;
};
[[nodiscard]] PatternCuts pattern_cuts(const Horn& horn, double frequency_hz, std::span<const double> angles_deg);

// Both cuts written into storage the caller owns, one value per angle each.
void pattern_cuts(const Horn& horn, double frequency_hz, std::span<const double> angles_deg,
                  std::span<double> e_plane_dbi, std::span<double> h_plane_dbi);

}  // namespace tarniq
