// tarniq-cli's parts files: written with the results, whole or not at all, each under its own name.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_cli.hpp"
#include "support/temp_dir.hpp"

namespace tarniq::cli {
namespace {

using tarniq::testing::read_file;
using tarniq::testing::TempDir;
using testing::run_cli;

std::vector<std::string> parts_args(std::vector<std::string> extra) {
  std::vector<std::string> args{"parts", "--aperture", "11,8", "--length", "20", "--waveguide", "WR-90"};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}


// Every file the options name is written, with the output and the plot; a
// refusal, or one file that cannot be written, leaves none of them.
TEST(PartsFiles, WrittenTogetherOrNotAtAll) {
  const TempDir dir;
  const auto good = run_cli(parts_args({"--net", "--drawing", "h.svg", "--model", "h.stl", "-o", "t.csv", "--format",
                                        "csv", "--plot", "p.svg"}),
                            dir.path());
  ASSERT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(good.out, "");
  EXPECT_EQ(read_file(dir / "h.svg"), read_file(dir / "p.svg"));
  EXPECT_EQ(read_file(dir / "t.csv").substr(0, 11), "panel,count");
  EXPECT_GT(read_file(dir / "h.stl").size(), 84u);

  const TempDir other;
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } failures[] = {
      {parts_args({"--tab", "9", "--drawing", "a.svg", "--model", "a.stl"}), 2,
       "--tab \"9\" is too wide for this horn's corner edges of 20.7648 cm: at most 5.1912 cm (see tarniq-cli parts --help)"},
      {parts_args({"--drawing", "a.svg", "--model", "no/such/folder/a.stl"}), 1,
       "cannot write no/such/folder/a.stl: No such file or directory"},
      {parts_args({"--drawing", "a.svg", "--model", "./a.svg"}), 2,
       "--drawing and --model name the same file \"./a.svg\" (see tarniq-cli parts --help)"},
      {parts_args({"--drawing", "./a.svg", "--plot", "a.svg"}), 2,
       "--plot and --drawing name the same file \"./a.svg\" (see tarniq-cli parts --help)"},
      {parts_args({"--drawing", "a.svg", "-o", "a.svg"}), 2,
       "--output and --drawing name the same file \"a.svg\" (see tarniq-cli parts --help)"},
      {parts_args({"--drawing", ""}), 2, "--drawing needs a file name (see tarniq-cli parts --help)"},
      {{"design", "--e-beamwidth", "30", "--h-beamwidth", "20", "--frequency", "10", "--waveguide", "WR-90", "--s",
        "0.1:0.3:0.1", "--drawing", "a.svg"},
       2, "--drawing needs one horn, and this request gives 3 rows (see tarniq-cli design --help)"},
  };
  for (const auto& f : failures) {
    const auto run = run_cli(f.args, other.path());
    EXPECT_EQ(run.status, f.status) << f.err;
    EXPECT_EQ(run.err, "tarniq-cli: error: " + f.err + "\n");
    EXPECT_FALSE(std::filesystem::exists(other / "a.svg")) << f.err;
    EXPECT_FALSE(std::filesystem::exists(other / "a.stl")) << f.err;
  }
  for (const auto& entry : std::filesystem::directory_iterator(other.path())) ADD_FAILURE() << entry.path();
}

// "Design it and give me the parts" is one command.
TEST(PartsFiles, DesignAndPartsInOneCommand) {
  const TempDir dir;
  const auto run = run_cli({"gain-design", "--gain", "20", "--frequency", "10", "--waveguide", "WR-90", "--drawing",
                            "horn.dxf", "--model", "horn.stl", "--wall", "1.5", "--units", "mm", "--format", "csv"},
                           dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(read_file(dir / "horn.dxf").substr(0, 9), "0\nSECTION");
  EXPECT_TRUE(std::filesystem::exists(dir / "horn.stl"));
}

}  // namespace
}  // namespace tarniq::cli
