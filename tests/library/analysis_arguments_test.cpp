// Bad arguments to the analysis calls (Fresnel, gain, pattern cuts, beamwidths, table method): each is refused by name.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tarniq/beamwidth.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/fresnel.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/table_method.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const Horn kHorn{0.1, 0.05, 0.2, 0.2, Waveguide{0.02286, 0.01016, "WR-90"}};

Horn with(void (*change)(Horn&)) {
  Horn h = kHorn;
  change(h);
  return h;
}

// Every call throws InvalidArgument, and its message names the quantity.
TEST(AnalysisArguments, AreRefusedByName) {
  const Horn narrow = with([](Horn& h) { h.aperture_width = 0.02; });
  const Horn short_radius = with([](Horn& h) { h.e_slant_radius = 0.02; });
  const Horn nan_height = with([](Horn& h) { h.aperture_height = kNaN; });
  const Horn huge = with([](Horn& h) { h.aperture_width = h.h_slant_radius = 1e300; });
  const Horn flat = with([](Horn& h) { h.e_slant_radius = 1e12; });  // s = 1e-14 at 10 GHz
  const std::vector<double> outside = {0.0, 180.5};
  const std::vector<double> nan_angle = {kNaN};
  const std::vector<double> below = {-181.0};
  const std::vector<double> fine = {0.0, 10.0};
  struct Row {
    const char* call;
    std::function<void()> run;
    const char* named;
  };
  const Row rows[] = {
      {"fresnel NaN", [] { (void)fresnel(kNaN); }, "Fresnel argument nan"},
      {"fresnel inf", [] { (void)fresnel(-kInf); }, "Fresnel argument -inf"},
      {"gain, zero frequency", [] { (void)gain_dbi(kHorn, 0.0); }, "frequency 0 Hz"},
      {"gain, NaN frequency", [] { (void)gain_ratio(kHorn, kNaN); }, "frequency nan Hz"},
      {"gain, aperture within the guide", [&] { (void)gain_dbi(narrow, 10e9); }, "aperture width 0.02 m"},
      {"gain, short radius", [&] { (void)gain_ratio(short_radius, 10e9); }, "E-plane slant radius 0.02 m"},
      {"cut, angle past 180", [&] { (void)pattern_cut(kHorn, 10e9, Plane::e, outside); }, "angle 180.5 degrees"},
      {"cut, angle below -180", [&] { (void)pattern_cut(kHorn, 10e9, Plane::h, below); }, "angle -181 degrees"},
      {"cuts, NaN angle", [&] { (void)pattern_cuts(kHorn, 10e9, nan_angle); }, "angle nan degrees"},
      {"cuts, infinite frequency", [&] { (void)pattern_cuts(kHorn, kInf, fine); }, "frequency inf Hz"},
      {"cut, NaN height", [&] { (void)pattern_cut(nan_height, 10e9, Plane::e, fine); }, "aperture height nan m"},
      {"gain, a million wavelengths", [] { (void)gain_dbi(kHorn, 3e15); }, "aperture width 0.1 m is 1000692.286 wavelengths"},
      {"cut, phase deviation lost in rounding", [&] { (void)pattern_cut(flat, 10e9, Plane::e, fine); },
       "E-plane phase deviation 1.042"},
      {"beamwidth, frequency beyond the wavelength range", [] { (void)beamwidth(kHorn, 1e100, Plane::e, 3.0); },
       "frequency 1e+100 Hz"},
      {"beamwidth, zero level", [] { (void)beamwidth(kHorn, 10e9, Plane::e, 0.0); }, "level 0 dB"},
      {"beamwidth, negative level", [] { (void)beamwidth(kHorn, 10e9, Plane::h, -3.0); }, "level -3 dB"},
      {"beamwidths, NaN level", [] { (void)beamwidths(kHorn, 10e9, kNaN); }, "level nan dB"},
      {"beamwidths, negative frequency", [] { (void)beamwidths(kHorn, -1.0, 3.0); }, "frequency -1 Hz"},
      {"beamwidth, short radius", [&] { (void)beamwidth(short_radius, 10e9, Plane::e, 3.0); }, "slant radius"},
      {"table, level not in the table", [] { (void)table_beamwidth(kHorn, 10e9, Plane::e, 4.0); }, "level 4 dB"},
      {"table, infinite level", [] { (void)table_beamwidth(kHorn, 10e9, Plane::e, kInf); }, "level inf dB"},
      {"table, zero frequency", [] { (void)table_beamwidth(kHorn, 0.0, Plane::h, half_power_db); }, "frequency 0 Hz"},
      {"table, beyond single precision", [&] { (void)table_beamwidth(huge, 10e9, Plane::h, half_power_db); },
       "aperture width 3.937007874e+301 in"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.call);
    try {
      row.run();
      ADD_FAILURE() << "no exception";
    } catch (const InvalidArgument& e) {
      EXPECT_NE(std::string(e.what()).find(row.named), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace tarniq
