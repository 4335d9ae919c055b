// The phase-deviation design table: one complete horn per value of S.
#include <cmath>
#include <cstdint>

#include "design/rectangular_horn.hpp"
#include "common/constants.hpp"
#include "design/square_horn.hpp"
#include "run/phases.hpp"
#include "run/row_count.hpp"
#include "textio/layout.hpp"

namespace tarniq::run {
namespace {

using textio::Layout;
using textio::render;

constexpr Layout kAskRange{
    R"L((" Enter Aperture Phase Deviation (S)", /,)L"
    R"L( 5X, " Narrow Plane (0 TO 0.7) Start,Stop,Step (0 terminates) ", $))L"};
constexpr Layout kSquareHeading{R"L((/, "   S      Width  Slant Radius  Length  Flare Angle", /))L"};
constexpr Layout kRectangularHeading{
    R"L((/, 2X, " S", 5X, " Width", 2X, " Height", 1X, " H Radius", 1X, " E Radius", 2X, " Length", /))L"};
constexpr Layout kSquareRow{R"L((F6.3, F9.3, F12.3, F10.3, F11.3))L"};
constexpr Layout kRectangularRow{R"L((F6.3, F9.3, F9.3, F10.3, F10.3, F9.3))L"};

// S of one row, computed afresh from the row index (never accumulated).
float phase_deviation_of_row(const RunState& state) {
  return static_cast<float>(static_cast<double>(state.SSTART) +
                            static_cast<double>(state.IROW - 1) * static_cast<double>(state.SSTEP));
}

void design_square_row(RunState& state) {
  const design::SquareHorn horn = design::SQHBD(state.S, state.BW, state.PLANE, state.WA, state.WB,
                                                state.FGHZ, state.LEVEL);
  state.AH = horn.A;
  state.RH = horn.R;
  state.AXL = horn.AXL;
}

void design_rectangular_row(RunState& state) {
  const design::RectangularHorn horn = design::REHBD(state.S, state.BWE, state.BWH, state.WA,
                                                     state.WB, state.FGHZ, state.LEVEL);
  state.AH = horn.AH;
  state.AE = horn.AE;
  state.RH = horn.RH;
  state.RE = horn.RE;
  state.AXL = horn.AXL;
}

void write_square_row(RunState& state, Channels& channels) {
  state.AE = state.AH;
  state.RE = state.RH;
  state.FLARE = std::asin(state.AH / (2.0f * state.RH)) / numerics::kRadiansPerDegree;
  const float unit = unit_factor(state);
  const auto row = render(kSquareRow, {state.S, state.AH * unit, state.RH * unit, state.AXL * unit,
                                       state.FLARE});
  channels.to_console(row);
  channels.to_report(row);
}

void write_rectangular_row(const RunState& state, Channels& channels) {
  const float unit = unit_factor(state);
  const auto row = render(kRectangularRow, {state.S, state.AH * unit, state.AE * unit,
                                            state.RH * unit, state.RE * unit, state.AXL * unit});
  channels.to_report(row);
  channels.to_console(row);
}

}  // namespace

TableOutcome phase_deviation_table(RunState& state, Channels& channels) {
  channels.ask(kAskRange, {&state.SSTART, &state.SSTOP, &state.SSTEP});
  if (state.SSTEP == 0.0f) return TableOutcome::EndRun;

  const auto heading = render(is_square(state) ? kSquareHeading : kRectangularHeading);
  channels.to_console(heading);
  channels.to_report(heading);

  state.NS = design_row_count(state.SSTART, state.SSTOP, state.SSTEP);
  for (std::int64_t row = 1; row <= state.NS; ++row) {
    state.IROW = static_cast<std::int32_t>(row);
    state.S = phase_deviation_of_row(state);
    if (is_square(state)) {
      design_square_row(state);
    } else {
      design_rectangular_row(state);
    }
    if (state.AXL <= 0.0f) break;  // no horn at this S: the table ends without a message
    if (is_square(state)) {
      write_square_row(state, channels);
    } else {
      write_rectangular_row(state, channels);
    }
  }
  return TableOutcome::Tabulated;
}

}  // namespace tarniq::run
