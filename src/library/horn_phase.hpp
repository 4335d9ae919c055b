// The phase samples of a horn's principal-plane cuts, for its phase centre.
#pragma once

#include <vector>

#include "aperture_pattern.hpp"
#include "beamwidth_search.hpp"
#include "phase_fit.hpp"

namespace tarniq::detail {

// One plane's cut as the phase-centre fit sees it: its maximum and its
// beamwidth at the fit's level, and the samples over 0 to θ_L (half that
// beamwidth, 90° when it never falls that far), weighted by power where that
// is within the level of the maximum, phases unwrapped from boresight.
struct CutPhase {
  CutBeam beam;
  std::vector<PhaseSample> samples;
};
CutPhase cut_phase(const ApertureCut& cut, double level_db);

// k·d (radians) of the common phase centre of two cuts: d = that/k.
double common_phase_shift(const CutPhase& e, const CutPhase& h);

}  // namespace tarniq::detail
