// tarniq-cli as a script runs it: exit statuses, one-line errors, warnings, and output files written whole or not at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/readers.hpp"
#include "run_cli.hpp"
#include "support/program.hpp"
#include "support/temp_dir.hpp"
#include "support/svg_check.hpp"
#include "tarniq/version.hpp"

namespace tarniq::cli {
namespace {

using tarniq::testing::read_file;
using tarniq::testing::TempDir;
using tarniq::testing::write_file;
using testing::run_cli;

const std::vector<std::string> horn = {"--aperture", "11,8", "--length", "20", "--waveguide", "WR-90"};

std::vector<std::string> pattern_args(std::vector<std::string> extra) {
  std::vector<std::string> args{"pattern"};
  args.insert(args.end(), horn.begin(), horn.end());
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

// Usage mistakes end with status 2 and one line naming the option, the value
// and the help to read; a request without a solution with status 1.
TEST(Program, ErrorsEndWithOneLineAndTheirStatus) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"pattern", "--frob"}, 2, "unknown option \"--frob\"; did you mean --from? (see tarniq-cli pattern --help)"},
      {{"pattern", "--frob", "1"}, 2, "unknown option \"--frob\"; did you mean --from? (see tarniq-cli pattern --help)"},
      {pattern_args({"--frequency"}), 2, "--frequency needs a value (see tarniq-cli pattern --help)"},
      {pattern_args({"--frequency", "12cm"}), 2, "--frequency \"12cm\" is not a number (see tarniq-cli pattern --help)"},
      {pattern_args({"--frequency", "nan"}), 2,
       "--frequency \"nan\" is not a finite number (see tarniq-cli pattern --help)"},
      {pattern_args({"--frequency", "10", "--length", "0"}), 2,
       "--length \"0\" is not positive (see tarniq-cli pattern --help)"},
      {pattern_args({"--frequency", "10", "--angles", "0:10:0"}), 2,
       "--angles \"0:10:0\" has a step of 0 (see tarniq-cli pattern --help)"},
      {pattern_args({"--frequency", "10", "--angles", "10:0:1"}), 2,
       "--angles \"10:0:1\" goes nowhere: a step of 1 leads away from 0 (see tarniq-cli pattern --help)"},
      {pattern_args({"--frequency", "10", "--angles", "-90:90:0.001"}), 2,
       "--angles \"-90:90:0.001\" gives 180001 rows, more than 100000 (see tarniq-cli pattern --help)"},
      {{"frob"}, 2, "unknown verb \"frob\" (design, gain-design, feed-design, analyze, pattern, field, phase-center, dish, parts, waveguides) (see tarniq-cli --help)"},
      {{}, 2, "missing verb: design, gain-design, feed-design, analyze, pattern, field, phase-center, dish, parts, waveguides (see tarniq-cli --help)"},
      {{"desing"}, 2,
       "unknown verb \"desing\" (design, gain-design, feed-design, analyze, pattern, field, phase-center, dish, parts, waveguides); did you mean design? (see "
       "tarniq-cli --help)"},
      {pattern_args({"--frequency", "10", "--aperture", "2"}), 1,
       "aperture width 2 cm is not larger than the waveguide width 2.286 cm"},
  };
  for (const auto& c : cases) {
    const auto run = run_cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.err;
    EXPECT_EQ(run.err, "tarniq-cli: error: " + c.err + "\n");
    EXPECT_EQ(run.out, "");
  }
}

TEST(Program, HelpVersionAndWarnings) {
  const auto help = run_cli({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* verb : {"design", "gain-design", "analyze", "pattern", "parts", "waveguides"})
    EXPECT_NE(help.out.find(std::string("tarniq-cli ") + verb + " --"), std::string::npos) << verb;
  EXPECT_EQ(run_cli({"design", "--help"}).status, 0);
  EXPECT_EQ(run_cli({"--version"}).out, std::string("tarniq-cli ") + tarniq::version + "\n");
  const auto wide = run_cli(pattern_args({"--frequency", "10", "--angles", "0:120:60", "--format", "csv"}));
  EXPECT_EQ(wide.status, 0);
  EXPECT_EQ(wide.err, "tarniq-cli: warning: Angles beyond ±90° follow the aperture formula but no longer describe "
                      "the horn.\n");
  EXPECT_EQ(testing::read_csv(wide.out).size(), 4u);
}

// A failed run leaves no new file and keeps an old one; a good run replaces
// the file, keeping its permissions and the link that names it.
TEST(Program, OutputFilesAreWrittenWholeOrNotAtAll) {
  const TempDir dir;
  const auto failed = run_cli(pattern_args({"--frequency", "-1", "-o", "new.csv", "--plot", "new.svg"}), dir.path());
  EXPECT_EQ(failed.status, 2);
  EXPECT_FALSE(std::filesystem::exists(dir / "new.csv"));
  EXPECT_FALSE(std::filesystem::exists(dir / "new.svg"));

  write_file(dir / "old.csv", "old contents\n");
  ::chmod((dir / "old.csv").c_str(), 0640);
  std::filesystem::create_symlink("old.csv", dir / "link.csv");
  EXPECT_EQ(run_cli(pattern_args({"--frequency", "10", "--aperture", "1", "-o", "link.csv"}), dir.path()).status, 1);
  EXPECT_EQ(read_file(dir / "old.csv"), "old contents\n");

  EXPECT_EQ(run_cli(pattern_args({"--frequency", "10", "--format", "csv", "-o", "link.csv"}), dir.path()).status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
  EXPECT_EQ(read_file(dir / "old.csv").substr(0, 9), "angle_deg");
  EXPECT_EQ(std::filesystem::status(dir / "old.csv").permissions() & std::filesystem::perms::all,
            std::filesystem::perms(0640));
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();

  const auto full = run_cli(pattern_args({"--frequency", "10", "-o", "/dev/full"}));
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "tarniq-cli: error: cannot write /dev/full: No space left on device\n");
  EXPECT_EQ(run_cli(pattern_args({"--frequency", "10", "-o", "same", "--plot", "./same"}), dir.path()).status, 2);
}

// The plot file is SVG whose E- and H-plane curves read back as the CSV's data.
TEST(Program, PatternPlotMapsBackToTheCsv) {
  const TempDir dir;
  for (const bool polar : {false, true}) {
    std::vector<std::string> args = {"--frequency", "10", "--format", "csv", "-o", "cut.csv", "--plot", "cut.svg"};
    if (polar) args.push_back("--polar");
    ASSERT_EQ(run_cli(pattern_args(args), dir.path()).status, 0);
    const auto csv = testing::read_csv(read_file(dir / "cut.csv"));
    const testing::XmlElement svg = testing::read_xml(read_file(dir / "cut.svg"));
    const testing::XmlElement* area = nullptr;
    for (const auto* element : svg.all(polar ? "path" : "rect"))
      if (element->attributes.count("class") != 0) area = element;
    ASSERT_NE(area, nullptr);
    const double floor = testing::number(*area, polar ? "data-level-min" : "data-y-min");
    for (const auto& [column, series] : {std::pair{1, "E plane"}, std::pair{2, "H plane"}}) {
      const auto pixels = testing::series_pixels(svg, series);
      ASSERT_EQ(pixels.size(), csv.size() - 1) << series;
      for (std::size_t i = 0; i < pixels.size(); ++i) {
        const auto [x, level] = polar ? testing::polar_data(*area, pixels[i]) : testing::chart_data(*area, pixels[i]);
        const double angle = std::stod(csv[i + 1][0]), value = std::stod(csv[i + 1][static_cast<std::size_t>(column)]);
        if (value < floor) continue;
        EXPECT_NEAR(level, value, 0.01) << series << " " << angle;
        // Near the centre of a polar plot a pixel spans many degrees.
        if (!polar || value > floor + 5.0) {
          EXPECT_NEAR(x, angle, polar ? 0.05 : 0.01) << series << " " << angle;
        }
      }
    }
  }
}

// A warning is said once where a person reads it: on a terminal the table
// carries it; into a pipe or a file the table has it and standard error too,
// for the scripts that read only one of them.
TEST(Program, AWarningIsSaidOnceOnATerminal) {
  const std::vector<std::string> args = {"analyze", "--aperture", "11,8", "--length", "20", "--waveguide", "WR-90",
                                         "--frequency", "7"};
  const std::string warning = "7 GHz is outside the recommended band of WR-90";
  tarniq::testing::ChildProcess terminal(
      {.arguments = args, .streams = tarniq::testing::ChildProcess::Streams::Terminal, .program = TARNIQ_CLI_BINARY});
  const std::string screen = terminal.read_until("12.4 GHz.\r\n");
  EXPECT_EQ(terminal.wait().status, 0);
  const auto count = [&](const std::string& text) {
    std::size_t n = 0;
    for (std::size_t at = text.find(warning); at != std::string::npos; at = text.find(warning, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count(screen), 1u) << screen;
  const auto piped = run_cli(args);
  EXPECT_EQ(count(piped.out), 1u);
  EXPECT_EQ(count(piped.err), 1u);
}

}  // namespace
}  // namespace tarniq::cli
