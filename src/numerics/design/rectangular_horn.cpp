// Design of a rectangular pyramidal horn whose two planes share one axial length.
#include "design/rectangular_horn.hpp"

#include <array>
#include <optional>

#include "common/algip.hpp"
#include "common/constants.hpp"
#include "design/flare.hpp"
#include "design/rhbwd.hpp"

namespace tarniq::design {
namespace {

constexpr float kInitialStep = 0.01f;     // first step of the phase-deviation search, wavelengths
constexpr float kStepDivisor = 10.0f;     // a refinement divides the step by this
constexpr float kSmallestStep = 0.0005f;  // below this step the search gives up, wavelengths
constexpr float kBackOffSteps = 5.0f;     // new steps a refinement backs off the base
constexpr float kLargestS = 1.0f;         // largest phase deviation searched, wavelengths
constexpr int kFinalPasses = 4;           // passes that pin the wider plane to the axial length

constexpr RectangularHorn kNoDesign = {0.0f, 0.0f, 0.0f, 0.0f, -1.0f};

// What the design needs to know about one plane.
struct Plane {
  float BW;  // full beamwidth, degrees
  float W;   // waveguide dimension in this plane, inches
  int code;  // RHBWD plane code: 1 = E plane, 2 = H plane
};

// Everything common to both planes.
struct Setup {
  float lambda;  // wavelength, inches
  int LEVEL;
};

// A point of the search: a phase deviation s of the wider plane and the axial length M there.
struct SearchPoint {
  float s;
  float M;
};
using SearchPoints = std::array<SearchPoint, 3>;

Flare plane_flare(const Plane& plane, float s, const Setup& setup) {
  const float d = RHBWD(s, plane.BW, setup.LEVEL, plane.code);
  return flare_from_phase_deviation(d, s, setup.lambda);
}

enum class StartOutcome { Ready, Unrealizable, PastLargestS };

// The first three search points s_b + i·ds, i = 1, 2, 3.
StartOutcome start_points(const Plane& p2, const Setup& setup, float s_b, float ds,
                          SearchPoints& points) {
  for (int i = 1; i <= 3; ++i) {
    const float s = static_cast<float>(i) * ds + s_b;
    if (s > kLargestS) return StartOutcome::PastLargestS;
    const Flare f = plane_flare(p2, s, setup);
    if (!is_realizable(f)) return StartOutcome::Unrealizable;
    points[i - 1] = {s, axial_length(f, p2.W)};
  }
  return StartOutcome::Ready;
}

// March the three points up in steps of ds until the last one's
// axial length is at or below L1, or the next point cannot be built.
// False when the march passes the largest phase deviation (no design).
// Every turn raises s by ds >= 0.001, so the march ends by s = 1.0.
bool march(const Plane& p2, const Setup& setup, float L1, float ds, SearchPoints& points) {
  while (!(points[2].M <= L1)) {
    const float s_x = points[2].s + ds;
    if (s_x > kLargestS) return false;
    const Flare f = plane_flare(p2, s_x, setup);
    if (!is_realizable(f)) return true;
    points = {points[1], points[2], SearchPoint{s_x, axial_length(f, p2.W)}};
  }
  return true;
}

// The phase deviation at which the wider plane has the axial
// length L1, interpolated inversely (axial lengths as abscissas).
float interpolate_phase_deviation(const SearchPoints& points, float L1) {
  const std::array<float, 3> M = {points[0].M, points[1].M, points[2].M};
  const std::array<float, 3> s = {points[0].s, points[1].s, points[2].s};
  return numerics::ALGIP(L1, M, s, 3);
}

// The phase deviation S2 of the wider plane whose axial length is L1,
// or none when the search runs past the largest phase deviation.
std::optional<float> search_phase_deviation(const Plane& p2, const Setup& setup, float L1) {
  float s_b = 0.0f;
  float ds = kInitialStep;
  SearchPoints points{};
  for (;;) {  // at most three turns: ds shrinks tenfold each turn
    const StartOutcome start = start_points(p2, setup, s_b, ds, points);
    if (start == StartOutcome::PastLargestS) return std::nullopt;
    if (start == StartOutcome::Ready) break;
    // A point could not be built: refine the step and back off the base.
    ds = ds / kStepDivisor;
    if (ds < kSmallestStep) return s_b;
    s_b = s_b - kBackOffSteps * ds;
    if (s_b < 0.0f) s_b = 0.0f;
  }
  if (!march(p2, setup, L1, ds, points)) return std::nullopt;
  return interpolate_phase_deviation(points, L1);
}

// Exactly four passes that give the wider plane the axial length L1,
// each from the phase deviation the previous one implies. None when its
// aperture is not wider than its waveguide dimension in any pass.
std::optional<Flare> final_passes(const Plane& p2, const Setup& setup, float L1, float S2) {
  Flare f2{};
  for (int pass = 0; pass < kFinalPasses; ++pass) {
    const float d2 = RHBWD(S2, p2.BW, setup.LEVEL, p2.code);
    const float a2 = d2 * setup.lambda;
    if (!(a2 > p2.W)) return std::nullopt;
    f2 = {a2, numerics::slant_radius(L1, a2, p2.W)};
    S2 = phase_deviation(f2, setup.lambda);
  }
  return f2;
}

}  // namespace

RectangularHorn REHBD(float S, float BWE, float BWH, float WA, float WB, float FGHZ, int LEVEL) {
  if (!(S > 0.0f)) return kNoDesign;
  const Setup setup{numerics::wavelength(FGHZ), LEVEL};
  // Plane 1 has the narrower beamwidth, the E plane on a tie.
  const Plane e_plane{BWE, WB, 1};
  const Plane h_plane{BWH, WA, 2};
  const bool e_first = BWE <= BWH;
  const Plane& p1 = e_first ? e_plane : h_plane;
  const Plane& p2 = e_first ? h_plane : e_plane;

  // Plane 1 at the given S fixes the axial length of the horn.
  const Flare f1 = plane_flare(p1, S, setup);
  if (!is_realizable(f1)) return kNoDesign;
  const float L1 = axial_length(f1, p1.W);

  // Plane 2 at the same axial length: search its phase deviation, then pin it.
  const std::optional<float> S2 = search_phase_deviation(p2, setup, L1);
  if (!S2 || *S2 <= 0.0f) return kNoDesign;
  const std::optional<Flare> f2 = final_passes(p2, setup, L1, *S2);
  if (!f2) return kNoDesign;

  // Each plane's flare to its own slots.
  const Flare& e_flare = e_first ? f1 : *f2;
  const Flare& h_flare = e_first ? *f2 : f1;
  return {h_flare.A, e_flare.A, h_flare.rho, e_flare.rho, L1};
}

}  // namespace tarniq::design
