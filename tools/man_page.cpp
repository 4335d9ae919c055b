// Writes tarniq-cli's manual page: the template's text with each verb's options from the verb table.
//
// Usage: man_page TEMPLATE OUTPUT. Every line of the template of the form
//   .\" @options VERB@
// becomes the list of that verb's options, in the table's order, with their
// value names and help lines as `tarniq-cli VERB --help` shows them.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "request/verbs/verb_table.hpp"

namespace {

using tarniq::request::OptionDefinition;
using tarniq::request::VerbDefinition;

// Text for roff: hyphens as \-, backslashes doubled, a leading dot or quote protected.
std::string roff(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '-') out += "\\-";
    else if (c == '\\') out += "\\e";
    else out += c;
  }
  if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
  return out;
}

std::string option_entry(const VerbDefinition& verb, const OptionDefinition& option) {
  std::string names;
  if (option.short_name != 0) names = "\\-" + std::string(1, option.short_name) + ", ";
  names += "\\-\\-" + roff(option.name);
  std::string entry = ".TP\n";
  entry += option.value_name.empty() ? ".B " + names + "\n"
                                     : ".BI \"" + names + "\" \" " + roff(option.value_name) + "\"\n";
  return entry + roff(tarniq::request::help_line(verb, option)) + "\n";
}

std::string options_of(std::string_view name) {
  const VerbDefinition* verb = tarniq::request::find_verb(name);
  if (verb == nullptr) throw std::runtime_error("the template names an unknown verb " + std::string(name));
  std::string block = ".RS\n.PP\nOptions:\n";
  for (const auto& option : verb->options) block += option_entry(*verb, option);
  return block + ".RE\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: man_page TEMPLATE OUTPUT\n";
    return 2;
  }
  try {
    std::ifstream in(argv[1]);
    if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    const std::string marker = ".\\\" @options ";
    std::ostringstream page;
    for (std::string line; std::getline(in, line);) {
      if (line.rfind(marker, 0) == 0 && line.back() == '@')
        page << options_of(line.substr(marker.size(), line.size() - marker.size() - 1));
      else
        page << line << '\n';
    }
    std::ofstream out(argv[2]);
    out << page.str();
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "man_page: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
