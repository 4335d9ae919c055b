// Design of a square pyramidal horn: one flare, sized in one step.
#include "design/square_horn.hpp"

#include "common/constants.hpp"
#include "design/flare.hpp"
#include "design/rhbwd.hpp"

namespace tarniq::design {

SquareHorn SQHBD(float S, float BW, int PLANE, [[maybe_unused]] float WA, float WB, float FGHZ,
                 int LEVEL) {
  const float lambda = numerics::wavelength(FGHZ);
  const float d = RHBWD(S, BW, LEVEL, PLANE);
  const Flare f = flare_from_phase_deviation(d, S, lambda);
  if (!(S > 0.0f) || !is_realizable(f)) return {f.A, f.rho, -1.0f};
  return {f.A, f.rho, axial_length(f, WB)};
}

}  // namespace tarniq::design
