// The far field of one principal plane of a horn's aperture, prepared once and evaluated at many angles.
#pragma once

#include <span>

#include "tarniq/horn.hpp"

namespace tarniq::detail {

// The amplitude across the plane: uniform (E plane) or cos(πx/a) (H plane).
enum class Taper { uniform, cosine };

// e^(jα), carried as its cosine and sine; T is a double or Lanes.
template <class T>
struct PhasorOf {
  T re;
  T im;
};
using Phasor = PhasorOf<double>;

// One plane of the aperture: its size B in wavelengths, its edge phase
// deviation s in wavelengths (the phase is -2π·s·(2x/a)² across it) and its
// taper, with what every angle needs computed once.
struct ApertureCut {
  Taper taper = Taper::uniform;
  double size = 0.0;             // B = A/λ
  double phase_deviation = 0.0;  // s = A²/(8λR)
  bool in_phase = false;         // s so small that the in-phase field is used
  double inverse_two_root_s = 0.0;  // 1/(2√s): scales the Fresnel arguments
  Phasor edge_phasor{1.0, 0.0};     // e^(-j2πs)
  double boresight_power = 1.0;     // |F(0)|², the normalization
};

ApertureCut make_aperture_cut(double size, double phase_deviation, Taper taper);

// The cut of a horn's plane at a frequency (hertz); the horn and frequency
// must already be checked.
ApertureCut make_aperture_cut(const Horn& horn, double frequency_hz, Plane plane);

// The power pattern relative to boresight, |F(θ)/F(0)|²·((1 + cos θ)/2)²,
// at the angle with the given sine and cosine: 1 on boresight, 0 at 180°.
// Even in θ, so the sine may be given as |sin θ|.
double relative_power(const ApertureCut& cut, double sin_theta, double cos_theta);

// relative_power at each angle θ (degrees, finite), from the sine and cosine
// of |θ|; the angles and powers have one size.
void relative_powers_at(const ApertureCut& cut, std::span<const double> angles_deg, std::span<double> powers);

// The aperture's far field F(u) at u = B·sin θ (no obliquity factor), as a
// complex value scaled so that |F(0)| = 1; its phase is the far field's
// referred to the aperture centre, with time as e^(jωt) (the aperture's
// quadratic phase lag makes the boresight phase negative). Even in u.
Phasor relative_field(const ApertureCut& cut, double u);

}  // namespace tarniq::detail
