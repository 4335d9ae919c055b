// Table-method designs: the interactive program's single-precision designs behind the library's calls.
#include "checks.hpp"
#include "design/rectangular_horn.hpp"
#include "design/square_horn.hpp"
#include "design_methods.hpp"
#include "single_precision.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq::detail {
namespace {

float inches(double metres, std::string_view quantity) { return to_single(metres / metres_per_inch, quantity, "in"); }

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
  return {to_single(phase_deviation, "phase deviation", "wavelengths"), inches(feed.width, "waveguide width"),
          inches(feed.height, "waveguide height"),
          to_single(frequency_hz / hertz_per_gigahertz, "frequency", "GHz"), require_table_level(level)};
}

// The horn of a design, or NoSolution when its lengths do not make one (the
// metres of single-precision inches can fall on the waveguide's size).
Horn build(double AH, double AE, double RH, double RE, const Waveguide& feed, const std::string& wanted) {
  try {
    return make_horn_from_slant_radii(AH, AE, RH, RE, feed);
  } catch (const InvalidArgument& e) {
    throw NoSolution("the table method's horn for " + wanted + " cannot be built: " + e.what());
  }
}

}  // namespace

HornDesign rectangular_by_table(const RectangularPrescription& prescription) {
  const TableInputs in = table_inputs(prescription.phase_deviation, prescription.frequency_hz,
                                      prescription.feed, prescription.level_db);
  const float BWE = to_single(prescription.e_beamwidth_deg, "E-plane beamwidth", "degrees");
  const float BWH = to_single(prescription.h_beamwidth_deg, "H-plane beamwidth", "degrees");
  const design::RectangularHorn horn = design::REHBD(in.S, BWE, BWH, in.WA, in.WB, in.FGHZ, in.LEVEL);
  // The interactive program ends its table at the first AXL of 0 or less.
  if (!(horn.AXL > 0.0f))
    throw NoSolution(
        "the table method finds no horn for " + describe(prescription) +
        ": the wider plane's flare cannot reach the narrower plane's axial length, or an aperture "
        "is not larger than the waveguide");
  // The interactive program's S plane: the narrower beam, the E plane on a tie.
  const Plane s_plane = BWE <= BWH ? Plane::e : Plane::h;
  return {build(metres(horn.AH), metres(horn.AE), metres(horn.RH), metres(horn.RE), prescription.feed,
                describe(prescription)),
          metres(horn.AXL), s_plane};
}

HornDesign square_by_table(const SquarePrescription& prescription) {
  const TableInputs in = table_inputs(prescription.phase_deviation, prescription.frequency_hz,
                                      prescription.feed, prescription.level_db);
  const float BW = to_single(prescription.beamwidth_deg, "beamwidth", "degrees");
  const int PLANE = prescription.plane == SquarePlane::e ? 1 : prescription.plane == SquarePlane::h ? 2 : 3;
  const design::SquareHorn horn = design::SQHBD(in.S, BW, PLANE, in.WA, in.WB, in.FGHZ, in.LEVEL);
  if (!(horn.AXL > 0.0f))
    throw NoSolution("the table method finds no horn for " + describe(prescription) +
                     ": its flare cannot be built or its aperture is not larger than the waveguide");
  const double A = metres(horn.A);
  const double R = metres(horn.R);
  // One aperture and one slant radius: both planes have the phase deviation S.
  return {build(A, A, R, R, prescription.feed, describe(prescription)), metres(horn.AXL),
          prescription.plane == SquarePlane::h ? Plane::h : Plane::e};
}

}  // namespace tarniq::detail
