// The parts verb and the parts options: the panel table, the files each option makes, every refusal by name.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "request/output/formats.hpp"
#include "request/parts/sheet.hpp"
#include "request/parts/tiles.hpp"
#include "request/parts/writers.hpp"
#include "request/request.hpp"
#include "support/readers.hpp"
#include "tarniq/tarniq.hpp"

namespace tarniq::request {
namespace {

const Options x_band = {{"aperture", "11,8"}, {"length", "20"}, {"waveguide", "WR-90"}};

Options with(Options options, const Options& more) {
  for (const auto& [name, value] : more) options[name] = value;
  return options;
}

// A PDF stand-in that says what it was asked to draw.
std::string fake_pdf(const Sheet& sheet, Paper paper) {
  return std::string(paper == Paper::a4 ? "a4 " : "letter ") + sheet.title;
}

Outcome run(std::string_view verb, const Options& options) {
  Settings settings;
  settings.render_pdf = fake_pdf;
  return run_request(verb, options, settings);
}

// The table has exactly the panel columns, and its rows are the library's panels in the request's unit.
TEST(PartsVerb, TableIsTheLibrarysPanels) {
  const Outcome outcome =
      run("parts", {{"aperture", "110,80"}, {"length", "200"}, {"waveguide", "WR-90"}, {"units", "mm"}, {"format", "csv"}});
  ASSERT_EQ(outcome.status, Status::ok) << outcome.error;
  const auto csv = testing::read_csv(format_csv(outcome.result));
  ASSERT_EQ(csv.size(), 3u);
  EXPECT_EQ(csv[0], (std::vector<std::string>{"panel", "count", "short_edge_mm", "long_edge_mm", "height_mm",
                                              "corner_edge_mm", "flare_angle_deg", "corner_angle_deg"}));
  const HornPanels panels = horn_panels(make_horn(0.11, 0.08, 0.20, find_waveguide("WR-90")));
  for (const auto& [row, panel] : {std::pair{csv[1], panels.broad}, std::pair{csv[2], panels.narrow}}) {
    EXPECT_EQ(row[0], panel.kind == PanelKind::broad ? "broad" : "narrow");
    EXPECT_EQ(row[1], "2");
    const double expected[] = {panel.short_edge * 1000.0, panel.long_edge * 1000.0, panel.height * 1000.0,
                               panel.corner_edge * 1000.0, panel.flare_angle_deg, panel.corner_angle_deg};
    for (std::size_t c = 0; c < 6; ++c) EXPECT_NEAR(std::stod(row[c + 2]), expected[c], 1e-12 * expected[c]) << csv[0][c + 2];
  }
  EXPECT_TRUE(outcome.result.files.empty());
}

// Each option names its file; the drawing's format follows its extension in
// any case; the plot is the SVG drawing; the model is binary STL, its wall
// 2 mm in every unit unless given, then in the request's unit.
TEST(PartsVerb, EachOptionMakesItsFile) {
  const Outcome outcome =
      run("parts", with(x_band, {{"drawing", "horn.DXF"}, {"model", "horn.stl"}, {"net", ""}, {"tab", "1"}, {"plot", "p.svg"}}));
  ASSERT_EQ(outcome.status, Status::ok) << outcome.error;
  const auto& files = outcome.result.files;
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].option, "drawing");
  EXPECT_EQ(files[0].name, "horn.DXF");
  EXPECT_EQ(files[0].bytes.substr(0, 20), "0\nSECTION\n2\nHEADER\n9");
  EXPECT_EQ(files[1].option, "model");
  EXPECT_EQ(outcome.result.plot_svg.substr(0, 5), "<?xml");
  EXPECT_NE(outcome.result.plot_svg.find("width=\""), std::string::npos);
  EXPECT_EQ(outcome.result.input["layout"], "net");
  EXPECT_EQ(outcome.result.input["tab_cm"], 1.0);
  EXPECT_EQ(outcome.result.input["wall_cm"], 0.2);

  const Horn horn = make_horn(0.11, 0.08, 0.20, find_waveguide("WR-90"));
  const std::string& stl = files[1].bytes;
  const std::size_t facets = horn_solid(horn).size();
  ASSERT_EQ(stl.size(), 84 + 50 * facets);
  EXPECT_NE(stl.substr(0, 5), "solid");
  std::uint32_t count = 0;
  std::memcpy(&count, stl.data() + 80, 4);
  EXPECT_EQ(count, facets);
  // The default wall is 2 mm whatever the unit, a given one in the unit.
  const auto model = [&](const Options& more) {
    return run("parts", with(with(x_band, {{"model", "m.stl"}}), more)).result.files.at(0).bytes.substr(80);
  };
  EXPECT_EQ(model({}), model({{"units", "cm"}, {"wall", "0.2"}}));
  EXPECT_EQ(model({{"aperture", "110,80"}, {"length", "200"}, {"units", "mm"}}), model({{"wall", "0.2"}}));
  EXPECT_NE(model({{"wall", "2"}}), model({}));
  // The PDF goes to the renderer the caller gave, on the paper asked for.
  const Outcome pdf = run("parts", with(x_band, {{"drawing", "h.pdf"}, {"paper", "letter"}}));
  ASSERT_EQ(pdf.status, Status::ok) << pdf.error;
  EXPECT_EQ(pdf.result.files.at(0).bytes, "letter Parts of the 11 × 8 cm horn, 20 cm long, on WR-90");
}

// The design verbs make the parts of their one horn; several rows are refused.
TEST(PartsOptions, DesignVerbsMakeThePartsOfTheirOneHorn) {
  const Options design = {{"e-beamwidth", "30"}, {"h-beamwidth", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"}};
  const Outcome one = run("design", with(design, {{"drawing", "d.svg"}, {"model", "d.stl"}}));
  ASSERT_EQ(one.status, Status::ok) << one.error;
  ASSERT_EQ(one.result.files.size(), 2u);
  const HornDesign horn = design_rectangular({30.0, 20.0, half_power_db, 0.25, 10e9, find_waveguide("WR-90")});
  EXPECT_EQ(one.result.files[1].bytes.size(), 84 + 50 * horn_solid(horn.horn).size());
  const Outcome gain = run("gain-design", {{"gain", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"}, {"drawing", "g.svg"}, {"net", ""}});
  ASSERT_EQ(gain.status, Status::ok) << gain.error;
  EXPECT_EQ(gain.result.input["layout"], "net");
  const Outcome many = run("design", with(design, {{"s", "0.1:0.5:0.1"}, {"model", "d.stl"}}));
  EXPECT_EQ(many.status, Status::usage);
  EXPECT_EQ(many.option, "model");
  EXPECT_EQ(many.error, "--model needs one horn, and this request gives 5 rows");
}

// Every refusal is one line naming the option, before any file is made.
TEST(PartsOptions, RefusalsNameTheOption) {
  const struct {
    Options options;
    Status status;
    std::string option, error;
  } cases[] = {
      {{{"drawing", "horn.png"}}, Status::usage, "drawing", "--drawing \"horn.png\" does not end in .svg, .pdf or .dxf"},
      {{{"drawing", "horn"}}, Status::usage, "drawing", "--drawing \"horn\" does not end in .svg, .pdf or .dxf"},
      {{{"model", "horn.obj"}}, Status::usage, "model", "--model \"horn.obj\" does not end in .stl: models are binary STL"},
      {{{"drawing", "h.svg"}, {"paper", "a4"}}, Status::usage, "paper", "--paper is for a PDF drawing (--drawing FILE.pdf)"},
      {{{"drawing", "h.pdf"}, {"paper", "a3"}}, Status::usage, "paper", "--paper \"a3\" is not one of a4, letter"},
      {{{"paper", "a4"}}, Status::usage, "paper", "--paper needs --drawing"},
      {{{"wall", "1"}}, Status::usage, "wall", "--wall needs --model"},
      {{{"model", "m.stl"}, {"wall", "0"}}, Status::usage, "wall", "--wall \"0\" is not positive"},
      {{{"model", "m.stl"}, {"wall", "8"}}, Status::usage, "wall",
       "--wall \"8\" is too thick for this horn: it must be less than 8 cm, the smallest of its aperture and axial "
       "length"},
      {{{"model", "m.stl"}, {"throat", "-1"}}, Status::usage, "throat", "--throat \"-1\" is negative"},
      {{{"tab", "6"}}, Status::usage, "tab", "--tab \"6\" is too wide for this horn's corner edges of 20.7648 cm: at most 5.1912 cm"},
      {{{"tab", "-1"}}, Status::usage, "tab", "--tab \"-1\" is not positive"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = run("parts", with(x_band, c.options));
    EXPECT_EQ(outcome.status, c.status) << c.error;
    EXPECT_EQ(outcome.option, c.option) << c.error;
    EXPECT_EQ(outcome.error, c.error);
  }
  const Options design = {{"gain", "20"}, {"frequency", "10"}, {"waveguide", "WR-90"}};
  EXPECT_EQ(run("gain-design", with(design, {{"net", ""}})).error, "--net needs --drawing");
  EXPECT_EQ(run("gain-design", with(design, {{"throat", "2"}})).error, "--throat needs --model");
  // Without a PDF renderer (the web page), a PDF drawing is refused.
  const Outcome no_pdf = run_request("parts", with(x_band, {{"drawing", "h.pdf"}}));
  EXPECT_EQ(no_pdf.error, "--drawing \"h.pdf\": PDF drawings are not made here; write .svg or .dxf");
  // A net that would overlap itself, a horn whose planes differ: no solution.
  const Outcome flat = run("parts", {{"aperture", "60,45"}, {"length", "3"}, {"waveguide", "WR-650"}, {"net", ""}});
  EXPECT_EQ(flat.status, Status::no_solution);
  EXPECT_EQ(flat.error, "the panels of this horn overlap when laid flat as one net: lay them out separately (leave out --net)");
  // A drawing too large to print is refused before it is drawn.
  const Outcome huge = run("parts", {{"aperture", "1000,800"}, {"length", "1000"}, {"waveguide", "WR-650"},
                                     {"units", "in"}, {"drawing", "h.pdf"}});
  EXPECT_EQ(huge.error, "--drawing \"h.pdf\" would take 40764 pages, more than 1000: draw it as .svg or .dxf");
  const Outcome failing = run_request("parts", with(x_band, {{"drawing", "h.pdf"}}),
                                      Settings{100, {}, [](const Sheet&, Paper) -> std::string { throw std::runtime_error("out of fonts"); }});
  EXPECT_EQ(failing.status, Status::no_solution);
  EXPECT_EQ(failing.error, "cannot draw --drawing \"h.pdf\": out of fonts");
}

double side(SheetPoint a, SheetPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The sheet: a 50 mm check square, the summary with the scale, each panel
// labelled, the cut outlines the layout's in millimetres, all on the sheet.
TEST(LayoutSheet, HoldsTheCheckSquareSummaryLabelsAndOutlines) {
  const Horn horn = make_horn(0.11, 0.08, 0.20, find_waveguide("WR-90"));
  const HornPanels panels = horn_panels(horn);
  for (const LayoutKind kind : {LayoutKind::separate, LayoutKind::net}) {
    const FlatLayout layout = flat_layout(horn, {kind, 0.01, metres_scale});
    const Sheet sheet = layout_sheet(horn, panels, layout, LengthUnit::cm);
    const SheetPath& square = sheet.paths.front();
    ASSERT_EQ(square.stroke, Stroke::note);
    ASSERT_EQ(square.points.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(side(square.points[i], square.points[(i + 1) % 4]), 50.0, 1e-12);
    std::string all_text;
    for (const SheetText& text : sheet.texts) all_text += text.text + "\n";
    for (const char* expected : {"50 mm\n", "check square\n", "scale 1:1", "Aperture 11 × 8 cm, axial length 20 cm",
                                 "Feed WR-90, 2.286 × 1.016 cm", "Broad wall 1 of 2\n", "Broad wall 2 of 2\n",
                                 "Narrow wall 1 of 2\n", "Narrow wall 2 of 2\n",
                                 "throat edge 2.286, aperture edge 11 cm\n", "height 20.303, corner edges 20.765 cm\n",
                                 "walls meet at 92.1°", "Print at 100 %"})
      EXPECT_NE(all_text.find(expected), std::string::npos) << expected;
    std::size_t cut = 0, folds = 0;
    for (const SheetPath& path : sheet.paths) {
      for (const SheetPoint p : path.points) {
        EXPECT_GE(p.x, sheet.margin);
        EXPECT_GE(p.y, sheet.margin);
        EXPECT_LE(p.x, sheet.width - sheet.margin + 1e-9);
        EXPECT_LE(p.y, sheet.height - sheet.margin + 1e-9);
      }
      if (path.stroke == Stroke::fold) ++folds;
      if (path.stroke != Stroke::cut) continue;
      const auto& outline = layout.outlines.at(cut++);
      ASSERT_EQ(path.points.size(), outline.size());
      for (std::size_t i = 0; i + 1 < outline.size(); ++i)
        EXPECT_NEAR(side(path.points[i], path.points[i + 1]),
                    1000.0 * std::hypot(outline[i + 1].x - outline[i].x, outline[i + 1].y - outline[i].y), 1e-9);
    }
    EXPECT_EQ(cut, layout.outlines.size());
    EXPECT_EQ(folds, layout.folds.size());
  }
}

// Pages: as few as the sheet needs at 1:1, portrait unless landscape takes fewer, named by row and column.
TEST(Tiles, FewestPagesThatHoldTheSheet) {
  const struct {
    double width, height;
    Paper paper;
    int columns, rows;
    bool landscape;
  } cases[] = {
      {150, 200, Paper::a4, 1, 1, false},   {190, 277, Paper::a4, 1, 1, false}, {191, 277, Paper::a4, 2, 1, false},
      {350, 264, Paper::a4, 2, 1, false},   {270, 180, Paper::a4, 1, 1, true},  {1500, 780, Paper::a4, 9, 3, false},
      {195.9, 259.4, Paper::letter, 1, 1, false}, {196, 260, Paper::letter, 1, 2, true},
  };
  for (const auto& c : cases) {
    const TilePlan plan = plan_tiles(c.width, c.height, c.paper);
    EXPECT_EQ(plan.columns, c.columns) << c.width << " x " << c.height;
    EXPECT_EQ(plan.rows, c.rows) << c.width << " x " << c.height;
    EXPECT_EQ(plan.landscape, c.landscape) << c.width << " x " << c.height;
    // The pages reach the sheet's far corner, and no fewer would.
    EXPECT_GE(plan.printable_width + (plan.columns - 1) * plan.step_x, c.width);
    EXPECT_GE(plan.printable_height + (plan.rows - 1) * plan.step_y, c.height);
    EXPECT_LT(plan.printable_width + (plan.columns - 2) * plan.step_x, c.width);
  }
  EXPECT_EQ(page_name(0, 0), "A1");
  EXPECT_EQ(page_name(2, 11), "C12");
  EXPECT_EQ(page_name(26, 0), "AA1");
}

}  // namespace
}  // namespace tarniq::request
