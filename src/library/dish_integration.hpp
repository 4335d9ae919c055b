// The integrals of a feed's field over a dish: one routine for every kind of feed.
#pragma once

#include <cmath>
#include <numbers>

#include "aperture_pattern.hpp"
#include "tarniq/dish.hpp"

namespace tarniq::detail {

// What a feed's field gives around one ring θ of the sphere, integrated
// over φ from 0 to 2π: the total power |co|² + |cross|², the co-polar power
// |co|², the co-polar magnitude |co| and the co-polar field itself (its
// phase as the feed gives it, before the shift to the focus).
struct Ring {
  double power = 0.0;
  double co_power = 0.0;
  double co_magnitude = 0.0;
  Phasor co{0.0, 0.0};
};

// A feed for the dish integrals provides
//   Ring ring(double theta) const                       the ring at θ (radians)
//   void for_each_node(double a, double b, Visit) const  quadrature nodes (θ, weight) of [a, b]
//   double edge_taper_db(Plane, double theta) const      the cut at θ below its maximum
// and the phase shift k·d per cos θ that moves its phase to the focus.

// ∫ ring.power·sin θ dθ over [a, b].
template <class Feed>
double power_between(const Feed& feed, double a, double b) {
  double sum = 0.0;
  feed.for_each_node(a, b, [&](double theta, double w) { sum += w * feed.ring(theta).power * std::sin(theta); });
  return sum;
}

// The dish of edge angle θ0 (radians) lit by the feed, whose phase moves to
// the focus by shift·cos θ (radians). The power over the whole sphere is
// what falls inside θ0 plus what falls outside, on nodes split at θ0, so that
// the spillover stays a fraction even where quadrature is coarse for the
// pattern (a level that climbs hundreds of dB between two listed angles).
template <class Feed>
DishIllumination illuminate(const Feed& feed, double theta0, double shift) {
  double inside = 0.0, co_inside = 0.0, magnitude = 0.0;
  Phasor co{0.0, 0.0};
  feed.for_each_node(0.0, theta0, [&](double theta, double w) {
    const Ring ring = feed.ring(theta);
    const double solid = w * std::sin(theta);  // dΩ = sin θ dθ dφ, φ already summed
    const double area = w * std::tan(theta / 2.0);  // the aperture element, over 2f, per dθ dφ
    inside += solid * ring.power;
    co_inside += solid * ring.co_power;
    magnitude += area * ring.co_magnitude;
    const double psi = shift * std::cos(theta);
    const double c = std::cos(psi), s = std::sin(psi);
    co.re += area * (ring.co.re * c - ring.co.im * s);
    co.im += area * (ring.co.re * s + ring.co.im * c);
  });
  const double total_power = inside + power_between(feed, theta0, std::numbers::pi);
  const double half = theta0 / 2.0;
  const double cot2 = 1.0 / (std::tan(half) * std::tan(half));
  const double co_squared = co.re * co.re + co.im * co.im;
  DishIllumination d;
  d.edge_angle_deg = theta0 * 180.0 / std::numbers::pi;
  d.f_over_d = 1.0 / (4.0 * std::tan(half));
  d.e_edge_taper_db = feed.edge_taper_db(Plane::e, theta0);
  d.h_edge_taper_db = feed.edge_taper_db(Plane::h, theta0);
  d.space_loss_db = 40.0 * std::log10(std::cos(half));
  d.spillover = total_power > 0.0 ? inside / total_power : 0.0;
  d.polarization = inside > 0.0 ? co_inside / inside : 0.0;
  d.taper = co_inside > 0.0 ? cot2 * magnitude * magnitude / (std::numbers::pi * co_inside) : 0.0;
  d.phase = magnitude > 0.0 ? co_squared / (magnitude * magnitude) : 0.0;
  d.aperture = total_power > 0.0 ? cot2 * co_squared / (std::numbers::pi * total_power) : 0.0;
  return d;
}

}  // namespace tarniq::detail
