// The EIA rectangular waveguide catalogue, the cutoff frequencies of a guide and lookup by name.
#include "tarniq/waveguide.hpp"

#include <array>
#include <cctype>
#include <cstdint>

#include "checks.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"
#include "waveguide_band.hpp"

namespace tarniq {
namespace {

// One catalogue row as the standard gives it: inches and gigahertz.
struct CatalogueRow {
  std::string_view name;
  double width_in;
  double height_in;
  double band_low_ghz;
  double band_high_ghz;
};

// EIA rectangular waveguides, largest first. Columns: designation, inner
// width (broad wall) and inner height in inches, recommended operating band
// (lowest and highest frequency) in GHz. Sizes from EIA RS-261-B; bands as in
// the cross-reference tables that list the RCSC (WG) and IEC (R) names
// beside the EIA ones, checked row by row against a second published table.
// Tables in circulation disagree on the band edges of the large guides (one
// gives WR-650 1.12 to 1.70 GHz) and one widely copied table has a wrong
// WR-159 width; WR-159 is 1.590 by 0.795 in. The TE10 cutoff c/(2·width) is
// computed from the width, not stored.
constexpr std::array<CatalogueRow, 29> kCatalogue = {{
    //  name       width   height   band low  band high
    {"WR-2300", 23.000, 11.500, 0.32, 0.45},
    {"WR-2100", 21.000, 10.500, 0.35, 0.50},
    {"WR-1800", 18.000, 9.000, 0.45, 0.63},
    {"WR-1500", 15.000, 7.500, 0.50, 0.75},
    {"WR-1150", 11.500, 5.750, 0.63, 0.97},
    {"WR-975", 9.750, 4.875, 0.75, 1.15},
    {"WR-770", 7.700, 3.850, 0.97, 1.45},
    {"WR-650", 6.500, 3.250, 1.15, 1.72},
    {"WR-510", 5.100, 2.550, 1.45, 2.20},
    {"WR-430", 4.300, 2.150, 1.72, 2.60},
    {"WR-340", 3.400, 1.700, 2.20, 3.30},
    {"WR-284", 2.840, 1.340, 2.60, 3.95},
    {"WR-229", 2.290, 1.145, 3.30, 4.90},
    {"WR-187", 1.872, 0.872, 3.95, 5.85},
    {"WR-159", 1.590, 0.795, 4.90, 7.05},
    {"WR-137", 1.372, 0.622, 5.85, 8.20},
    {"WR-112", 1.122, 0.497, 7.05, 10.00},
    {"WR-90", 0.900, 0.400, 8.20, 12.40},
    {"WR-75", 0.750, 0.375, 10.00, 15.00},
    {"WR-62", 0.622, 0.311, 12.40, 18.00},
    {"WR-51", 0.510, 0.255, 15.00, 22.00},
    {"WR-42", 0.420, 0.170, 18.00, 26.50},
    {"WR-34", 0.340, 0.170, 22.00, 33.00},
    {"WR-28", 0.280, 0.140, 26.50, 40.00},
    {"WR-22", 0.224, 0.112, 33.00, 50.00},
    {"WR-19", 0.188, 0.094, 40.00, 60.00},
    {"WR-15", 0.148, 0.074, 50.00, 75.00},
    {"WR-12", 0.122, 0.061, 60.00, 90.00},
    {"WR-10", 0.100, 0.050, 75.00, 110.00},
}};
static_assert(kCatalogue.size() == 29);

// Gigahertz to hertz, rounded to the whole hertz that the band edge is.
constexpr double hertz(double ghz) {
  return static_cast<double>(static_cast<std::int64_t>(ghz * hertz_per_gigahertz + 0.5));
}

constexpr std::array<StandardWaveguide, kCatalogue.size()> in_si_units() {
  std::array<StandardWaveguide, kCatalogue.size()> rows{};
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
    const CatalogueRow& r = kCatalogue[i];
    rows[i] = {r.name, r.width_in * metres_per_inch, r.height_in * metres_per_inch,
               hertz(r.band_low_ghz), hertz(r.band_high_ghz)};
  }
  return rows;
}

constexpr std::array<StandardWaveguide, kCatalogue.size()> kStandardWaveguides = in_si_units();

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The number of a designation written "WR-90", "WR90", "wr 90" or " WR-90 "
// (case ignored, one '-' or blanks between the letters and the number,
// blanks around), or empty when the text is not of that form.
std::string_view designation_number(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  if (text.size() < 3 || (text[0] != 'W' && text[0] != 'w') || (text[1] != 'R' && text[1] != 'r'))
    return {};
  text.remove_prefix(2);
  if (!text.empty() && text.front() == '-') {
    text.remove_prefix(1);
  } else {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  }
  if (text.empty()) return {};
  for (const char c : text)
    if (!is_digit(c)) return {};
  return text;
}

const StandardWaveguide* lookup(std::string_view name) {
  const std::string_view number = designation_number(name);
  if (number.empty()) return nullptr;
  for (const StandardWaveguide& guide : kStandardWaveguides)
    if (guide.name.substr(3) == number) return &guide;
  return nullptr;
}

// The name as a message shows it: quoted, at most 40 characters, anything
// unprintable as '?', so that any text a user typed can be echoed safely.
std::string quoted(std::string_view text) {
  constexpr std::size_t kMaxShown = 40;
  std::string shown = "\"";
  for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    shown += std::isprint(c) != 0 ? static_cast<char>(c) : '?';
  }
  if (text.size() > kMaxShown) shown += "...";
  return shown + "\"";
}

}  // namespace

double te10_cutoff(const Waveguide& guide) {
  detail::require_positive(guide.width, "waveguide width", "m");
  detail::require_positive(guide.height, "waveguide height", "m");
  return speed_of_light / (2.0 * guide.width);
}

double te20_cutoff(const Waveguide& guide) {
  detail::require_positive(guide.width, "waveguide width", "m");
  detail::require_positive(guide.height, "waveguide height", "m");
  return speed_of_light / guide.width;
}

std::span<const StandardWaveguide> standard_waveguides() { return kStandardWaveguides; }

const StandardWaveguide& find_waveguide(std::string_view name) {
  if (const StandardWaveguide* guide = lookup(name)) return *guide;
  throw InvalidArgument("unknown waveguide " + quoted(name) +
                        ": the catalogue runs from WR-2300 to WR-10, written like WR-90");
}

std::vector<StandardWaveguide> waveguides_for_frequency(double frequency_hz) {
  detail::require_positive(frequency_hz, "frequency", "Hz");
  std::vector<StandardWaveguide> guides;
  for (const StandardWaveguide& guide : kStandardWaveguides)
    if (detail::in_band(guide, frequency_hz)) guides.push_back(guide);
  return guides;
}

Waveguide to_waveguide(const StandardWaveguide& guide) {
  detail::require_positive(guide.width, "waveguide width", "m");
  detail::require_positive(guide.height, "waveguide height", "m");
  return {guide.width, guide.height, std::string(guide.name)};
}

std::optional<StandardWaveguide> catalogue_entry(const Waveguide& guide) {
  if (const StandardWaveguide* row = lookup(guide.name)) return *row;
  return std::nullopt;
}

}  // namespace tarniq
