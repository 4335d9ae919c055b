// A feed on a front-fed paraboloid: the dish's edge angle, and the aperture efficiency split into its causes.
#pragma once

#include <span>
#include <vector>

#include "tarniq/horn.hpp"

namespace tarniq {

// The half-angle θ0 (degrees) a dish of focal length f and diameter D
// subtends at its focus, tan(θ0/2) = 1/(4·f/D), and back. f/D must be
// positive and finite, θ0 within (0, 180) degrees; InvalidArgument otherwise.
[[nodiscard]] double dish_edge_angle_deg(double f_over_d);
[[nodiscard]] double dish_f_over_d(double edge_angle_deg);

// A feed known by its two principal-plane cuts (a measured or simulated
// pattern), at angles off boresight in degrees, ascending, within
// [-180, 180]. Levels are relative, in dB with any reference; -infinity (or
// no row) is no field. Phases in degrees; empty for a feed in phase. The
// field elsewhere follows from the cuts as for a feed of the usual
// body-of-revolution kind: co-polar E·sin²φ + H·cos²φ, cross-polar
// (E - H)·sin φ·cos φ (Ludwig's third definition), E and H the cuts' complex
// fields; a negative angle and its positive twin are averaged (power and
// phase), and between the listed angles power and phase are interpolated
// linearly in dB and degrees. Power outside the listed angles counts as zero.
// Levels lie below largest_pattern_level_db: a thousand dB is beyond any
// feed, and the power of a level past 3000 dB is no double. A level below
// no_field_below_db counts as no field: its field is nothing, and
// interpolated in dB from a neighbour thousands of dB above it would leave
// no power between them for the integrals to find.
inline constexpr double largest_pattern_level_db = 1000.0;
inline constexpr double no_field_below_db = -1000.0;

struct TabulatedFeed {
  std::vector<double> angles_deg;
  std::vector<double> e_plane_db;
  std::vector<double> h_plane_db;
  std::vector<double> e_phase_deg;  // empty, or one per angle
  std::vector<double> h_phase_deg;  // empty, or one per angle
  // The frequency of the pattern, hertz; needed only to displace the feed
  // (the offset is a length, the phases are not).
  double frequency_hz = 0.0;
};

// How one feed illuminates a dish of one edge angle. Efficiencies are
// fractions of the power the feed radiates (its pattern integrated over the
// whole sphere), each between 0 and 1, and their product is the aperture
// efficiency:
//   spillover     the power inside θ0 / all the power;
//   polarization  the co-polar power inside θ0 / all the power inside θ0;
//   taper         (∫|Ea| dS)² / (A·∫|Ea|² dS), Ea the co-polar aperture field
//                 (the feed's field over its distance to the dish), A the
//                 dish's area: how far the illumination is from uniform;
//   phase         |∫Ea dS|² / (∫|Ea| dS)²: the phase errors left once the
//                 feed's phase centre is at the focus (or displaced);
//   aperture      (4π/λ²)·A·aperture = the dish's gain, Silver's integral
//                 cot²(θ0/2)/π·|∫∫ co·tan(θ/2) dθ dφ|² over the dish, the
//                 co-polar field normalized to 4π over the sphere.
// Edge tapers are the E- and H-plane cuts at θ0 in dB below each cut's
// maximum (negative; -infinity where the field vanishes); the space loss is
// the spreading from the focus to the rim against the vertex,
// 20·log10(cos²(θ0/2)) dB (negative).
struct DishIllumination {
  double edge_angle_deg = 0.0;
  double f_over_d = 0.0;
  double e_edge_taper_db = 0.0;
  double h_edge_taper_db = 0.0;
  double space_loss_db = 0.0;
  double spillover = 0.0;
  double taper = 0.0;
  double phase = 0.0;
  double polarization = 0.0;
  double aperture = 0.0;
};

// A feed's position: its phase centre at the focus (a horn's common one of
// phase_center at 10 dB; for a tabulated feed the same fit over its listed
// angles and phases), or moved along the axis by offset metres, positive
// toward the dish's vertex. Moving it by δ adds k·δ·cos θ to the phase of
// the field reaching the dish (geometric optics, first order in δ).
struct FeedPosition {
  double offset = 0.0;
};

// The illumination of dishes of the given edge angles (degrees, each within
// (0, 180)) by the horn at a frequency (hertz): its full far field
// (far_field), integrated numerically over θ and φ. Throws InvalidArgument
// for a bad horn or frequency (as far_field), a horn too large to be a feed
// (a plane's aperture in wavelengths plus four times its phase deviation
// over 60), an edge angle outside (0, 180) or an offset that is not finite.
[[nodiscard]] std::vector<DishIllumination> dish_illumination(const Horn& horn, double frequency_hz,
                                                              std::span<const double> edge_angles_deg,
                                                              const FeedPosition& position = {});

// The same for a tabulated feed. Throws InvalidArgument for a pattern that
// is not as described above (lists of different lengths, angles not
// ascending or outside [-180, 180], a level that is NaN or above
// largest_pattern_level_db, a
// phase that is not finite, no field at all), an edge angle outside (0, 180),
// or an offset other than 0 without a positive frequency.
[[nodiscard]] std::vector<DishIllumination> dish_illumination(const TabulatedFeed& feed,
                                                              std::span<const double> edge_angles_deg,
                                                              const FeedPosition& position = {});

}  // namespace tarniq
