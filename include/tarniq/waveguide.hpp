// Rectangular feed waveguides: sizes, cutoff frequencies and the EIA standard catalogue.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarniq {

// Inner size of a rectangular waveguide, metres: width (the broad wall, in the
// horn's H plane) and height (in its E plane). The name is empty for a custom
// size.
struct Waveguide {
  double width = 0.0;
  double height = 0.0;
  std::string name;
};

// Cutoff frequencies, hertz: TE10 = c/(2·width), TE20 = c/width.
// Throw InvalidArgument unless width and height are positive and finite.
double te10_cutoff(const Waveguide& guide);
double te20_cutoff(const Waveguide& guide);

// One row of the catalogue: inner size in metres (the standard gives inches),
// and the recommended operating band in hertz.
struct StandardWaveguide {
  std::string_view name;  // "WR-90"
  double width;
  double height;
  double band_low;
  double band_high;
};

// The EIA rectangular waveguides from WR-2300 to WR-10, largest first.
std::span<const StandardWaveguide> standard_waveguides();

// The catalogue row of a name: "WR-90", "WR90", "wr-90" and " WR 90 " all
// find WR-90 (case ignored, one '-' or blanks after WR, blanks around).
// Throws InvalidArgument naming the text when no guide has that name.
const StandardWaveguide& find_waveguide(std::string_view name);

// The guides whose recommended band holds the frequency (hertz), band ends
// included, largest first.
std::vector<StandardWaveguide> waveguides_for_frequency(double frequency_hz);

// The catalogue row as a feed, carrying its name.
Waveguide to_waveguide(const StandardWaveguide& guide);

// The catalogue row whose name the feed carries, if any.
std::optional<StandardWaveguide> catalogue_entry(const Waveguide& guide);

}  // namespace tarniq
