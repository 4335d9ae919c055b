// The two phases that the run alternates between.
#pragma once

#include "run/channels.hpp"
#include "run/run_state.hpp"

namespace tarniq::run {

enum class TableOutcome { EndRun, Tabulated };

// Asks for a range of phase deviations and tabulates one design per value, to
// the console and the report; a step of 0 asks to end the run instead.
TableOutcome phase_deviation_table(RunState& state, Channels& channels);

// Analyses horn dimensions typed by the user over frequency sweeps, until a
// width of 0 or less is typed.
void frequency_response(RunState& state, Channels& channels);

}  // namespace tarniq::run
