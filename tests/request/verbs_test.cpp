// Each verb through the request layer, in each format, against the library's own numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include <cmath>
#include <map>
#include <optional>

#include "support/readers.hpp"
#include "support/svg_check.hpp"
#include "request/output/number_text.hpp"
#include "request/request.hpp"
#include "tarniq/tarniq.hpp"

namespace tarniq::request {
namespace {

using Rows = std::vector<std::map<std::string, std::optional<double>>>;

const Waveguide wr90 = find_waveguide("WR-90");

Outcome run(std::string_view verb, Options options) {
  const Outcome outcome = run_request(verb, options);
  EXPECT_EQ(outcome.status, Status::ok) << outcome.error;
  return outcome;
}

// The numeric cells of a result as written in CSV or JSON and read back.
Rows read_back(const Result& result, Format format) {
  Rows rows;
  if (format == Format::csv) {
    const auto records = testing::read_csv(format_csv(result));
    for (std::size_t r = 1; r < records.size(); ++r) {
      auto& row = rows.emplace_back();
      for (std::size_t c = 0; c < records[0].size(); ++c) {
        if (records[0][c] == "s_plane") continue;  // the one text column
        row[records[0][c]] = records[r][c].empty() ? std::nullopt : std::optional<double>(std::stod(records[r][c]));
      }
    }
  } else {
    const auto json = nlohmann::json::parse(format_json(result));
    for (const auto& object : json["rows"]) {
      auto& row = rows.emplace_back();
      for (const auto& [key, value] : object.items())
        if (!value.is_string()) row[key] = value.is_null() ? std::nullopt : std::optional<double>(value.get<double>());
    }
  }
  return rows;
}

void expect_same(const std::optional<double>& written, const std::optional<double>& library, const std::string& what) {
  ASSERT_EQ(written.has_value(), library.has_value()) << what;
  if (written) {
    EXPECT_DOUBLE_EQ(*written, *library) << what;
  }
}

// Every design row is the library's design at that S, in centimetres.
TEST(Verbs, DesignRowsAreTheLibrarysDesigns) {
  const Outcome outcome = run("design", {{"e-beamwidth", "30"}, {"h-beamwidth", "20"}, {"frequency", "10"},
                                         {"waveguide", "WR-90"}, {"s", "0.1:0.3:0.1"}});
  for (const Format format : {Format::csv, Format::json}) {
    const Rows rows = read_back(outcome.result, format);
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) {
      const double s = *row.at("s");
      const HornDesign design = design_rectangular({30.0, 20.0, half_power_db, s, 10e9, wr90});
      const Beamwidths widths = beamwidths(design.horn, 10e9, half_power_db);
      expect_same(row.at("aperture_width_cm"), design.horn.aperture_width * 100.0, "width");
      expect_same(row.at("aperture_height_cm"), design.horn.aperture_height * 100.0, "height");
      expect_same(row.at("h_slant_radius_cm"), design.horn.h_slant_radius * 100.0, "RH");
      expect_same(row.at("e_slant_radius_cm"), design.horn.e_slant_radius * 100.0, "RE");
      expect_same(row.at("axial_length_cm"), design.axial_length * 100.0, "length");
      expect_same(row.at("gain_dbi"), gain_dbi(design.horn, 10e9), "gain");
      expect_same(row.at("e_beamwidth_deg"), widths.e_plane, "E beamwidth");
      expect_same(row.at("h_beamwidth_deg"), widths.h_plane, "H beamwidth");
      EXPECT_NEAR(*row.at("e_beamwidth_deg"), 30.0, 0.01);
    }
  }
}

// The table method in inches gives the interactive program's numbers.
TEST(Verbs, SquareTableDesignInInchesAsTheInteractiveProgram) {
  const Outcome outcome = run("design", {{"square", ""}, {"beamwidth", "20"}, {"frequency", "10"},
                                         {"waveguide-size", "0.9,0.9"}, {"units", "in"}, {"method", "table"}});
  EXPECT_EQ(format_table(outcome.result).substr(0, format_table(outcome.result).find('\n', 0) + 1),
            "    s  s_plane  aperture_width_in  aperture_height_in  h_slant_radius_in  e_slant_radius_in"
            "  axial_length_in  gain_dbi  e_beamwidth_deg  h_beamwidth_deg\n");
  const Rows rows = read_back(outcome.result, Format::json);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(fixed_text(*rows[0].at("aperture_width_in"), 3), "3.161");
  EXPECT_EQ(fixed_text(*rows[0].at("h_slant_radius_in"), 3), "4.234");
  EXPECT_EQ(fixed_text(*rows[0].at("axial_length_in"), 3), "2.810");
}

TEST(Verbs, GainDesignAddsTheSideWalls) {
  const Outcome outcome = run("gain-design", {{"gain", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"},
                                              {"units", "mm"}, {"format", "csv"}});
  const HornDesign design = design_for_gain(20.0, 10e9, wr90);
  for (const Format format : {Format::csv, Format::json}) {
    const Rows rows = read_back(outcome.result, format);
    ASSERT_EQ(rows.size(), 1u);
    expect_same(rows[0].at("aperture_width_mm"), design.horn.aperture_width * 1000.0, "width");
    expect_same(rows[0].at("h_flare_length_mm"), side_wall_length(design.horn, Plane::h) * 1000.0, "H wall");
    expect_same(rows[0].at("e_flare_length_mm"), side_wall_length(design.horn, Plane::e) * 1000.0, "E wall");
    EXPECT_NEAR(*rows[0].at("gain_dbi"), 20.0, 0.01);
  }
}

TEST(Verbs, AnalyzeRowsAreGainAndBeamwidthsAtEachFrequency) {
  const Horn horn = make_horn(0.11, 0.08, 0.20, wr90);
  for (const char* method : {"pattern", "table"}) {
    const Outcome outcome = run("analyze", {{"aperture", "11,8"}, {"length", "20"}, {"waveguide", "WR-90"},
                                            {"frequency", "8:12:1"}, {"method", method}});
    for (const Format format : {Format::csv, Format::json}) {
      const Rows rows = read_back(outcome.result, format);
      ASSERT_EQ(rows.size(), 5u);
      for (const auto& row : rows) {
        const double f = *row.at("frequency_ghz") * 1e9;
        const bool table = std::string(method) == "table";
        const auto width = [&](Plane plane, double level) {
          return table ? table_beamwidth(horn, f, plane, level) : beamwidth(horn, f, plane, level);
        };
        expect_same(row.at("gain_dbi"), gain_dbi(horn, f), "gain");
        expect_same(row.at("e_3db_deg"), width(Plane::e, half_power_db), "E 3 dB");
        expect_same(row.at("h_3db_deg"), width(Plane::h, half_power_db), "H 3 dB");
        expect_same(row.at("e_10db_deg"), width(Plane::e, 10.0), "E 10 dB");
        expect_same(row.at("h_10db_deg"), width(Plane::h, 10.0), "H 10 dB");
      }
    }
  }
}

// Pattern rows are the library's cuts; the null at ±180° is no value.
TEST(Verbs, PatternRowsAreTheCuts) {
  const Horn horn = make_horn(0.11, 0.08, 0.20, wr90);
  const Outcome outcome = run("pattern", {{"aperture", "11,8"}, {"length", "20"}, {"waveguide", "WR-90"},
                                          {"frequency", "10"}, {"angles", "-180:180:45"}});
  const std::vector<double> angles{-180, -135, -90, -45, 0, 45, 90, 135, 180};
  const PatternCuts cuts = pattern_cuts(horn, 10e9, angles);
  for (const Format format : {Format::csv, Format::json}) {
    const Rows rows = read_back(outcome.result, format);
    ASSERT_EQ(rows.size(), angles.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const auto value = [](double level) { return std::isfinite(level) ? std::optional(level) : std::nullopt; };
      expect_same(rows[i].at("angle_deg"), angles[i], "angle");
      expect_same(rows[i].at("e_plane_dbi"), value(cuts.e_plane_dbi[i]), "E");
      expect_same(rows[i].at("h_plane_dbi"), value(cuts.h_plane_dbi[i]), "H");
    }
  }
  EXPECT_EQ(outcome.result.warnings.at(0).code, "wide_angle");
}

TEST(Verbs, WaveguidesListTheCatalogueInInchesUnlessAsked) {
  const Outcome all = run("waveguides", {});
  EXPECT_EQ(all.result.rows.size(), standard_waveguides().size());
  EXPECT_EQ(all.result.columns[1].name, "width_in");
  // Sizes published in inches come back as those decimals, not 0.7499999999999999.
  for (const auto& record : testing::read_csv(format_csv(all.result)))
    for (std::size_t c = 1; c <= 2; ++c)
      EXPECT_LE(record[c].size() - std::min(record[c].size(), record[c].find('.')), 5u) << record[c];
  const Outcome x_band = run("waveguides", {{"frequency", "10"}, {"units", "mm"}, {"format", "json"}});
  const auto json = nlohmann::json::parse(format_json(x_band.result));
  const auto expected = waveguides_for_frequency(10e9);
  ASSERT_EQ(json["rows"].size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(json["rows"][i]["name"], expected[i].name);
    EXPECT_DOUBLE_EQ(json["rows"][i]["width_mm"].get<double>(), expected[i].width * 1000.0);
    EXPECT_DOUBLE_EQ(json["rows"][i]["te10_cutoff_ghz"].get<double>(), te10_cutoff(expected[i]) / 1e9);
  }
}

// One horn given in each unit: the same horn in, its lengths out in that unit.
TEST(Verbs, UnitsConvertEveryLengthInAndOut) {
  const struct {
    const char* unit;
    double per_metre;
    const char* guide;
  } units[] = {{"cm", 100.0, "2.286,1.016"}, {"mm", 1000.0, "22.86,10.16"}, {"in", 1.0 / 0.0254, "0.9,0.4"}};
  std::optional<double> reference_width;
  for (const auto& u : units) {
    const Outcome outcome = run("design", {{"e-beamwidth", "30"}, {"h-beamwidth", "20"}, {"frequency", "10"},
                                           {"waveguide-size", u.guide}, {"units", u.unit}, {"format", "json"}});
    const auto json = nlohmann::json::parse(format_json(outcome.result));
    const std::string suffix = std::string("_") + u.unit;
    EXPECT_EQ(json["units"], u.unit);
    EXPECT_NEAR(json["input"]["waveguide"]["width" + suffix].get<double>() / u.per_metre, 0.02286, 1e-12);
    const double width_m = json["rows"][0]["aperture_width" + suffix].get<double>() / u.per_metre;
    if (!reference_width) reference_width = width_m;
    EXPECT_NEAR(width_m, *reference_width, 1e-9) << u.unit;
  }
}

// A table's cells are the CSV's numbers rounded to the column's decimals,
// right-aligned under the column names.
TEST(Verbs, TablesAlignTheCsvNumbers) {
  const Outcome outcome = run("analyze", {{"aperture", "11,8"}, {"length", "20"}, {"waveguide", "WR-90"},
                                          {"frequency", "8:12:0.5"}});
  const Result& result = outcome.result;
  const std::string table = format_table(result);
  std::vector<std::string> lines;
  for (std::size_t from = 0; from < table.size();) {
    const std::size_t end = table.find('\n', from);
    lines.push_back(table.substr(from, end - from));
    from = end + 1;
  }
  ASSERT_GE(lines.size(), result.rows.size() + 1);
  for (std::size_t r = 0; r < result.rows.size(); ++r) {
    std::size_t end = 0;
    for (std::size_t c = 0; c < result.columns.size(); ++c) {
      end = lines[0].find(result.columns[c].name, end) + result.columns[c].name.size();
      const std::string expected = fixed_text(*result.rows[r][c].number(), result.columns[c].decimals);
      EXPECT_EQ(lines[r + 1].substr(end - expected.size(), expected.size()), expected) << r << " " << c;
    }
  }
}

// A design's JSON output names its horn for the analysis verbs (--from,
// --row): the same numbers as typing the row's dimensions, in any unit; a
// file that is not a design's output is refused naming the file.
TEST(Verbs, HornFromADesignsOutput) {
  const Outcome design = run("design", {{"e-beamwidth", "30"}, {"h-beamwidth", "20"}, {"frequency", "10"},
                                        {"waveguide", "WR-90"}, {"s", "0.1:0.3:0.1"}, {"units", "mm"},
                                        {"method", "table"}});
  const std::map<std::string, std::string> files{{"design.json", format_json(design.result)},
                                                 {"odd.json", R"({"units": "cm", "rows": [{"x": 1}]})"},
                                                 {"text.json", "not json"}};
  Settings settings;
  settings.read_file = [&](const std::string& path) -> FileText {
    const auto found = files.find(path);
    if (found == files.end()) return {std::nullopt, "No such file or directory"};
    return {found->second, {}};
  };
  const Outcome from = run_request("analyze", {{"from", "design.json"}, {"row", "2"}, {"frequency", "9:11:1"}}, settings);
  ASSERT_EQ(from.status, Status::ok) << from.error;
  const auto row = nlohmann::json::parse(format_json(design.result))["rows"][1];
  const Horn horn = make_horn_from_slant_radii(row["aperture_width_mm"].get<double>() / 1000.0,
                                               row["aperture_height_mm"].get<double>() / 1000.0,
                                               row["h_slant_radius_mm"].get<double>() / 1000.0,
                                               row["e_slant_radius_mm"].get<double>() / 1000.0, wr90);
  const Rows rows = read_back(from.result, Format::json);
  ASSERT_EQ(rows.size(), 3u);
  for (const auto& r : rows) EXPECT_DOUBLE_EQ(*r.at("gain_dbi"), gain_dbi(horn, *r.at("frequency_ghz") * 1e9));
  EXPECT_EQ(from.result.input["from"], "design.json, row 2");
  EXPECT_DOUBLE_EQ(from.result.input["aperture_width_cm"].get<double>(), row["aperture_width_mm"].get<double>() / 10.0);

  const struct {
    Options options;
    const char* option;
    const char* message;
  } refused[] = {
      {{{"from", "missing.json"}}, "from", "cannot read --from \"missing.json\": No such file or directory"},
      {{{"from", "text.json"}}, "from", "--from \"text.json\" is not JSON from tarniq-cli --format json"},
      {{{"from", "odd.json"}}, "from", "--from \"odd.json\" names no waveguide under \"input\""},
      {{{"from", "design.json"}, {"row", "4"}}, "row", "--row 4 is past the 3 rows of \"design.json\""},
      {{{"from", "design.json"}, {"row", "1.5"}}, "row", "--row \"1.5\" is not a row number"},
  };
  for (const auto& r : refused) {
    Options options = r.options;
    options["frequency"] = "10";
    const Outcome outcome = run_request("pattern", options, settings);
    EXPECT_EQ(outcome.status, Status::usage) << r.message;
    EXPECT_EQ(outcome.error, r.message);
    EXPECT_EQ(outcome.option, r.option);
  }
}

// analyze --level adds the beamwidths at any level, 3 read as half power,
// after the fixed 3 and 10 dB columns.
TEST(Verbs, AnalyzeAtAnyLevel) {
  const Horn horn = make_horn(0.11, 0.08, 0.2, wr90);
  for (const auto& [given, level] : std::vector<std::pair<std::string, double>>{{"6", 6.0}, {"3", half_power_db}}) {
    const Outcome outcome = run("analyze", {{"aperture", "11,8"}, {"length", "20"}, {"waveguide", "WR-90"},
                                            {"frequency", "10"}, {"level", given}});
    ASSERT_EQ(outcome.result.columns.size(), 8u);
    EXPECT_EQ(outcome.result.columns[6].name, "e_level_deg");
    const Rows rows = read_back(outcome.result, Format::csv);
    const Beamwidths widths = beamwidths(horn, 10e9, level);
    expect_same(rows[0].at("e_level_deg"), widths.e_plane, "E at " + given);
    expect_same(rows[0].at("h_level_deg"), widths.h_plane, "H at " + given);
    EXPECT_EQ(outcome.result.input["level_db"], level);
  }
}

// Repeated warnings merge only when they are the same kind (code and plane):
// a small height and a small width at one frequency are two warnings; over a
// range each names how many rows and which, and the JSON lists the rows.
TEST(Verbs, WarningsMergeByKindAndNameTheirRows) {
  const Options horn{{"aperture", "3,1.2"}, {"length", "1"}, {"waveguide", "WR-90"}, {"format", "json"}};
  Options one = horn;
  one["frequency"] = "8";
  const Outcome single = run("analyze", one);
  ASSERT_EQ(single.result.warnings.size(), 3u);
  EXPECT_EQ(single.result.warnings[1].message,
            "The aperture height 1.2 cm is 0.3202 wavelength at 8 GHz, under about one wavelength: aperture theory "
            "is unreliable there.");
  EXPECT_EQ(single.result.warnings[2].message.rfind("The aperture width 3 cm is 0.8006 wavelength at 8 GHz", 0), 0u);
  Options range = horn;
  range["frequency"] = "7:9:0.5";
  const Outcome swept = run("analyze", range);
  ASSERT_EQ(swept.result.warnings.size(), 3u);
  EXPECT_EQ(swept.result.warnings[0].message,
            "7 GHz is outside the recommended band of WR-90, 8.2 to 12.4 GHz (3 rows alike, at 7 to 8 GHz).");
  EXPECT_EQ(swept.result.warnings[2].rows, (std::vector<double>{7.0, 7.5, 8.0, 8.5, 9.0}));
  const auto json = nlohmann::json::parse(format_json(swept.result));
  EXPECT_EQ(json["warnings"][0]["rows"], nlohmann::json::parse("[7.0, 7.5, 8.0]"));
}

// Each design plot draws gain, the quantity S is chosen by: against S for a
// design, over the band for a gain design, whose points are the analyze
// verb's for the same horn.
TEST(Verbs, DesignPlotsDrawGain) {
  const auto series_of = [](const Result& result) {
    std::vector<std::string> names;
    const testing::XmlElement svg = testing::read_xml(result.plot_svg);  // outlives the loop over its lines
    for (const auto* line : svg.all("polyline"))
      if (names.empty() || names.back() != line->attributes.at("data-series"))  // a jump breaks a line in two
        names.push_back(line->attributes.at("data-series"));
    return names;
  };
  const Outcome design = run("design", {{"e-beamwidth", "30"}, {"h-beamwidth", "20"}, {"frequency", "10"},
                                        {"waveguide", "WR-90"}, {"s", "0.1:0.3:0.1"}, {"plot", "d.svg"}});
  EXPECT_EQ(series_of(design.result).front(), "gain");
  const Outcome gain = run("gain-design", {{"gain", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"}, {"plot", "g.svg"}});
  EXPECT_EQ(series_of(gain.result), (std::vector<std::string>{"gain", "E plane, 3 dB", "H plane, 3 dB", "E plane, 10 dB",
                                                               "H plane, 10 dB"}));
  const testing::XmlElement svg = testing::read_xml(gain.result.plot_svg);
  const auto areas = svg.all("rect");
  const auto area = std::find_if(areas.begin(), areas.end(), [](const auto* r) {
    return r->attributes.count("class") != 0 && r->attributes.at("class") == "plot-area";
  });
  ASSERT_NE(area, areas.end());
  EXPECT_EQ(testing::number(**area, "data-x-min"), 8.0);  // WR-90's band, 8.2 to 12.4 GHz
  EXPECT_EQ(testing::number(**area, "data-x-max"), 12.5);
}

// Each class of mistake, with its status, message and the option it names.
TEST(Verbs, ErrorsNameTheOptionAndValue) {
  const Options horn{{"aperture", "11,8"}, {"length", "20"}, {"waveguide", "WR-90"}, {"frequency", "10"}};
  const auto with = [&](Options extra) {
    Options all = horn;
    for (auto& [key, value] : extra) all[key] = value;
    return all;
  };
  const Options rectangular{{"e-beamwidth", "30"}, {"h-beamwidth", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"}};
  const auto design = [&](Options extra) {
    Options all = rectangular;
    for (auto& [key, value] : extra) all[key] = value;
    return all;
  };
  const struct {
    const char* verb;
    Options options;
    Status status;
    const char* option;
    const char* message;
  } cases[] = {
      {"bogus", {}, Status::usage, "", "unknown verb \"bogus\" (design, gain-design, feed-design, analyze, pattern, field, phase-center, dish, parts, waveguides)"},
      {"analyse", {}, Status::usage, "",
       "unknown verb \"analyse\" (design, gain-design, feed-design, analyze, pattern, field, phase-center, dish, parts, waveguides); did you mean analyze?"},
      {"pattern", with({{"frob", "1"}}), Status::usage, "frob", "unknown option \"--frob\" for pattern; did you mean --from?"},
      {"pattern", with({{"frequncy", "1"}}), Status::usage, "frequncy",
       "unknown option \"--frequncy\" for pattern; did you mean --frequency?"},
      {"pattern", with({{"xyzzy", "1"}}), Status::usage, "xyzzy", "unknown option \"--xyzzy\" for pattern"},
      {"pattern", with({{"frequency", "inf"}}), Status::usage, "frequency", "--frequency \"inf\" is not a finite number"},
      {"pattern", with({{"length", "-20"}}), Status::usage, "length", "--length \"-20\" is not positive"},
      {"pattern", with({{"frequency", "8:12:1"}}), Status::usage, "frequency",
       "--frequency \"8:12:1\" is a range; this verb takes one frequency"},
      {"pattern", with({{"angles", "-200:0:10"}}), Status::usage, "angles",
       "--angles \"-200:0:10\" leaves -180 to 180 degrees"},
      {"pattern", with({{"polar", ""}}), Status::usage, "polar", "--polar needs --plot FILE.svg"},
      {"pattern", with({{"plot", "cut.png"}}), Status::usage, "plot",
       "--plot \"cut.png\" does not end in .svg: plots are SVG drawings"},
      {"pattern", {{"frequency", "10"}}, Status::usage, "aperture",
       "missing --aperture (or --from), --length (or --from) and --waveguide (or --waveguide-size or --from)"},
      {"analyze", with({{"frequency", "0:12:1"}}), Status::usage, "frequency",
       "--frequency \"0:12:1\" is not positive throughout"},
      {"analyze", with({{"frequency", "1:2:1e-6"}}), Status::usage, "frequency",
       "--frequency \"1:2:1e-6\" gives 1000001 rows, more than 100000"},
      {"analyze", with({{"units", "ft"}}), Status::usage, "units", "--units \"ft\" is not one of cm, mm, in"},
      {"analyze", with({{"waveguide", "WR-91"}}), Status::usage, "waveguide",
       "--waveguide \"WR-91\" is not a standard waveguide (WR-2300 to WR-10, R3 to R900, WG00 to WG27), "
       "all in the list of waveguides"},
      {"analyze", with({{"waveguide-size", "1,1"}}), Status::usage, "waveguide-size",
       "give --waveguide or --waveguide-size, not both"},
      {"analyze", with({{"row", "2"}}), Status::usage, "row", "--row needs --from"},
      {"analyze", with({{"from", "d.json"}}), Status::usage, "aperture", "--aperture and --from both name the horn; give one"},
      {"analyze", with({{"aperture", "2,8"}}), Status::no_solution, "",
       "aperture width 2 cm is not larger than the waveguide width 2.286 cm"},
      {"design", {{"beamwidth", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"}}, Status::usage, "beamwidth",
       "--beamwidth needs --square"},
      {"design", {{"frequency", "10"}}, Status::usage, "e-beamwidth",
       "missing --e-beamwidth (or --square), --h-beamwidth (or --square) and --waveguide (or --waveguide-size)"},
      {"design", {{"square", ""}, {"frequency", "10"}, {"waveguide", "WR-90"}}, Status::usage, "beamwidth",
       "missing --beamwidth"},
      {"design", {{"square", ""}, {"beamwidth", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"}}, Status::usage,
       "waveguide", "--square needs a square waveguide; --waveguide \"WR-90\" is 2.286 × 1.016 cm"},
      {"design", design({{"e-beamwidth", "190"}}), Status::usage, "e-beamwidth",
       "--e-beamwidth \"190\" is not between 0 and 180 degrees"},
      {"design", design({{"method", "table"}, {"level", "4"}}), Status::usage, "level",
       "--level \"4\" is not 0.5, 1, 2, 3 or 10, the levels of --method table"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = run_request(c.verb, c.options);
    EXPECT_EQ(outcome.status, c.status) << c.message;
    EXPECT_EQ(outcome.error, c.message);
    EXPECT_EQ(outcome.option, c.option) << c.message;
  }
}

// Rows without a design are left out with a warning naming their S and the
// S that have designs; with no row left, or no horn for the gain, the
// request has no solution.
TEST(Verbs, RequestsWithoutASolution) {
  const Options wide{{"e-beamwidth", "60"}, {"h-beamwidth", "50"}, {"frequency", "10"}, {"waveguide", "WR-90"},
                     {"s", "0.1:0.5:0.1"}};
  const Outcome partial = run("design", wide);
  ASSERT_EQ(partial.result.rows.size(), 4u);
  EXPECT_EQ(*partial.result.rows[2][0].number(), 0.3);
  EXPECT_EQ(*partial.result.rows[3][0].number(), 0.5);
  const auto json = nlohmann::json::parse(format_json(partial.result));
  EXPECT_EQ(json["warnings"].back()["code"], "no_design");
  EXPECT_EQ(json["warnings"].back()["message"].get<std::string>().rfind(
                "Designs at S = 0.1 to 0.3, 0.5 only; none at S = 0.4, rows left out: ", 0),
            0u);

  Options none = wide;
  none["s"] = "0.4:0.45:0.05";
  const struct {
    const char* verb;
    Options options;
    const char* starts;
  } cases[] = {
      {"design", none, "no design at S = 0.4, 0.45: "},
      {"gain-design", {{"gain", "5"}, {"frequency", "10"}, {"waveguide", "WR-90"}}, ""},
  };
  for (const auto& c : cases) {
    const Outcome outcome = run_request(c.verb, c.options);
    EXPECT_EQ(outcome.status, Status::no_solution) << c.verb;
    EXPECT_EQ(outcome.error.rfind(c.starts, 0), 0u) << outcome.error;
  }
}

// A horn that leaves the analysed sizes at some frequency of the request is
// refused before any row is computed: at once, naming the first such
// frequency in GHz and the aperture in the request's unit.
TEST(Verbs, RequestsBeyondTheAnalysedSizesFailAtOnce) {
  const Options huge{{"aperture", "281700"}, {"length", "9"}, {"waveguide", "WR-90"}};
  const auto with = [&](Options extra) {
    Options options = huge;
    for (const auto& [name, value] : extra) options[name] = value;
    return options;
  };
  const struct {
    const char* verb;
    Options options;
    const char* named;
  } cases[] = {
      {"analyze", with({{"frequency", "7:12:0.5"}}), "aperture width 281700 cm is 103361.5062 wavelengths at 11 GHz"},
      {"analyze", with({{"frequency", "7:12:0.5"}, {"units", "mm"}, {"aperture", "2817000"}, {"length", "90"}}),
       "aperture width 2817000 mm is 103361.5062 wavelengths at 11 GHz"},
      {"phase-center", with({{"frequency", "12:7:-1"}}), "at 12 GHz"},
      {"pattern", with({{"frequency", "11"}}), "at 11 GHz"},
      {"field", with({{"frequency", "11"}}), "at 11 GHz"},
      {"dish", with({{"frequency", "11"}, {"f-over-d", "0.3:0.5:0.1"}}), "at 11 GHz"},
  };
  for (const auto& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome = run_request(c.verb, c.options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(outcome.status, Status::no_solution) << c.verb;
    EXPECT_NE(outcome.error.find(c.named), std::string::npos) << outcome.error;
    EXPECT_NE(outcome.error.find("the analysis computes"), std::string::npos) << outcome.error;
    EXPECT_LT(seconds, 0.1) << c.verb;
  }
}

}  // namespace
}  // namespace tarniq::request
