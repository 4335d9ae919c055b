// Rectangular feed waveguides: sizes, mode cutoffs and the standard catalogue with its three naming systems.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarniq {

// A recommended operating band, hertz, ends included.
struct FrequencyBand {
  double low = 0.0;
  double high = 0.0;
};

// Inner size of a rectangular waveguide, metres: width (the broad wall, in the
// horn's H plane) and height (in its E plane). A catalogue guide carries its
// EIA name and its recommended band; a custom size has neither.
struct Waveguide {
  double width = 0.0;
  double height = 0.0;
  std::string name;
  std::optional<FrequencyBand> band = std::nullopt;
};

// Cutoff frequencies, hertz: TE10 = c/(2·width), TE20 = c/width,
// TE01 = c/(2·height), TE11 = (c/2)·√(1/width² + 1/height²).
// Throw InvalidArgument unless width and height are positive and finite.
[[nodiscard]] double te10_cutoff(const Waveguide& guide);
[[nodiscard]] double te20_cutoff(const Waveguide& guide);
[[nodiscard]] double te01_cutoff(const Waveguide& guide);
[[nodiscard]] double te11_cutoff(const Waveguide& guide);

// The lowest mode above the fundamental TE10 that can carry power, and its
// cutoff: the lowest of TE20, TE01 and TE11 (TE20 on a tie). On a square
// guide TE01 is the fundamental's other polarisation, with TE10's cutoff,
// and is not counted: the next mode is TE11.
struct WaveguideMode {
  std::string_view name;  // "TE20", "TE01" or "TE11"
  double cutoff_hz;
};
[[nodiscard]] WaveguideMode lowest_higher_mode(const Waveguide& guide);

// Whether width and height are equal (to a relative 1e-9).
[[nodiscard]] bool is_square(const Waveguide& guide);

// The names of a catalogue guide: EIA ("WR-90"), IEC ("R100") and British
// RCSC ("WG16").
struct WaveguideNames {
  std::string_view eia;
  std::string_view iec;
  std::string_view british;
};

// The EIA rectangular waveguides from WR-2300 to WR-10, largest first, each
// with its EIA name and band.
[[nodiscard]] std::span<const Waveguide> standard_waveguides();

// The catalogue guide of a name in any of its three systems: "WR-90", "WR90",
// "wr 90", "R100", "R 100", "WG16", "wg-16" all find WR-90 (case ignored,
// blanks around and one '-' or blanks after the letters). Throws
// InvalidArgument naming the text when no guide has that name.
[[nodiscard]] Waveguide find_waveguide(std::string_view name);

// The three names of the catalogue guide whose name (in any system) the
// guide carries; empty for a custom size.
[[nodiscard]] std::optional<WaveguideNames> waveguide_names(const Waveguide& guide);

// The catalogue guide whose name the feed carries, with its band; empty for
// a custom size.
[[nodiscard]] std::optional<Waveguide> catalogue_entry(const Waveguide& guide);

// The guides whose recommended band holds the frequency (hertz), band ends
// included, largest first.
[[nodiscard]] std::vector<Waveguide> waveguides_for_frequency(double frequency_hz);

}  // namespace tarniq
