// The documentation cannot go stale unnoticed: committed plots, README examples and the man page against the program.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

#include "request/verbs/verb_table.hpp"
#include "run_cli.hpp"
#include "support/temp_dir.hpp"

namespace tarniq::cli {

using namespace tarniq::request;
namespace {

using tarniq::testing::read_file;
using testing::run_cli;

const std::filesystem::path source = TARNIQ_SOURCE_DIR;

// The text with each number replaced by "#", and the numbers in order.
std::pair<std::string, std::vector<double>> split_numbers(const std::string& text) {
  static const std::regex number(R"([-+]?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?)");
  std::pair<std::string, std::vector<double>> parts;
  parts.first = std::regex_replace(text, number, "#");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
    parts.second.push_back(std::stod(it->str()));
  return parts;
}

// Output as the README shows it: the same text, and numbers equal to a
// relative 1e-9, so that full-precision CSV and JSON do not fail on noise in
// the last digit from a change in a root finder.
void expect_same_output(const std::string& out, const std::string& shown, const std::string& command) {
  const auto [out_text, out_numbers] = split_numbers(out);
  const auto [shown_text, shown_numbers] = split_numbers(shown);
  EXPECT_EQ(out_text, shown_text) << command;
  ASSERT_EQ(out_numbers.size(), shown_numbers.size()) << command;
  for (std::size_t i = 0; i < out_numbers.size(); ++i)
    EXPECT_NEAR(out_numbers[i], shown_numbers[i], 1e-9 * std::fabs(shown_numbers[i])) << command << "\n" << out;
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> all;
  for (std::string word; in >> word;) all.push_back(word);
  return all;
}

// Each plot of docs/plots.txt is what the program draws now (`make docs`).
TEST(Docs, CommittedPlotsAreCurrent) {
  const tarniq::testing::TempDir dir;
  std::istringstream list(read_file(source / "docs/plots.txt"));
  int plots = 0;
  for (std::string line; std::getline(list, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> args = words(line);
    const std::string name = args.front();
    args.erase(args.begin());
    args.insert(args.end(), {"-o", "/dev/null", "--plot", (dir / name).string()});
    ASSERT_EQ(run_cli(args).status, 0) << line;
    EXPECT_TRUE(read_file(dir / name) == read_file(source / "docs" / name)) << "docs/" << name
                                                                               << " is stale: run make docs";
    ++plots;
  }
  EXPECT_GE(plots, 1);
}

// The examples of one README section ("$ tarniq-cli ..." and its output in
// one fenced block) against what the program prints now; how many there are.
int check_examples(const std::string& readme, const std::string& heading) {
  const std::size_t start = readme.find("\n## " + heading + "\n");
  EXPECT_NE(start, std::string::npos) << heading;
  if (start == std::string::npos) return 0;
  const std::string section = readme.substr(start, readme.find("\n## ", start + 1) - start);
  int examples = 0;
  for (std::size_t fence = section.find("```"); fence != std::string::npos;) {
    const std::size_t body = section.find('\n', fence) + 1;
    const std::size_t end = section.find("```", body);
    EXPECT_NE(end, std::string::npos) << heading;
    if (end == std::string::npos) break;
    const std::string block = section.substr(body, end - body);
    if (block.rfind("$ tarniq-cli ", 0) == 0) {
      const std::size_t line_end = block.find('\n');
      std::vector<std::string> args = words(block.substr(13, line_end - 13));
      std::string out = run_cli(args).out;
      std::erase(out, '\r');  // CSV lines end in CR LF; the README shows them as lines
      expect_same_output(out, block.substr(line_end + 1), block.substr(0, line_end));
      ++examples;
    }
    fence = section.find("```", end + 3);
  }
  return examples;
}

// Each example of the README's "Quick start", "Scripted use", "Feeding a dish"
// and "Building the horn" sections is what the program prints now.
TEST(Docs, ReadmeExamplesAreCurrent) {
  const std::string readme = read_file(source / "README.md");
  EXPECT_GE(check_examples(readme, "Quick start"), 1);
  EXPECT_GE(check_examples(readme, "Scripted use"), 5);
  EXPECT_GE(check_examples(readme, "Feeding a dish"), 3);
  EXPECT_GE(check_examples(readme, "Building the horn"), 1);
}

// The verb table is the one list of options: each verb's --help and its
// part of the manual page list exactly the table's options, in its order,
// with the same help lines (the page is written from the table when the
// program is built; --help comes from CLI11).
TEST(Docs, HelpAndManualPageListTheVerbTablesOptions) {
  const std::string page = read_file(TARNIQ_CLI_MAN_PAGE);
  const auto roff = [](std::string_view text) {
    std::string escaped;
    for (const char c : text) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    return escaped;
  };
  for (const auto& verb : verb_table()) {
    SCOPED_TRACE(std::string(verb.name));
    EXPECT_NE(page.find(".B " + roff(verb.name) + "\n"), std::string::npos);
    const std::string help = run_cli({std::string(verb.name), "--help"}).out;
    std::size_t in_help = 0;
    std::size_t in_page = page.find(".B " + roff(verb.name) + "\n");
    for (const auto& option : verb.options) {
      const std::string name = "--" + std::string(option.name);
      in_help = help.find(name, in_help);
      EXPECT_NE(in_help, std::string::npos) << name << " in --help";
      // CLI11 wraps long help lines: compare the words of the first line.
      const std::string line = help_line(verb, option);
      EXPECT_NE(help.find(line.substr(0, std::min<std::size_t>(line.size(), 30)), in_help), std::string::npos) << name;
      in_page = page.find(roff(name), in_page);
      EXPECT_NE(in_page, std::string::npos) << name << " in the manual page";
      EXPECT_NE(page.find(roff(line), in_page), std::string::npos) << name;
    }
  }
}

}  // namespace
}  // namespace tarniq::cli
