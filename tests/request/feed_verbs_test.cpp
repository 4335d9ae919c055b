// The feed verbs through the request layer against the library's numbers, and every bad pattern file refused.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

#include "request/request.hpp"
#include "support/readers.hpp"
#include "tarniq/tarniq.hpp"

namespace tarniq::request {
namespace {

const Waveguide wr90 = find_waveguide("WR-90");
const Horn horn = make_horn(0.11, 0.08, 0.20, wr90);
const Options horn_options{{"aperture", "11,8"}, {"length", "20"}, {"waveguide", "WR-90"}};

// A request's rows as read back from its CSV: column name to number (empty: none).
using Rows = std::vector<std::map<std::string, std::optional<double>>>;

Rows csv_rows(const Outcome& outcome) {
  Rows rows;
  const auto records = testing::read_csv(format_csv(outcome.result));
  for (std::size_t r = 1; r < records.size(); ++r) {
    auto& row = rows.emplace_back();
    for (std::size_t c = 0; c < records[0].size(); ++c) {
      if (records[0][c] == "s_plane") continue;
      row[records[0][c]] = records[r][c].empty() ? std::nullopt : std::optional<double>(std::stod(records[r][c]));
    }
  }
  return rows;
}

Outcome run(std::string_view verb, Options options, const Settings& settings = {}) {
  const Outcome outcome = run_request(verb, options, settings);
  EXPECT_EQ(outcome.status, Status::ok) << outcome.error;
  return outcome;
}

Options with_horn(Options extra) {
  Options all = horn_options;
  all.insert(extra.begin(), extra.end());
  return all;
}

// Files a test request may name.
Settings files(std::map<std::string, std::string> contents) {
  return {100000, [contents](const std::string& path) -> FileText {
            const auto found = contents.find(path);
            if (found == contents.end()) return {std::nullopt, "No such file or directory"};
            return {found->second, {}};
          }};
}

// Each verb's numbers are the library's: the field grid and a --phi cut,
// the phase centres, the dish rows, and the gain at a distance.
TEST(FeedVerbs, RowsAreTheLibrarysValues) {
  const Rows grid = csv_rows(run("field", with_horn({{"frequency", "10"}, {"theta", "0:60:20"}, {"phi", "0:90:45"}})));
  ASSERT_EQ(grid.size(), 12u);
  for (const auto& row : grid) {
    const FarField f = far_field(horn, 10e9, *row.at("theta_deg"), *row.at("phi_deg"));
    EXPECT_NEAR(*row.at("co_dbi"), 10.0 * std::log10(std::norm(f.co)), 1e-9);
    EXPECT_NEAR(*row.at("co_phase_deg"), std::arg(f.co) * 180.0 / 3.14159265358979323846, 1e-9);
    EXPECT_FALSE(row.at("cross_dbi").has_value());  // the model has none
  }
  // --phi 0 is the H-plane cut of plain pattern.
  const Rows plain = csv_rows(run("pattern", with_horn({{"frequency", "10"}, {"angles", "-60:60:15"}})));
  const Rows at_zero = csv_rows(run("pattern", with_horn({{"frequency", "10"}, {"angles", "-60:60:15"}, {"phi", "0"}})));
  ASSERT_EQ(plain.size(), at_zero.size());
  for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_NEAR(*at_zero[i].at("co_dbi"), *plain[i].at("h_plane_dbi"), 1e-9);

  const Options in_mm{{"aperture", "110,80"}, {"length", "200"}, {"waveguide", "WR-90"}, {"frequency", "8:12:2"},
                      {"units", "mm"}};
  for (const auto& row : csv_rows(run("phase-center", in_mm))) {
    const PhaseCenter c = phase_center(horn, *row.at("frequency_ghz") * 1e9);
    EXPECT_DOUBLE_EQ(*row.at("e_phase_center_mm"), c.e_plane * 1000.0);
    EXPECT_DOUBLE_EQ(*row.at("h_phase_center_mm"), c.h_plane * 1000.0);
    EXPECT_DOUBLE_EQ(*row.at("phase_center_mm"), c.common * 1000.0);
  }

  const Rows dish = csv_rows(run("dish", with_horn({{"frequency", "10"}, {"f-over-d", "0.4:0.6:0.1"}, {"offset", "0.5"}})));
  const std::vector<double> edges = {dish_edge_angle_deg(0.4), dish_edge_angle_deg(0.5), dish_edge_angle_deg(0.6)};
  const std::vector<DishIllumination> expected = dish_illumination(horn, 10e9, edges, {0.005});
  ASSERT_EQ(dish.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(*dish[i].at("f_over_d"), 0.4 + 0.1 * static_cast<double>(i));
    EXPECT_DOUBLE_EQ(*dish[i].at("edge_angle_deg"), expected[i].edge_angle_deg);
    EXPECT_DOUBLE_EQ(*dish[i].at("e_edge_taper_db"), expected[i].e_edge_taper_db);
    EXPECT_DOUBLE_EQ(*dish[i].at("space_loss_db"), expected[i].space_loss_db);
    EXPECT_DOUBLE_EQ(*dish[i].at("phase_efficiency"), expected[i].phase);
    EXPECT_DOUBLE_EQ(*dish[i].at("aperture_efficiency"), expected[i].aperture);
  }

  const Rows far = csv_rows(run("analyze", with_horn({{"frequency", "9:11:1"}, {"distance", "150"}})));
  for (const auto& row : far)
    EXPECT_DOUBLE_EQ(*row.at("gain_at_distance_dbi"), gain_at_distance_dbi(horn, *row.at("frequency_ghz") * 1e9, 1.5));
}

// A feed design's row: the design at the edge taper, its efficiencies and
// phase centre; with --s one row per S at 10 dB.
TEST(FeedVerbs, FeedDesignRowsAreTheLibrarysDesigns) {
  const Rows rows = csv_rows(run("feed-design", {{"f-over-d", "0.5"}, {"frequency", "10"}, {"waveguide", "WR-90"},
                                                 {"s", "0.05:0.1:0.05"}}));
  ASSERT_EQ(rows.size(), 2u);
  for (const auto& row : rows) {
    const FeedDesign feed = design_feed({dish_edge_angle_deg(0.5), 10.0, *row.at("s"), 10e9, wr90});
    EXPECT_DOUBLE_EQ(*row.at("aperture_width_cm"), feed.design.horn.aperture_width * 100.0);
    EXPECT_DOUBLE_EQ(*row.at("edge_taper_db"), 10.0);
    EXPECT_DOUBLE_EQ(*row.at("aperture_efficiency"), feed.dish.aperture);
    EXPECT_DOUBLE_EQ(*row.at("taper_efficiency"), feed.dish.taper);
    EXPECT_DOUBLE_EQ(*row.at("phase_center_cm"), feed.phase_center.common * 100.0);
    EXPECT_NEAR(*row.at("e_beamwidth_deg"), 2.0 * dish_edge_angle_deg(0.5), 0.01);
  }
}

// A pattern file as tarniq-cli writes it is a feed; the dish it lights is
// the library's for that tabulated feed.
TEST(FeedVerbs, PatternFileFeedsTheDish) {
  const Outcome cuts = run("pattern", with_horn({{"frequency", "10"}, {"angles", "-180:180:0.5"}, {"format", "csv"}}));
  const Settings settings = files({{"feed.csv", format_csv(cuts.result)}});
  const Rows rows = csv_rows(run("dish", {{"f-over-d", "0.8"}, {"pattern-file", "feed.csv"}}, settings));
  TabulatedFeed feed;
  for (int i = -360; i <= 360; ++i) {
    const double angle = i * 0.5;
    const PatternCuts one = pattern_cuts(horn, 10e9, std::vector<double>{angle});
    feed.angles_deg.push_back(angle);
    feed.e_plane_db.push_back(one.e_plane_dbi[0]);
    feed.h_plane_db.push_back(one.h_plane_dbi[0]);
  }
  const double edge = dish_edge_angle_deg(0.8);
  const DishIllumination expected = dish_illumination(feed, {&edge, 1}).front();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NEAR(*rows[0].at("aperture_efficiency"), expected.aperture, 1e-12);
  EXPECT_NEAR(*rows[0].at("polarization_efficiency"), expected.polarization, 1e-12);
  EXPECT_LT(*rows[0].at("polarization_efficiency"), 1.0);  // unequal cuts: some cross-polar power
}

// Every bad pattern file is a usage error about --pattern-file naming the
// file, the line and, where one field is at fault, the column.
TEST(FeedVerbs, BadPatternFilesAreRefused) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", "line 1: is empty: a pattern file starts with a header line"},
      {"angle_deg,e_plane_dbi\r\n0,1\r\n",
       "line 1: has no column h_plane_dbi (a pattern file has angle_deg, e_plane_dbi and h_plane_dbi)"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\r\n", "line 2: has no rows under its header"},
      {"angle_deg,e_plane_dbi,h_plane_dbi,e_phase_deg\n0,1,1,0\n5,0,0,0\n",
       "line 1, column 4 (e_phase_deg): has e_phase_deg but no h_phase_deg: give the phases of both cuts or neither"},
      {"angle_deg,e_plane_dbi,h_plane_dbi,angle_deg\n", "line 1, column 4 (angle_deg): names the column angle_deg twice"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,1,1\n5,x,1\n",
       "line 3, column 2 (e_plane_dbi): \"x\" is not a finite number"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,1,1\n5,1090,1\n",
       "line 3, column 2 (e_plane_dbi): \"1090\" is above 1000 dB, more than any feed has"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,1,1\n0,0,0\n",
       "line 3, column 1 (angle_deg): \"0\" does not follow the angle before it, 0: angles must ascend"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,1,1\n\n181,0,0\n",
       "line 4, column 1 (angle_deg): \"181\" is outside -180 to 180 degrees"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,1,1\n,0,0\n", "line 3, column 1 (angle_deg): is empty"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,1,1\n5,0\n", "line 3: has 2 fields, fewer than the header's columns"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,\"1,1\n", "line 2: has a quoted field that never closes"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,\"1\"x,1\n", "line 2: has text after a closing quote"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n0,,\n5,-2000,\n", "line 3: ends without a level in any row"},
      {"angle_deg,e_plane_dbi,h_plane_dbi\n-5,0,0\n5,0,0\n",
       "line 3: ends with fewer than two angles (θ and -θ count as one)"},
      {"angle_deg,e_plane_dbi,h_plane_dbi,e_phase_deg,h_phase_deg\n0,1,1,0,0\n5,0,0,,0\n",
       "line 3, column 4 (e_phase_deg): is empty, but the cut has a level there"},
  };
  for (const auto& c : cases) {
    const Outcome outcome =
        run_request("dish", {{"f-over-d", "0.4"}, {"pattern-file", "bad.csv"}}, files({{"bad.csv", c.text}}));
    EXPECT_EQ(outcome.status, Status::usage) << c.message;
    EXPECT_EQ(outcome.option, "pattern-file");
    EXPECT_EQ(outcome.error, std::string("--pattern-file \"bad.csv\" ") + c.message);
  }
  // A file exported with a byte-order mark, quoted names, LF lines and extra
  // columns reads as well as tarniq-cli's own.
  const Outcome ok = run_request("dish", {{"f-over-d", "0.4"}, {"pattern-file", "good.csv"}},
                                 files({{"good.csv", "\xEF\xBB\xBF\"angle_deg\",note,e_plane_dbi,h_plane_dbi\n"
                                                     "0,a,10,10\n30,\"b, c\",4,5\n60,,-3,-2\n90,,-inf,\n"}}));
  EXPECT_EQ(ok.status, Status::ok) << ok.error;
  const Outcome missing = run_request("dish", {{"f-over-d", "0.4"}, {"pattern-file", "none.csv"}}, files({}));
  EXPECT_EQ(missing.error, "cannot read --pattern-file \"none.csv\": No such file or directory");
}

// Mistakes in the new verbs' options, each naming the option.
TEST(FeedVerbs, ErrorsNameTheOptionAndValue) {
  const struct {
    const char* verb;
    Options options;
    const char* option;
    const char* message;
  } cases[] = {
      {"dish", with_horn({{"frequency", "10"}, {"f-over-d", "0.4"}, {"edge-angle", "60"}}), "edge-angle",
       "give --f-over-d or --edge-angle, not both"},
      {"dish", with_horn({{"frequency", "10"}, {"edge-angle", "0:200:50"}}), "edge-angle",
       "--edge-angle \"0:200:50\" leaves 0 to 180 degrees (both excluded)"},
      {"dish", {{"f-over-d", "0.4"}, {"pattern-file", "f.csv"}, {"aperture", "3"}}, "aperture",
       "--aperture and --pattern-file both name the feed; give one"},
      {"dish", {{"f-over-d", "0.4"}}, "aperture",
       "missing --aperture (or --from or --pattern-file), --length (or --from or --pattern-file), --frequency (or "
       "--pattern-file) and --waveguide (or --waveguide-size or --from or --pattern-file)"},
      {"feed-design", {{"f-over-d", "0.2"}, {"frequency", "10"}, {"waveguide", "WR-90"}}, "f-over-d",
       "--f-over-d \"0.2\" is a dish deeper than its focus (f/D 0.25 or less): the edge lies beyond the 90° within "
       "which a horn's beamwidth is measured"},
      {"field", with_horn({{"frequency", "10"}, {"theta", "-10:90:10"}}), "theta",
       "--theta \"-10:90:10\" leaves 0 to 180 degrees"},
      {"field", with_horn({{"frequency", "10"}, {"theta", "0:180:0.1"}, {"phi", "0:359:1"}}), "phi",
       "--theta and --phi give 648360 rows, more than 100000"},
      {"analyze", with_horn({{"frequency", "10"}, {"distance", "0"}}), "distance", "--distance \"0\" is not positive"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = run_request(c.verb, c.options);
    EXPECT_EQ(outcome.status, Status::usage) << c.message;
    EXPECT_EQ(outcome.error, c.message);
    EXPECT_EQ(outcome.option, c.option) << c.message;
  }
}

}  // namespace
}  // namespace tarniq::request
