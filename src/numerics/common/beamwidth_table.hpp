// The universal beamwidth table: beamwidth factors of uniform and cosine aperture distributions.
#pragma once

#include <array>
#include <span>

#include "common/levels.hpp"

namespace tarniq::numerics {

// Which sub-table a lookup reads: the E plane has uniform amplitude across the
// aperture, the H plane cosine amplitude.
enum class Subtable { EPlane, HPlane };

// The level code LEVEL (1 = 3.01 dB, 2 = 10 dB, 3 = 0.5 dB, 4 = 1 dB,
// 5 = 2 dB) reads column stored_column(LEVEL).
constexpr int stored_column(int LEVEL) { return kLevelCount - LEVEL; }

// Layout. Each row holds the beamwidth factor D·sin φ at one aperture phase
// deviation S: D is the aperture dimension in wavelengths and φ the half-angle
// at which the aperture pattern, without the obliquity factor, is first the
// column's level below its on-axis value. The pattern is that of the field
// amplitude(x)·exp(−j·2π·S·(2x)²) across x in [−1/2, 1/2] aperture widths.
// Columns, in stored order: 2 dB, 1 dB, 0.5 dB, 10 dB, 3.01 dB.
// Row r (from 0) lies at S = r·step; the abscissas are not stored.
using BeamwidthRow = std::array<float, kLevelCount>;

inline constexpr float kHPlaneStep = 0.04f;  // S between H-plane rows, wavelengths
inline constexpr float kEPlaneStep = 0.02f;  // S between E-plane rows, wavelengths

// H plane, cosine amplitude: 26 rows, S = 0.00 ... 1.00.
inline constexpr std::array<BeamwidthRow, 26> kHPlaneFactors = {{
    //    2 dB       1 dB     0.5 dB      10 dB    3.01 dB          S
    {0.488544f, 0.348198f,  0.24717f,  1.01936f,  0.59448f},  // 0.00
    { 0.48912f,  0.34858f, 0.247432f,  1.02201f, 0.595252f},  // 0.04
    {0.490867f, 0.349705f, 0.248193f,  1.03011f, 0.597591f},  // 0.08
    {0.493816f, 0.351631f, 0.249499f,   1.0442f, 0.601566f},  // 0.12
    {0.498077f,  0.35439f, 0.251354f,  1.06524f, 0.607297f},  // 0.16
    {0.503739f, 0.358049f, 0.253838f,  1.09489f, 0.614962f},  // 0.20
    {0.511033f, 0.362729f, 0.256997f,  1.13577f, 0.624814f},  // 0.24
    { 0.52013f, 0.368539f, 0.260909f,   1.1921f, 0.637197f},  // 0.28
    {0.531356f, 0.375695f, 0.265716f,  1.26995f,  0.65258f},  // 0.32
    {0.545125f, 0.384407f, 0.271555f,  1.37422f, 0.671601f},  // 0.36
    {0.561988f, 0.394973f, 0.278604f,  1.49589f, 0.695118f},  // 0.40
    { 0.58269f, 0.407846f,  0.28716f,  1.61228f, 0.724323f},  // 0.44
    {0.608255f, 0.423551f, 0.297548f,  1.71428f,  0.76086f},  // 0.48
    {0.640102f, 0.442852f, 0.310237f,   1.8062f, 0.806985f},  // 0.52
    {0.680215f, 0.466809f,  0.32587f,  1.89468f, 0.865649f},  // 0.56
    {0.731323f, 0.496918f,  0.34536f,  1.98612f, 0.940063f},  // 0.60
    {0.796902f, 0.535386f, 0.370021f,  2.08716f,  1.03172f},  // 0.64
    {0.880238f, 0.585333f, 0.401822f,  2.20473f,  1.13653f},  // 0.68
    {0.981141f, 0.651101f, 0.443807f,  2.34178f,  1.24454f},  // 0.72
    {1.091644f, 0.737392f,  0.50061f,  2.48764f,  1.34726f},  // 0.76
    {1.199838f, 0.844777f, 0.579044f,  2.62458f,  1.44247f},  // 0.80
    {1.298972f, 0.962502f, 0.684931f,  2.74757f,  1.53203f},  // 0.84
    {1.388897f, 1.073858f,  0.81131f,  2.86176f,  1.61912f},  // 0.88
    {1.472209f, 1.170659f, 0.933492f,  2.97438f,  1.70714f},  // 0.92
    {1.551992f, 1.253366f, 1.035003f,  3.09235f,  1.79912f},  // 0.96
    {1.631139f, 1.325047f,  1.11531f,  3.22077f,    1.897f},  // 1.00
}};

// E plane, uniform amplitude: 24 rows, S = 0.00 ... 0.46. The 10 dB column
// jumps between S = 0.22 and 0.24: beyond it the pattern's shoulder no longer
// reaches 10 dB, so the first crossing moves out past the shoulder.
inline constexpr std::array<BeamwidthRow, 24> kEPlaneFactors = {{
    //    2 dB       1 dB     0.5 dB      10 dB    3.01 dB          S
    {0.365461f, 0.261496f,  0.18598f,  0.73803f, 0.442955f},  // 0.00
    {0.365565f, 0.261553f, 0.186016f,  0.73865f, 0.443096f},  // 0.02
    {0.365864f, 0.261742f, 0.186142f,  0.74053f, 0.443522f},  // 0.04
    {0.366375f, 0.262049f, 0.186343f,  0.74375f, 0.444237f},  // 0.06
    {0.367094f, 0.262495f, 0.186638f,  0.74843f, 0.445254f},  // 0.08
    {0.368032f, 0.263066f, 0.187011f,  0.75477f, 0.446587f},  // 0.10
    {0.369217f, 0.263791f, 0.187488f,  0.76307f, 0.448253f},  // 0.12
    {0.370648f, 0.264656f, 0.188054f,  0.77383f, 0.450295f},  // 0.14
    {0.372357f, 0.265699f, 0.188739f,  0.78793f, 0.452736f},  // 0.16
    {0.374368f, 0.266906f, 0.189527f,  0.80658f, 0.455623f},  // 0.18
    {0.376711f, 0.268328f, 0.190455f,  0.83262f,  0.45901f},  // 0.20
    {0.379432f, 0.269954f, 0.191512f,  0.87291f, 0.462968f},  // 0.22
    {0.382585f, 0.271842f, 0.192738f,   1.4592f, 0.467587f},  // 0.24
    {0.386235f, 0.274005f, 0.194132f,  1.50496f, 0.472983f},  // 0.26
    {0.390467f, 0.276478f, 0.195739f,  1.54158f, 0.479307f},  // 0.28
    {0.395385f, 0.279334f, 0.197569f,  1.57368f,  0.48676f},  // 0.30
    {0.401126f, 0.282628f, 0.199665f,  1.60337f, 0.495618f},  // 0.32
    {0.407871f, 0.286433f, 0.202101f,  1.63199f, 0.506263f},  // 0.34
    {0.415868f,  0.29086f, 0.204901f,  1.66051f, 0.519264f},  // 0.36
    {0.425466f,  0.29607f, 0.208161f,  1.68993f,  0.53552f},  // 0.38
    {0.437173f, 0.302208f, 0.211963f,  1.72145f, 0.556518f},  // 0.40
    {0.451768f, 0.309576f,  0.21647f,  1.75702f, 0.585109f},  // 0.42
    {0.470538f, 0.318501f, 0.221829f,  1.80045f, 0.628132f},  // 0.44
    {0.495896f, 0.329577f, 0.228318f,   1.8611f, 0.713751f},  // 0.46
}};

static_assert(kHPlaneFactors.size() == 26 && kEPlaneFactors.size() == 24);
static_assert((kHPlaneFactors.size() + kEPlaneFactors.size()) * kLevelCount == 250);

// The last tabulated phase deviation of each sub-table, wavelengths (0.46
// and 1.00): beyond it a lookup extrapolates.
inline constexpr float kEPlaneLastS = static_cast<float>(kEPlaneFactors.size() - 1) * kEPlaneStep;
inline constexpr float kHPlaneLastS = static_cast<float>(kHPlaneFactors.size() - 1) * kHPlaneStep;

constexpr std::span<const BeamwidthRow> subtable_rows(Subtable plane) {
  if (plane == Subtable::EPlane) return kEPlaneFactors;
  return kHPlaneFactors;
}

constexpr float subtable_step(Subtable plane) {
  return plane == Subtable::EPlane ? kEPlaneStep : kHPlaneStep;
}

}  // namespace tarniq::numerics
