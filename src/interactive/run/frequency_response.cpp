// The frequency response: gain and beamwidths of a typed-in horn over a sweep.
#include <cmath>
#include <cstdint>

#include "analysis/horn_beamwidths.hpp"
#include "analysis/horn_gain.hpp"
#include "common/horn_geometry.hpp"
#include "run/phases.hpp"
#include "run/row_count.hpp"
#include "textio/layout.hpp"

namespace tarniq::run {
namespace {

using textio::Layout;
using textio::render;

constexpr Layout kAskSquareHorn{
    R"L((/, " Frequency Response", /, /, " Enter Width, Axial Length (0 terminates) ", $))L"};
constexpr Layout kAskRectangularHorn{
    R"L((/, " Frequency Response", /, /, " Enter Width, Height, Axial Length (0 terminates) ", $))L"};
constexpr Layout kSquareBlock{
    R"L((/, " Frequency Response: Aperture Width:", F7.3, 2X, " Length:", F8.3, /,)L"
    R"L( " Slant Radius:", F8.3, /))L"};
constexpr Layout kRectangularBlock{
    R"L((/, " Frequency Response: Aperture Width:", F7.3, 2X, " Height:", F7.3, /,)L"
    R"L( " Length:", F8.3, /,)L"
    R"L( " H Plane Radius:", F8.3, 2X, " E Plane Radius:", F8.3, /))L"};
constexpr Layout kAskFrequencies{R"L((" Enter Frequency  Start,Stop,Step ", $))L"};
constexpr Layout kThreeDbHeading{
    R"L((/, " Frequency", 2X, " Gain(dB)  3 dB Beamwidths", 2X, " 10 dB Beamwidths", /,)L"
    R"L( 21X, 2(1X, " E Plane  H Plane")))L"};
constexpr Layout kOtherLevelHeading{
    R"L((/, " Frequency", 2X, " Gain(dB) ", A2, " dB Beamwidths", 3X, "3 dB Beamwidths", /,)L"
    R"L( 21X, 2(1X, " E Plane  H Plane")))L"};
constexpr Layout kRow{R"L((F10.4, 4X, F7.2, 4(2X, F6.1, 1X)))L"};

// Reads the horn's dimensions in the user's unit and holds them in inches.
void ask_dimensions(RunState& state, Channels& channels) {
  const float unit = unit_factor(state);
  if (is_square(state)) {
    channels.ask(kAskSquareHorn, {&state.AH, &state.AXL});
  } else {
    channels.ask(kAskRectangularHorn, {&state.AH, &state.AE, &state.AXL});
  }
  state.AH = state.AH / unit;
  state.AXL = state.AXL / unit;
  if (!is_square(state)) state.AE = state.AE / unit;
}

void describe_horn(RunState& state, Channels& channels) {
  state.RH = numerics::slant_radius(state.AXL, state.AH, state.WA);
  const float unit = unit_factor(state);
  if (is_square(state)) {
    state.AE = state.AH;
    state.RE = state.RH;
    channels.to_report(render(kSquareBlock, {state.AH * unit, state.AXL * unit, state.RH * unit}));
  } else {
    state.RE = numerics::slant_radius(state.AXL, state.AE, state.WB);
    channels.to_report(render(kRectangularBlock, {state.AH * unit, state.AE * unit,
                                                  state.AXL * unit, state.RH * unit,
                                                  state.RE * unit}));
  }
}

void write_row(RunState& state, Channels& channels) {
  const analysis::Beamwidths beamwidths =
      analysis::HRNBW(state.FREQ, state.AH, state.AE, state.RH, state.RE);
  state.EBW = beamwidths.EBW;
  state.HBW = beamwidths.HBW;
  state.GAINDB = 10.0f * std::log10(analysis::HORN(state.FREQ, state.AH, state.AE, state.RE, state.RH));
  // The design level first, then 10 dB for a 3 dB design and 3 dB otherwise.
  const auto first = static_cast<std::size_t>(state.LEVEL - 1);
  const std::size_t second = state.LEVEL == 1 ? 1 : 0;
  const auto row = render(kRow, {state.FREQ, state.GAINDB, state.EBW.at(first), state.HBW.at(first),
                                 state.EBW[second], state.HBW[second]});
  channels.to_report(row);
  channels.to_console(row);
}

void tabulate(RunState& state, Channels& channels) {
  const auto heading = state.LEVEL == 1 ? render(kThreeDbHeading)
                                        : render(kOtherLevelHeading, {level_label(state)});
  channels.to_console(heading);
  channels.to_report(heading);
  state.NF = frequency_row_count(state.FSTART, state.FSTOP, state.FSTEP);
  for (std::int64_t row = 1; row <= state.NF; ++row) {
    state.IROW = static_cast<std::int32_t>(row);
    state.FREQ = state.FSTART + static_cast<float>(state.IROW - 1) * state.FSTEP;
    write_row(state, channels);
  }
}

}  // namespace

void frequency_response(RunState& state, Channels& channels) {
  for (;;) {
    ask_dimensions(state, channels);
    if (state.AH <= 0.0f) return;
    describe_horn(state, channels);
    channels.ask(kAskFrequencies, {&state.FSTART, &state.FSTOP, &state.FSTEP});
    if (state.FSTEP == 0.0f) continue;
    tabulate(state, channels);
  }
}

}  // namespace tarniq::run
