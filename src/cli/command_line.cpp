// The command line: CLI11 subcommands built from the verb table, the request run, results written out.
#include "command_line.hpp"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "atomic_files.hpp"
#include "diagnostics.hpp"
#include "parse_messages.hpp"
#include "request/pdf/pdf_drawing.hpp"
#include "request/request.hpp"
#include "request/verbs/verb_table.hpp"

namespace tarniq::cli {

using namespace tarniq::request;

namespace {

// What the parser filled in for one verb: option text and flags by name.
struct VerbValues {
  std::map<std::string, std::string> text;
  std::map<std::string, bool> flags;
};

std::string program_footer() {
  std::string footer = "Examples:\n";
  for (const auto& verb : verb_table()) footer += "  " + std::string(verb.example) + "\n";
  footer +=
      "\nLengths are in --units (cm, mm or in), frequencies in GHz, angles in degrees.\n"
      "Exit status: 0 done, 1 no solution (or an output file not written), 2 usage error.";
  return footer;
}

void add_verb(CLI::App& app, const VerbDefinition& verb, VerbValues& values) {
  CLI::App* command = app.add_subcommand(std::string(verb.name), std::string(verb.summary));
  command->footer("Example:\n  " + std::string(verb.example));
  for (const auto& option : verb.options) {
    const std::string name{option.name};
    std::string flags = "--" + name;
    if (option.short_name != 0) flags = std::string("-") + option.short_name + "," + flags;
    if (option.value_name.empty()) {
      command->add_flag(flags, values.flags[name], help_line(verb, option));
    } else {
      command->add_option(flags, values.text[name], help_line(verb, option))
          ->type_name(std::string(option.value_name))
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
  }
}

// The options given on the command line, as the request layer takes them.
Options given_options(const CLI::App& command, const VerbDefinition& verb, const VerbValues& values) {
  Options options;
  for (const auto& option : verb.options) {
    const std::string name{option.name};
    if (command.get_option("--" + name)->count() == 0) continue;
    options[name] = option.value_name.empty() ? (values.flags.at(name) ? "true" : "false") : values.text.at(name);
  }
  return options;
}

bool write_standard_output(const std::string& text) {
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) return false;
  return std::fflush(stdout) == 0;
}

int finish(const Outcome& outcome, const std::string& verb, const Options& options) {
  if (outcome.status == Status::usage) {
    report_usage_error(outcome.error, verb);
    return static_cast<int>(outcome.status);
  }
  if (outcome.status != Status::ok) {
    report_error(outcome.error);
    return static_cast<int>(outcome.status);
  }
  std::vector<PendingFile> files;
  const auto output = options.find("output");
  const auto plot = options.find("plot");
  const bool to_standard_output = output == options.end() || output->second == "-";
  // A CSV to standard output goes out in pieces: a long one is never held whole.
  const bool streamed = to_standard_output && outcome.format == Format::csv;
  std::string text = streamed ? std::string() : format_result(outcome.result, outcome.format);
  // A table on a terminal shows its warnings under it: they are not said twice.
  const bool warnings_shown = to_standard_output && outcome.format == Format::table && ::isatty(STDOUT_FILENO) == 1;
  if (!warnings_shown)
    for (const auto& warning : outcome.result.warnings) report_warning(warning.message);
  if (!to_standard_output) files.push_back({output->second, std::move(text)});  // a long table is not copied
  if (plot != options.end()) files.push_back({plot->second, outcome.result.plot_svg});
  for (const auto& file : outcome.result.files) files.push_back({file.name, file.bytes});
  try {
    write_files(files);
  } catch (const FileError& error) {
    report_error(error.what());
    return static_cast<int>(Status::no_solution);
  }
  if (streamed) {
    bool written = true;
    write_csv(outcome.result, [&](std::string_view piece) {
      written = written && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
    });
    text.clear();
    if (!written || std::fflush(stdout) != 0) {
      report_error(std::string("cannot write standard output: ") + std::strerror(errno));
      return static_cast<int>(Status::no_solution);
    }
  } else if (to_standard_output && !write_standard_output(text)) {
    report_error(std::string("cannot write standard output: ") + std::strerror(errno));
    return static_cast<int>(Status::no_solution);
  }
  return static_cast<int>(Status::ok);
}

// The options that name a file to write.
constexpr const char* kFileOptions[] = {"output", "plot", "drawing", "model"};

// Front-end checks of the file options, before any work is done: each names
// a file, and no two the same one (standard output, "-", is no file).
void check_files(const Options& options) {
  std::vector<std::string> given;
  for (const char* name : kFileOptions) {
    const auto found = options.find(name);
    if (found == options.end()) continue;
    if (found->second.empty()) throw UsageError(name, std::string("--") + name + " needs a file name");
    if (std::string_view(name) == "output" && found->second == "-") continue;
    for (const std::string& earlier : given)
      if (same_file(options.at(earlier), found->second))
        throw UsageError(name, "--" + earlier + " and --" + name + " name the same file " + in_quotes(found->second));
    given.push_back(name);
  }
}

}  // namespace

int run_command_line(int argc, const char* const* argv) {
  CLI::App app{"tarniq-cli: scripted design and analysis of pyramidal horns fed from a rectangular waveguide",
               "tarniq-cli"};
  app.set_help_flag("-h,--help", "show this help and exit");
  app.set_version_flag("--version", "tarniq-cli " TARNIQ_VERSION, "show the version and exit");
  app.require_subcommand(1);
  app.footer(program_footer());
  app.get_formatter()->column_width(26);
  std::map<std::string, VerbValues> values;
  for (const auto& verb : verb_table()) add_verb(app, verb, values[std::string(verb.name)]);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return app.exit(error);
    report_usage_error(parse_error_message(error, argc, argv), named_verb(argc, argv));
    return static_cast<int>(Status::usage);
  }

  const CLI::App* command = app.get_subcommands().front();
  const std::string verb = command->get_name();
  const VerbDefinition& definition = *find_verb(verb);
  const Options options = given_options(*command, definition, values.at(verb));
  try {
    check_files(options);
  } catch (const UsageError& error) {
    report_usage_error(error.what(), verb);
    return static_cast<int>(Status::usage);
  }
  Settings settings;
  settings.read_file = read_file_from_disk;
  settings.render_pdf = pdf::render_pdf;
  return finish(run_request(verb, options, settings), verb, options);
}

}  // namespace tarniq::cli
