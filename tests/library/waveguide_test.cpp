// Tests of the waveguide catalogue: its rows against published values, the lookup by name and by frequency.
#include "tarniq/waveguide.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <optional>
#include <random>
#include <set>
#include <string>

#include "tarniq/errors.hpp"
#include "tarniq/units.hpp"

namespace tarniq {
namespace {

constexpr double kGHz = hertz_per_gigahertz;

// Every row is a single-mode guide: its band lies above the TE10 cutoff and
// below the TE20 one, its height is at most half its width (so TE01 comes no
// earlier than TE20), names are unique and the guides run largest first. A
// transposed digit in a size or band edge breaks one of these.
TEST(WaveguideCatalogue, EveryRowIsASingleModeGuide) {
  const auto guides = standard_waveguides();
  ASSERT_EQ(guides.size(), 29u);
  EXPECT_EQ(guides.front().name, "WR-2300");
  EXPECT_EQ(guides.back().name, "WR-10");
  std::set<std::string_view> names;
  double previous_width = 1.0;
  for (const Waveguide& g : guides) {
    SCOPED_TRACE(g.name);
    ASSERT_TRUE(g.band);
    EXPECT_GT(g.band->low, te10_cutoff(g));
    EXPECT_LT(g.band->low, g.band->high);
    EXPECT_LT(g.band->high, te20_cutoff(g));
    EXPECT_LE(g.height, g.width / 2.0 + 1e-12);
    EXPECT_LT(g.width, previous_width);
    // The designation is the width in hundredths of an inch, rounded or cut (WR-22 is 0.224 in).
    EXPECT_NEAR(g.width / metres_per_inch * 100.0, std::stod(g.name.substr(3)), 0.5);
    EXPECT_TRUE(names.insert(g.name).second);
    previous_width = g.width;
  }
}

// The recommended bands sit where single-mode guides are used, from about
// 1.25 to 1.9 times the TE10 cutoff (1.23 to 1.37 and 1.75 to 1.92 across
// the catalogue), and they interleave: from the third guide on, each band
// begins where the band of the guide two sizes larger ends (WR-90's 8.2 GHz
// is WR-137's top). A wrong band edge breaks one of these or both.
TEST(WaveguideCatalogue, BandsFollowTheCutoffAndInterleave) {
  const auto guides = standard_waveguides();
  for (std::size_t i = 0; i < guides.size(); ++i) {
    const Waveguide& g = guides[i];
    SCOPED_TRACE(g.name);
    const double cutoff = te10_cutoff(g);
    EXPECT_GE(g.band->low / cutoff, 1.22);
    EXPECT_LE(g.band->low / cutoff, 1.38);
    EXPECT_GE(g.band->high / cutoff, 1.75);
    EXPECT_LE(g.band->high / cutoff, 1.93);
    if (i >= 2) {
      EXPECT_EQ(g.band->low, guides[i - 2].band->high) << "ends " << guides[i - 2].name;
    }
  }
}

// Spot checks against published tables: inner size in inches, the TE10
// cutoff they print (computed here from the width) within 0.1 %, the band.
TEST(WaveguideCatalogue, MatchesPublishedValues) {
  struct Row { const char* name; double width_in, height_in, cutoff_ghz, low_ghz, high_ghz; };
  const Row rows[] = {
      {"WR-2300", 23.0, 11.5, 0.2566, 0.32, 0.45},  {"WR-284", 2.84, 1.34, 2.078, 2.60, 3.95},
      {"WR-159", 1.590, 0.795, 3.712, 4.90, 7.05},  {"WR-137", 1.372, 0.622, 4.301, 5.85, 8.20},
      {"WR-112", 1.122, 0.497, 5.260, 7.05, 10.0},  {"WR-90", 0.900, 0.400, 6.557, 8.20, 12.4},
      {"WR-42", 0.420, 0.170, 14.05, 18.0, 26.5},   {"WR-28", 0.280, 0.140, 21.08, 26.5, 40.0},
      {"WR-10", 0.100, 0.050, 59.01, 75.0, 110.0},  {"WR-650", 6.500, 3.250, 0.908, 1.15, 1.72},
      {"WR-430", 4.300, 2.150, 1.372, 1.72, 2.60},  {"WR-187", 1.872, 0.872, 3.153, 3.95, 5.85},
      {"WR-62", 0.622, 0.311, 9.488, 12.4, 18.0},   {"WR-15", 0.148, 0.074, 39.87, 50.0, 75.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const Waveguide g = find_waveguide(r.name);
    EXPECT_DOUBLE_EQ(g.width, r.width_in * metres_per_inch);
    EXPECT_DOUBLE_EQ(g.height, r.height_in * metres_per_inch);
    EXPECT_NEAR(te10_cutoff(g) / kGHz, r.cutoff_ghz, 1e-3 * r.cutoff_ghz);
    EXPECT_NEAR(g.band->low / kGHz, r.low_ghz, 1e-12);
    EXPECT_NEAR(g.band->high / kGHz, r.high_ghz, 1e-12);
  }
  const Waveguide wr90 = find_waveguide("WR-90");
  EXPECT_EQ(wr90.width, 0.02286);
  EXPECT_EQ(te20_cutoff(wr90), 2.0 * te10_cutoff(wr90));
}

// A name is found however it is written, within reason, in each of its
// three systems: case, an optional '-' or blanks after the letters, blanks
// around. Anything else is refused, naming it.
TEST(WaveguideCatalogue, FindsNamesAsEngineersWriteThem) {
  const std::string kCatalogueHint =
      "\": the catalogue runs from WR-2300 to WR-10, written like WR-90, R100 or WG16";
  for (const char* name : {"WR-90", "WR90", "wr-90", "Wr 90", " wr 90 ", "\tWR-90", "R100", "r 100", "WG16",
                           "wg-16"})
    EXPECT_EQ(find_waveguide(name).name, "WR-90") << '"' << name << '"';
  EXPECT_EQ(find_waveguide("wr2300").name, "WR-2300");
  EXPECT_EQ(find_waveguide("WG00").name, "WR-2300");
  EXPECT_EQ(find_waveguide("wg9a").name, "WR-340");
  EXPECT_EQ(find_waveguide("R900").name, "WR-10");
  const char* refused[] = {"WR-91", "WR--90", "WR-",  "WR",  "",       "90",  "WR-90x",
                           "WR9 0", "WR-9",   "WG9",  "R10", "WR-102", "G16", "RW90"};
  for (const char* name : refused) {
    try {
      (void)find_waveguide(name);
      ADD_FAILURE() << "found \"" << name << '"';
    } catch (const InvalidArgument& e) {
      EXPECT_EQ(std::string(e.what()), "unknown waveguide \"" + std::string(name) + kCatalogueHint);
    }
  }
  // Unprintable bytes and long texts are echoed safely.
  try {
    (void)find_waveguide(std::string("W\0R\n", 4) + std::string(60, 'x'));
    ADD_FAILURE();
  } catch (const InvalidArgument& e) {
    EXPECT_EQ(std::string(e.what()),
              "unknown waveguide \"W?R?" + std::string(36, 'x') + "..." + kCatalogueHint);
  }
}

// Any text at all is either a catalogue name, and the feed that carries it
// is that guide, or refused as unknown (fixed seed; the command line's
// fuzzing reaches the lookup through its option parser too).
TEST(WaveguideCatalogue, AnyTextIsFoundOrRefused) {
  constexpr char kAlphabet[] = "WwRr- \t0123456789x\x01\xff";
  std::mt19937 random(20240607);
  std::uniform_int_distribution<std::size_t> length(0, 5), letter(0, sizeof kAlphabet - 1);
  int found = 0;
  for (int i = 0; i < 5000; ++i) {
    std::string text = i % 2 == 0 ? "wR" : "";  // half of them look like a name
    for (std::size_t n = length(random); n > 0; --n) text += kAlphabet[letter(random)];
    const std::optional<Waveguide> entry = catalogue_entry(Waveguide{0.01, 0.005, text});
    try {
      const Waveguide guide = find_waveguide(text);
      ASSERT_TRUE(entry) << text;
      EXPECT_EQ(entry->name, guide.name);
      ++found;
    } catch (const InvalidArgument& e) {
      EXPECT_FALSE(entry) << text;
      EXPECT_EQ(std::string(e.what()).rfind("unknown waveguide \"", 0), 0u);
    }
  }
  EXPECT_GT(found, 0);
}

// The guides for a frequency are those whose band holds it, ends included.
TEST(WaveguideCatalogue, GuidesForAFrequency) {
  struct Row { double ghz; std::vector<std::string> names; };
  const Row rows[] = {
      {10.0, {"WR-112", "WR-90", "WR-75"}},
      {8.2, {"WR-137", "WR-112", "WR-90"}},
      {12.4, {"WR-90", "WR-75", "WR-62"}},
      {0.32, {"WR-2300"}},
      {0.3, {}},
      {110.0, {"WR-10"}},
      {111.0, {}},
  };
  for (const Row& r : rows) {
    std::vector<std::string> names;
    for (const Waveguide& g : waveguides_for_frequency(r.ghz * kGHz)) names.push_back(g.name);
    EXPECT_EQ(names, r.names) << r.ghz << " GHz";
  }
}

// A feed is a catalogue guide when its name is one, however written.
TEST(WaveguideCatalogue, EntryOfAFeed) {
  EXPECT_EQ(catalogue_entry(Waveguide{0.02286, 0.01016, "WR90"})->name, "WR-90");
  EXPECT_FALSE(catalogue_entry(Waveguide{0.02286, 0.01016, ""}));
  EXPECT_FALSE(catalogue_entry(Waveguide{0.02286, 0.01016, "my guide"}));
}

// The lowest mode above TE10: TE20 for a guide twice as wide as high (TE01
// ties and TE20 is named), TE01 for a tall one, TE11 for a square one (whose
// TE01 is the fundamental's other polarisation), each at its cutoff.
TEST(WaveguideModes, LowestHigherMode) {
  const double c = speed_of_light;
  const struct {
    Waveguide guide;
    std::string_view name;
    double cutoff;
  } cases[] = {
      {{0.02286, 0.01016, ""}, "TE20", c / 0.02286},
      {{0.02, 0.01, ""}, "TE20", c / 0.02},
      {{0.02, 0.015, ""}, "TE01", c / 0.03},
      {{0.02, 0.02, ""}, "TE11", c / 2.0 * std::sqrt(2.0) / 0.02},
      {{0.02, 0.004, ""}, "TE20", c / 0.02},
  };
  for (const auto& k : cases) {
    const WaveguideMode mode = lowest_higher_mode(k.guide);
    EXPECT_EQ(mode.name, k.name) << k.guide.width << " by " << k.guide.height;
    EXPECT_NEAR(mode.cutoff_hz, k.cutoff, 1e-9 * k.cutoff);
    EXPECT_GT(mode.cutoff_hz, te10_cutoff(k.guide));
  }
  EXPECT_TRUE(is_square(Waveguide{0.02, 0.02 * (1.0 + 1e-12), ""}));
  EXPECT_FALSE(is_square(Waveguide{0.02, 0.0201, ""}));
}

}  // namespace
}  // namespace tarniq
