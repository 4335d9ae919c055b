// The run driver: the design dialog, the report heading and the phase loop.
#include "textio/fatal_error.hpp"
#include "textio/layout.hpp"
#include "textio/question.hpp"
#include "textio/report_open.hpp"
#include "textio/text_answers.hpp"
#include "run/phases.hpp"
#include "run/session.hpp"

namespace tarniq::run {
namespace {

using textio::Layout;
using textio::render;

constexpr std::size_t kReportNameWidth = 70;
constexpr std::string_view kStopLine = "Stop - Program terminated.";

constexpr Layout kBanner{R"L((/, " Rectangular Horn Designed to Prescribed Beamwidths", /))L"};
constexpr Layout kAskReportName{R"L((" Enter output file ", $))L"};
constexpr Layout kAskUnits{R"L((" Enter units: 1 cm, 2 inches ", $))L"};
constexpr Layout kAskLevel{R"L((" Enter Design Input (1) 3 dB (2) 10 dB ", $))L"};
constexpr Layout kAskWaveguide{R"L((" Enter Input Waveguide  Width, Height ", $))L"};
constexpr Layout kAskSquare{R"L((" Square Horn? ", $))L"};
constexpr Layout kAskPlane{R"L((" Design to (1) E Plane, (2) H Plane, '(3) Avg. Beamwidth ", $))L"};
constexpr Layout kAskBeamwidth{R"L((" Enter Beamwidth ", $))L"};
constexpr Layout kAskBeamwidths{R"L((" Enter Beamwidths  E Plane, H Plane ", $))L"};
constexpr Layout kAskFrequency{R"L((" Enter Design Frequency (GHz) ", $))L"};

// Answers outside the tables are asked again, after one line saying why.
constexpr Layout kUnitsAccepted{R"L((" Units must be 0, 1 or 2"))L"};
constexpr Layout kLevelAccepted{R"L((" Level must be 1 to 5"))L"};
constexpr Layout kPlaneAccepted{R"L((" Plane must be 1, 2 or 3"))L"};
constexpr Layout kBeamwidthAccepted{R"L((" Beamwidths must lie between 0 and 360 degrees"))L"};

constexpr Layout kReportTitle{R"L((/, 4X, " TARNIQ   ", /, "     Code: Quennivoraster"))L"};
constexpr Layout kRectangularHeading{
    R"L((/, /, " Rectangular Horn Designed to ", A2, " dB Beamwidths", /, /,)L"
    R"L( " E Plane:", F7.3, 2X, " H Plane:", F7.3, /,)L"
    R"L( " Input Waveguide:", F7.3, 3X, F7.3, A4, /,)L"
    R"L( " Design Frequency (GHz):", F7.4))L"};
constexpr Layout kSquareAverageHeading{
    R"L((/, /, " Square Horn Designed to ", A2, " dB Beamwidth", /, /,)L"
    R"L( " Average E & H Plane Beamwidth:", F7.3, /,)L"
    R"L( " Input Waveguide:", F8.3, A4, /,)L"
    R"L( " Design Frequency (GHz):", F9.4))L"};
constexpr Layout kSquarePlaneHeading{
    R"L((/, /, " Square Horn Designed to ", A2, " dB Beamwidth", /, /,)L"
    R"L( A2, " Plane Beamwidth:", F7.3, /,)L"
    R"L( " Input Waveguide:", F8.3, A4, /,)L"
    R"L( " Design Frequency (GHz):", F9.4))L"};

bool valid_beamwidth(float degrees) { return degrees > 0.0f && degrees < 360.0f; }

// Asks `prompt` until `accepted` holds for the answer.
template <typename Accepted>
void ask_until(Channels& channels, const Layout& prompt,
               std::initializer_list<textio::ListItem> items, const Layout& explanation,
               Accepted accepted) {
  for (channels.ask(prompt, items); !accepted(); channels.ask(prompt, items))
    channels.to_console(render(explanation));
}

void ask_level_and_waveguide(RunState& state, Channels& channels) {
  ask_until(channels, kAskLevel, {&state.LEVEL}, kLevelAccepted,
            [&] { return state.LEVEL >= 1 && state.LEVEL <= 5; });
  channels.ask(kAskWaveguide, {&state.WA, &state.WB});
  state.WA = state.WA / unit_factor(state);
  state.WB = state.WB / unit_factor(state);
}

void ask_shape_and_beamwidths(RunState& state, Channels& channels) {
  state.SQUARE = 0;
  if (state.WA == state.WB) {
    const textio::Records question = render(kAskSquare);
    channels.to_console(question);
    state.SQUARE = textio::answering(question, [&] { return textio::NYES(channels.input); });
    channels.console.answer_received();
  }
  if (is_square(state)) {
    ask_until(channels, kAskPlane, {&state.PLANE}, kPlaneAccepted,
              [&] { return state.PLANE >= 1 && state.PLANE <= 3; });
    ask_until(channels, kAskBeamwidth, {&state.BW}, kBeamwidthAccepted,
              [&] { return valid_beamwidth(state.BW); });
  } else {
    ask_until(channels, kAskBeamwidths, {&state.BWE, &state.BWH}, kBeamwidthAccepted,
              [&] { return valid_beamwidth(state.BWE) && valid_beamwidth(state.BWH); });
  }
  channels.ask(kAskFrequency, {&state.FGHZ});
}

void write_design_heading(const RunState& state, Channels& channels) {
  const float width = state.WA * unit_factor(state);
  const float height = state.WB * unit_factor(state);
  channels.to_report(render(kReportTitle));
  if (!is_square(state)) {
    channels.to_report(render(kRectangularHeading, {level_label(state), state.BWE, state.BWH, width,
                                                    height, unit_name(state), state.FGHZ}));
  } else if (state.PLANE == 3) {
    channels.to_report(render(kSquareAverageHeading,
                              {level_label(state), state.BW, width, unit_name(state), state.FGHZ}));
  } else {
    channels.to_report(render(kSquarePlaneHeading, {level_label(state), plane_label(state), state.BW,
                                                    width, unit_name(state), state.FGHZ}));
  }
}

void stop(Channels& channels) { channels.console.message_line(kStopLine); }

}  // namespace

void TARNIQ(Session& session) {
  RunState state;
  session.console.write(render(kBanner));
  const textio::Records name_question = render(kAskReportName);
  session.console.write(name_question);
  state.REPFIL = textio::answering(
      name_question, [&] { return textio::read_text(session.input, kReportNameWidth); });
  session.console.answer_received();
  const auto report = textio::open_report(state.REPFIL, session.arguments, session.console,
                                          session.input, session.open_report);
  Channels channels{session.input, session.console, *report};

  ask_until(channels, kAskUnits, {&state.UNITS}, kUnitsAccepted,
            [&] { return state.UNITS >= 0 && state.UNITS <= 2; });
  if (state.UNITS == 0) return stop(channels);
  ask_level_and_waveguide(state, channels);
  ask_shape_and_beamwidths(state, channels);
  write_design_heading(state, channels);

  while (phase_deviation_table(state, channels) == TableOutcome::Tabulated)
    frequency_response(state, channels);
  stop(channels);
}

}  // namespace tarniq::run
