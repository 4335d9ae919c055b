// The standard rectangular waveguide catalogue, the mode cutoffs of a guide and lookup by name.
#include "tarniq/waveguide.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "checks.hpp"
#include "message_text.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"
#include "waveguide_band.hpp"

namespace tarniq {
namespace {

// One catalogue row as the standards give it: names, inches and gigahertz.
struct CatalogueRow {
  WaveguideNames names;
  double width_in;
  double height_in;
  double band_low_ghz;
  double band_high_ghz;
};

// EIA rectangular waveguides, largest first. Columns: EIA, IEC and British
// (RCSC) designations, inner width (broad wall) and inner height in inches,
// recommended operating band (lowest and highest frequency) in GHz. Sizes
// from EIA RS-261-B; bands and the IEC and RCSC names as in the
// cross-reference tables that list them beside the EIA ones, checked row by
// row against a second published table. Tables in circulation disagree on
// the band edges of the large guides (one gives WR-650 1.12 to 1.70 GHz) and
// one widely copied table has a wrong WR-159 width; WR-159 is 1.590 by 0.795
// in. The TE10 cutoff c/(2·width) is computed from the width, not stored.
constexpr std::array<CatalogueRow, 29> kCatalogue = {{
    //  EIA         IEC      British    width   height   band low  band high
    {{"WR-2300", "R3", "WG00"}, 23.000, 11.500, 0.32, 0.45},
    {{"WR-2100", "R4", "WG0"}, 21.000, 10.500, 0.35, 0.50},
    {{"WR-1800", "R5", "WG1"}, 18.000, 9.000, 0.45, 0.63},
    {{"WR-1500", "R6", "WG2"}, 15.000, 7.500, 0.50, 0.75},
    {{"WR-1150", "R8", "WG3"}, 11.500, 5.750, 0.63, 0.97},
    {{"WR-975", "R9", "WG4"}, 9.750, 4.875, 0.75, 1.15},
    {{"WR-770", "R12", "WG5"}, 7.700, 3.850, 0.97, 1.45},
    {{"WR-650", "R14", "WG6"}, 6.500, 3.250, 1.15, 1.72},
    {{"WR-510", "R18", "WG7"}, 5.100, 2.550, 1.45, 2.20},
    {{"WR-430", "R22", "WG8"}, 4.300, 2.150, 1.72, 2.60},
    {{"WR-340", "R26", "WG9A"}, 3.400, 1.700, 2.20, 3.30},
    {{"WR-284", "R32", "WG10"}, 2.840, 1.340, 2.60, 3.95},
    {{"WR-229", "R40", "WG11A"}, 2.290, 1.145, 3.30, 4.90},
    {{"WR-187", "R48", "WG12"}, 1.872, 0.872, 3.95, 5.85},
    {{"WR-159", "R58", "WG13"}, 1.590, 0.795, 4.90, 7.05},
    {{"WR-137", "R70", "WG14"}, 1.372, 0.622, 5.85, 8.20},
    {{"WR-112", "R84", "WG15"}, 1.122, 0.497, 7.05, 10.00},
    {{"WR-90", "R100", "WG16"}, 0.900, 0.400, 8.20, 12.40},
    {{"WR-75", "R120", "WG17"}, 0.750, 0.375, 10.00, 15.00},
    {{"WR-62", "R140", "WG18"}, 0.622, 0.311, 12.40, 18.00},
    {{"WR-51", "R180", "WG19"}, 0.510, 0.255, 15.00, 22.00},
    {{"WR-42", "R220", "WG20"}, 0.420, 0.170, 18.00, 26.50},
    {{"WR-34", "R260", "WG21"}, 0.340, 0.170, 22.00, 33.00},
    {{"WR-28", "R320", "WG22"}, 0.280, 0.140, 26.50, 40.00},
    {{"WR-22", "R400", "WG23"}, 0.224, 0.112, 33.00, 50.00},
    {{"WR-19", "R500", "WG24"}, 0.188, 0.094, 40.00, 60.00},
    {{"WR-15", "R620", "WG25"}, 0.148, 0.074, 50.00, 75.00},
    {{"WR-12", "R740", "WG26"}, 0.122, 0.061, 60.00, 90.00},
    {{"WR-10", "R900", "WG27"}, 0.100, 0.050, 75.00, 110.00},
}};
static_assert(kCatalogue.size() == 29);

// Relative difference of width and height up to which a guide counts as square.
constexpr double kSquareTolerance = 1e-9;

// Gigahertz to hertz, rounded to the whole hertz that the band edge is.
constexpr double hertz(double ghz) {
  return static_cast<double>(static_cast<std::int64_t>(ghz * hertz_per_gigahertz + 0.5));
}

Waveguide in_si_units(const CatalogueRow& r) {
  return {r.width_in * metres_per_inch, r.height_in * metres_per_inch, std::string(r.names.eia),
          FrequencyBand{hertz(r.band_low_ghz), hertz(r.band_high_ghz)}};
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A designation in one form for comparison: the letters before the number
// upper-cased, then the rest as written (a trailing letter upper-cased:
// "WG9A"), after blanks around are trimmed and one '-' or blanks between the
// letters and the number are dropped. Empty when the text has no such form.
std::string normal_form(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  std::string form;
  while (!text.empty() && is_letter(text.front())) {
    form += upper(text.front());
    text.remove_prefix(1);
  }
  if (form.empty()) return {};
  if (!text.empty() && text.front() == '-') {
    text.remove_prefix(1);
  } else {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  }
  if (text.empty() || !(text.front() >= '0' && text.front() <= '9')) return {};
  for (const char c : text) form += upper(c);
  return form;
}

const CatalogueRow* lookup(std::string_view name) {
  const std::string form = normal_form(name);
  if (form.empty()) return nullptr;
  for (const CatalogueRow& row : kCatalogue)
    for (const std::string_view known : {row.names.eia, row.names.iec, row.names.british})
      if (normal_form(known) == form) return &row;
  return nullptr;
}

}  // namespace

double te10_cutoff(const Waveguide& guide) {
  detail::check_waveguide(guide);
  return speed_of_light / (2.0 * guide.width);
}

double te20_cutoff(const Waveguide& guide) {
  detail::check_waveguide(guide);
  return speed_of_light / guide.width;
}

double te01_cutoff(const Waveguide& guide) {
  detail::check_waveguide(guide);
  return speed_of_light / (2.0 * guide.height);
}

double te11_cutoff(const Waveguide& guide) {
  detail::check_waveguide(guide);
  return speed_of_light / 2.0 * std::hypot(1.0 / guide.width, 1.0 / guide.height);
}

bool is_square(const Waveguide& guide) {
  return std::abs(guide.width - guide.height) <= kSquareTolerance * std::max(guide.width, guide.height);
}

WaveguideMode lowest_higher_mode(const Waveguide& guide) {
  WaveguideMode lowest{"TE20", te20_cutoff(guide)};
  if (!is_square(guide) && te01_cutoff(guide) < lowest.cutoff_hz) lowest = {"TE01", te01_cutoff(guide)};
  if (te11_cutoff(guide) < lowest.cutoff_hz) lowest = {"TE11", te11_cutoff(guide)};
  return lowest;
}

std::span<const Waveguide> standard_waveguides() {
  static const std::vector<Waveguide> guides = [] {
    std::vector<Waveguide> all;
    for (const CatalogueRow& row : kCatalogue) all.push_back(in_si_units(row));
    return all;
  }();
  return guides;
}

Waveguide find_waveguide(std::string_view name) {
  if (const CatalogueRow* row = lookup(name)) return in_si_units(*row);
  throw InvalidArgument("unknown waveguide " + detail::quoted(name) +
                        ": the catalogue runs from WR-2300 to WR-10, written like WR-90, R100 or WG16");
}

std::optional<WaveguideNames> waveguide_names(const Waveguide& guide) {
  if (const CatalogueRow* row = lookup(guide.name)) return row->names;
  return std::nullopt;
}

std::optional<Waveguide> catalogue_entry(const Waveguide& guide) {
  if (const CatalogueRow* row = lookup(guide.name)) return in_si_units(*row);
  return std::nullopt;
}

std::vector<Waveguide> waveguides_for_frequency(double frequency_hz) {
  detail::require_positive(frequency_hz, "frequency", "Hz");
  std::vector<Waveguide> guides;
  for (const Waveguide& guide : standard_waveguides())
    if (detail::in_band(*guide.band, frequency_hz)) guides.push_back(guide);
  return guides;
}

}  // namespace tarniq
