// Table-method designs: the interactive program's single-precision designs behind the library's calls.
#include <limits>

#include "checks.hpp"
#include "common/levels.hpp"
#include "design/rectangular_horn.hpp"
#include "design/square_horn.hpp"
#include "design_methods.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

int level_code(double level) {
  if (const std::optional<int> code = table_level_code(level)) return *code;
  throw InvalidArgument(show("level", level, "dB") +
                        " is not one of the table method's levels, 0.5, 1, 2, 3 or 10 dB");
}

// A value in the single precision of the interactive program: converted in
// double, then rounded once. It must be a positive normal float (checked
// before the conversion, which is undefined beyond the float range).
float single(double value, std::string_view quantity, std::string_view unit) {
  constexpr double kSmallest = static_cast<double>(std::numeric_limits<float>::min());
  constexpr double kLargest = static_cast<double>(std::numeric_limits<float>::max());
  if (!(value >= kSmallest && value <= kLargest))
    throw InvalidArgument(show(quantity, value, unit) +
                          " is outside the table method's single-precision range");
  return static_cast<float>(value);
}

float inches(double metres, std::string_view quantity) {
  return single(metres / metres_per_inch, quantity, "in");
}

double metres(float inches) { return static_cast<double>(inches) * metres_per_inch; }

// The single-precision arguments common to both designs.
struct TableInputs {
  float S;
  float WA;
  float WB;
  float FGHZ;
  int LEVEL;
};

TableInputs table_inputs(double phase_deviation, double frequency_hz, const Waveguide& feed, double level) {
  return {single(phase_deviation, "phase deviation", "wavelengths"), inches(feed.width, "waveguide width"),
          inches(feed.height, "waveguide height"),
          single(frequency_hz / hertz_per_gigahertz, "frequency", "GHz"), level_code(level)};
}

// The horn of a design, or NoSolution when its lengths do not make one (the
// metres of single-precision inches can fall on the waveguide's size).
Horn build(double AH, double AE, double RH, double RE, const Waveguide& feed, const std::string& spec) {
  try {
    return make_horn_from_slant_radii(AH, AE, RH, RE, feed);
  } catch (const InvalidArgument& e) {
    throw NoSolution("the table method's horn for " + spec + " cannot be built: " + e.what());
  }
}

}  // namespace

std::optional<int> table_level_code(double level) {
  constexpr double kHighestLevel = 100.0;  // dB, far above the table's, and safely a float
  if (!(level > 0.0 && level <= kHighestLevel)) return std::nullopt;
  const float dB = static_cast<float>(level_db(level));
  for (int code = 1; code <= numerics::kLevelCount; ++code)
    if (numerics::level_row(code).dB == dB) return code;
  return std::nullopt;
}

HornDesign rectangular_by_table(const RectangularSpec& spec) {
  const TableInputs in = table_inputs(spec.phase_deviation, spec.frequency_hz, spec.feed, spec.level_db);
  const float BWE = single(spec.e_beamwidth_deg, "E-plane beamwidth", "degrees");
  const float BWH = single(spec.h_beamwidth_deg, "H-plane beamwidth", "degrees");
  const design::RectangularHorn horn = design::REHBD(in.S, BWE, BWH, in.WA, in.WB, in.FGHZ, in.LEVEL);
  // The interactive program ends its table at the first AXL of 0 or less.
  if (!(horn.AXL > 0.0f))
    throw NoSolution(
        "the table method finds no horn for " + describe(spec) +
        ": the wider plane's flare cannot reach the narrower plane's axial length, or an aperture "
        "is not larger than the waveguide");
  return {
      build(metres(horn.AH), metres(horn.AE), metres(horn.RH), metres(horn.RE), spec.feed, describe(spec)),
      metres(horn.AXL)};
}

HornDesign square_by_table(const SquareSpec& spec) {
  const TableInputs in = table_inputs(spec.phase_deviation, spec.frequency_hz, spec.feed, spec.level_db);
  const float BW = single(spec.beamwidth_deg, "beamwidth", "degrees");
  const int PLANE = spec.plane == SquarePlane::e ? 1 : spec.plane == SquarePlane::h ? 2 : 3;
  const design::SquareHorn horn = design::SQHBD(in.S, BW, PLANE, in.WA, in.WB, in.FGHZ, in.LEVEL);
  if (!(horn.AXL > 0.0f))
    throw NoSolution("the table method finds no horn for " + describe(spec) +
                     ": its flare cannot be built or its aperture is not larger than the waveguide");
  const double A = metres(horn.A);
  const double R = metres(horn.R);
  return {build(A, A, R, R, spec.feed, describe(spec)), metres(horn.AXL)};
}

}  // namespace tarniq::detail
