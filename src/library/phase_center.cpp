// The phase centre of a horn: a weighted least-squares fit of each cut's far-field phase to a point on the axis.
#include "tarniq/phase_center.hpp"

#include <cmath>
#include <numbers>

#include "tarniq/analysis_domain.hpp"
#include "beamwidth_search.hpp"
#include "checks.hpp"
#include "horn_phase.hpp"
#include "quadrature.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

// Panels of the quadrature over the fitted angles: the phase turns about
// 2π·s across the beam, and each panel of eight nodes follows a turn well.
int fit_panels(const ApertureCut& cut) { return 4 + static_cast<int>(std::ceil(2.0 * cut.phase_deviation)); }

double phase_of(Phasor p) { return std::atan2(p.im, p.re); }

}  // namespace

CutPhase cut_phase(const ApertureCut& cut, double level_db) {
  const CutBeam beam = cut_beam(cut, level_db);
  const double threshold = beam.peak_power * std::pow(10.0, -level_db / 10.0);
  const double edge = (beam.width_deg ? *beam.width_deg / 2.0 : 90.0) * std::numbers::pi / 180.0;
  std::vector<PhaseSample> samples;
  samples.reserve(kGaussOrder * static_cast<std::size_t>(fit_panels(cut)));
  double previous = phase_of(relative_field(cut, 0.0));  // boresight: both cuts unwrap from one phase
  for_each_gauss_node(0.0, edge, fit_panels(cut), [&](double theta, double weight) {
    const Phasor field = relative_field(cut, cut.size * std::sin(theta));  // the obliquity is real: no phase
    const double obliquity = (1.0 + std::cos(theta)) / 2.0;
    const double power = (field.re * field.re + field.im * field.im) * obliquity * obliquity;
    previous = unwrapped(phase_of(field), previous);
    samples.push_back({theta, power >= threshold ? weight * power : 0.0, previous});
  });
  return {beam, std::move(samples)};
}

double common_phase_shift(const CutPhase& e, const CutPhase& h) {
  std::vector<PhaseSample> both = e.samples;
  both.insert(both.end(), h.samples.begin(), h.samples.end());
  return fitted_phase_shift(both);
}

}  // namespace tarniq::detail

namespace tarniq {

PhaseCenter phase_center(const Horn& horn, double frequency_hz, double level_db) {
  check_analysis_domain(horn, frequency_hz);
  detail::require_positive(level_db, "level", "dB");
  const double k = 2.0 * std::numbers::pi / wavelength(frequency_hz);
  const detail::ApertureCut e = detail::make_aperture_cut(horn, frequency_hz, Plane::e);
  const detail::ApertureCut h = detail::make_aperture_cut(horn, frequency_hz, Plane::h);
  const detail::CutPhase e_phase = detail::cut_phase(e, level_db);
  const detail::CutPhase h_phase = detail::cut_phase(h, level_db);
  return {detail::fitted_phase_shift(e_phase.samples) / k, detail::fitted_phase_shift(h_phase.samples) / k,
          detail::common_phase_shift(e_phase, h_phase) / k};
}

}  // namespace tarniq
