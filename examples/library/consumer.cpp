// Designs an X-band horn for 20 dBi and prints its size, gain, beamwidths and warnings.
#include <cstdio>
#include <tarniq/tarniq.hpp>

int main() {
  const tarniq::Waveguide feed = tarniq::find_waveguide("WR-90");
  const double frequency = 10e9;  // hertz
  const tarniq::HornDesign design = tarniq::design_for_gain(20.0, frequency, feed);
  const tarniq::Horn& horn = design.horn;

  std::printf("aperture %.2f x %.2f cm, axial length %.2f cm\n", horn.aperture_width * 100,
              horn.aperture_height * 100, design.axial_length * 100);
  std::printf("gain %.2f dBi\n", tarniq::gain_dbi(horn, frequency));
  const tarniq::Beamwidths half_power = tarniq::beamwidths(horn, frequency, tarniq::half_power_db);
  std::printf("3 dB beamwidths: E plane %.2f deg, H plane %.2f deg\n", *half_power.e_plane,
              *half_power.h_plane);
  for (const tarniq::Warning& warning : tarniq::horn_warnings(horn, frequency))
    std::printf("warning: %s\n", warning.message.c_str());
}
