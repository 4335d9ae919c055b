// Tests of the horn warnings: each raised exactly where it holds, in plain sentences naming the values.
#include "tarniq/warnings.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tarniq/design.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

constexpr double kGHz = hertz_per_gigahertz;
const Waveguide kWr90{0.9 * metres_per_inch, 0.4 * metres_per_inch, "WR-90"};
const Waveguide kUnnamed{0.9 * metres_per_inch, 0.4 * metres_per_inch, ""};

std::vector<WarningCode> codes(const std::vector<Warning>& warnings) {
  std::vector<WarningCode> result;
  for (const Warning& w : warnings) result.push_back(w.code);
  return result;
}

// Each warning on its own: the horn, frequency and method that raise it
// and nothing else, and its neighbours that raise nothing. An X-band horn
// 0.1 by 0.08 m, 0.2 m long, has phase deviations 0.16 (H) and 0.11 (E)
// at 10 GHz; WR-90 cuts off at 6.557 GHz (TE10) and 13.11 GHz (TE20) and
// is recommended from 8.2 to 12.4 GHz.
TEST(HornWarnings, RaisedExactlyWhereTheyHold) {
  using enum WarningCode;
  const Horn x_band = make_horn(0.1, 0.08, 0.2, kWr90);
  Horn nearly_equal = x_band;
  nearly_equal.e_slant_radius *= 1.0 + 1e-9;
  struct Row {
    const char* name;
    Horn horn;
    double ghz;
    bool table_method;
    std::vector<WarningCode> expected;
  };
  const Row rows[] = {
      {"in band", x_band, 10.0, true, {}},
      {"band edges", x_band, 8.2, false, {}},
      {"upper band edge", x_band, 12.4, false, {}},
      {"below cutoff", x_band, 5.0, false, {below_cutoff, outside_band}},
      {"below the band", x_band, 7.0, false, {outside_band}},
      {"above the band", x_band, 13.0, false, {outside_band}},
      {"overmoded", x_band, 14.0, false, {overmoded, outside_band}},
      {"unnamed feed below the band", make_horn(0.1, 0.08, 0.2, kUnnamed), 7.0, false, {}},
      {"unnamed feed below cutoff", make_horn(0.1, 0.08, 0.2, kUnnamed), 5.0, false, {below_cutoff}},
      {"E plane past the table (0.53)", make_horn(0.2, 0.15, 0.15, kWr90), 10.0, true, {beyond_table}},
      {"E plane past the table, pattern method", make_horn(0.2, 0.15, 0.15, kWr90), 10.0, false, {}},
      {"H plane past the table (1.05)", make_horn(0.3, 0.1, 0.3, kWr90), 10.0, true, {beyond_table}},
      {"E plane flaring 41.9° (s = 0.557)", make_horn(0.1, 0.1, 0.05, kWr90), 10.0, false, {wide_flare}},
      {"E plane flaring 37.8°", make_horn(0.1, 0.1, 0.06, kWr90), 10.0, false, {}},
      {"H-plane phase deviation 2.13", make_horn(0.5, 0.1, 0.4, kWr90), 10.0, false, {large_phase_deviation}},
      {"H-plane phase deviation 1.92", make_horn(0.5, 0.1, 0.4, kWr90), 9.0, false, {}},
      {"small aperture height (0.67 wavelength)", make_horn(0.1, 0.02, 0.2, kWr90), 10.0, false,
       {small_aperture}},
      {"unequal axial lengths", make_horn_from_slant_radii(0.1, 0.08, 0.3, 0.2, kWr90), 10.0, false,
       {unequal_axial_lengths}},
      {"axial lengths within 1e-6", nearly_equal, 10.0, false, {}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(codes(horn_warnings(r.horn, r.ghz * kGHz, {r.table_method ? DesignMethod::table : DesignMethod::pattern})),
              r.expected)
        << r.name;
}

// The sentences name the frequency in GHz, the feed, the plane and the numbers.
TEST(HornWarnings, MessagesNameTheValues) {
  const Horn x_band = make_horn(0.1, 0.08, 0.2, kWr90);
  struct Row {
    Horn horn;
    double ghz;
    std::vector<std::string> messages;
  };
  const Row rows[] = {
      {x_band, 5.0,
       {"5 GHz is below the TE10 cutoff of WR-90, 6.557 GHz: nothing propagates in the feed.",
        "5 GHz is outside the recommended band of WR-90, 8.2 to 12.4 GHz."}},
      {make_horn(0.1, 0.08, 0.2, kUnnamed), 14.0,
       {"14 GHz is above the TE20 cutoff of the 0.02286 m by 0.01016 m waveguide, 13.11 GHz: higher-order "
        "modes can propagate in the feed."}},
      {make_horn(0.1, 0.1, 0.2, Waveguide{0.016, 0.016, ""}), 14.0,
       {"14 GHz is above the TE11 cutoff of the 0.016 m by 0.016 m waveguide, 13.25 GHz: higher-order modes can "
        "propagate in the feed (TE01, the other polarisation of the fundamental, propagates from the TE10 "
        "cutoff)."}},
      {make_horn(0.2, 0.15, 0.15, kWr90), 10.0,
       {"The E-plane phase deviation 0.5285 wavelength is beyond the universal beamwidth table, which ends "
        "at 0.46: the table method's beamwidths there come from the table's extrapolation and may be far off "
        "(empty where it gives none)."}},
      {make_horn(0.1, 0.1, 0.05, kUnnamed), 8.0,
       {"The E-plane flare opens 41.94° to each side, over 40°: aperture theory is unreliable for so wide a "
        "flare."}},
      {make_horn(0.5, 0.1, 0.4, kWr90), 10.0,
       {"The H-plane phase deviation 2.136 wavelength is beyond the universal beamwidth table, which ends at 1: "
        "the table method's beamwidths there come from the table's extrapolation and may be far off (empty "
        "where it gives none).",
        "The H-plane phase deviation 2.136 wavelength at 10 GHz is over 2, the largest the pattern method "
        "designs with: the model is untried there."}},
      {make_horn(0.1, 0.02, 0.2, kWr90), 10.0,
       {"The aperture height 0.02 m is 0.6671 wavelength at 10 GHz, under about one wavelength: aperture "
        "theory is unreliable there."}},
      {make_horn_from_slant_radii(0.1, 0.08, 0.3, 0.2, kWr90), 10.0,
       {"The E-plane flare needs an axial length of 0.1711 m and the H-plane flare 0.2282 m: no horn with "
        "one aperture has both flares."}},
  };
  for (const Row& r : rows) {
    std::vector<std::string> messages;
    for (const Warning& w : horn_warnings(r.horn, r.ghz * kGHz, {DesignMethod::table})) messages.push_back(w.message);
    EXPECT_EQ(messages, r.messages);
  }
}

// A table-method design is checked on its own pattern: the 15°/25° 10 dB
// design at S = 0.21 is 1.3° too wide in the E plane; its H plane, and the
// pattern method's design, hold to 0.5°. The square horn's mean counts as one
// beamwidth: 1.5° too narrow for a 60° design at S = 0.1.
TEST(DesignWarnings, NameATableDesignsMissOnItsPattern) {
  const double f = 10.0 * kGHz;
  const WarningOptions table{DesignMethod::table};
  const RectangularPrescription rectangular{15.0, 25.0, 10.0, 0.21, f, kWr90};
  const std::vector<Warning> missed =
      design_warnings(design_rectangular(rectangular, {DesignMethod::table}), rectangular, table);
  ASSERT_EQ(missed.size(), 1u);
  EXPECT_EQ(missed[0].code, WarningCode::missed_prescription);
  EXPECT_EQ(missed[0].plane, Plane::e);
  EXPECT_EQ(missed[0].message,
            "On its pattern the table method's design has an E-plane beamwidth of 16.26°, 1.256° wider than the "
            "prescribed 15°.");
  EXPECT_TRUE(design_warnings(design_rectangular(rectangular), rectangular).empty());

  const Waveguide square_feed{0.016, 0.016, ""};
  const SquarePrescription square{60.0, SquarePlane::average, half_power_db, 0.1, f, square_feed};
  const std::vector<Warning> mean =
      design_warnings(design_square(square, {DesignMethod::table}), square, table);
  ASSERT_EQ(codes(mean).back(), WarningCode::missed_prescription);  // after its small apertures
  EXPECT_FALSE(mean.back().plane);
  EXPECT_NE(mean.back().message.find("a mean beamwidth of 58.48°, 1.515° narrower"), std::string::npos);
}

// A pattern design whose beam dips and rises again inside its beamwidth is
// said to have a shoulder (equal 20° beams at S = 0.5 take the E plane's
// flare that far); one whose beam falls steadily is not.
TEST(DesignWarnings, NameABeamMeasuredPastAShoulder) {
  const double f = 10e9;
  for (const auto& [s, shoulder] : {std::pair{0.3, false}, std::pair{0.5, true}}) {
    const RectangularPrescription equal{20.0, 20.0, half_power_db, s, f, kWr90};
    const std::vector<Warning> warnings = design_warnings(design_rectangular(equal), equal);
    const bool said = !warnings.empty() && warnings.back().code == WarningCode::shoulder;
    EXPECT_EQ(said, shoulder) << s;
    if (said) {
      EXPECT_EQ(warnings.back().plane, Plane::e);
    }
  }
}

}  // namespace
}  // namespace tarniq
