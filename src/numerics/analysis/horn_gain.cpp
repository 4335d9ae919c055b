// Horn gain in single precision: the closed form with the twelve-term Fresnel integrals.
#include "analysis/horn_gain.hpp"

#include "analysis/fresnel.hpp"
#include "common/constants.hpp"
#include "common/horn_gain_formula.hpp"

namespace tarniq::analysis {
namespace {

constexpr numerics::GainConstants<float> kConstants{
    1.4142135f,  // sqrt(2)
    25.13274f,   // 8 pi
};

numerics::FresnelValues<float> fresnel(float x) {
  const Fresnel f = FRNL2(x);
  return {f.FS, f.FC};
}

}  // namespace

float HORN(float FGHZ, float AH, float AE, float RE, float RH) {
  const float lambda = numerics::wavelength(FGHZ);
  return numerics::horn_gain_ratio(lambda, AH, AE, RE, RH, fresnel, kConstants);
}

}  // namespace tarniq::analysis
