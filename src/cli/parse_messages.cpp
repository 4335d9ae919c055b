// Rewording CLI11's parse errors: unknown options and verbs, missing values, flags given a value.
#include "parse_messages.hpp"

#include <sstream>
#include <string_view>
#include <vector>

#include "request/parse/options.hpp"
#include "request/verbs/verb_table.hpp"

namespace tarniq::cli {

using namespace tarniq::request;

namespace {

// The items of a CLI11 message after its "...: " lead, separated by blanks.
std::vector<std::string> items_after_colon(const std::string& message) {
  std::vector<std::string> items;
  const std::size_t colon = message.find(": ");
  if (colon == std::string::npos) return items;
  std::istringstream rest(message.substr(colon + 2));
  for (std::string item; rest >> item;) items.push_back(item);
  return items;
}

// The item to name among arguments not expected: an unknown option first
// (its value, if it had one, is only a consequence), else the first item.
std::string item_to_name(const std::vector<std::string>& items) {
  for (const std::string& item : items)
    if (item.size() > 1 && item[0] == '-') return item;
  return items.empty() ? std::string{} : items.front();
}

// "; did you mean --frequency?" for a slip in an option of the verb named.
std::string option_hint(const std::string& item, int argc, const char* const* argv) {
  const VerbDefinition* verb = find_verb(named_verb(argc, argv));
  if (verb == nullptr) return {};
  std::string given = item.substr(item.find_first_not_of('-'));
  given = given.substr(0, given.find('='));
  std::vector<std::string_view> names;
  for (const auto& option : verb->options) names.push_back(option.name);
  const std::string nearest = nearest_name(given, names);
  return nearest.empty() ? std::string{} : "; did you mean --" + nearest + "?";
}

std::string first_argument(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i)
    if (argv[i][0] != '-') return argv[i];
  return {};
}

}  // namespace

std::string named_verb(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i)
    if (find_verb(argv[i]) != nullptr) return argv[i];
  return {};
}

std::string parse_error_message(const CLI::ParseError& error, int argc, const char* const* argv) {
  const std::string message = error.what();
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr && message.find("ubcommand") != std::string::npos) {
    const std::string given = first_argument(argc, argv);
    if (!given.empty() && named_verb(argc, argv).empty()) {
      std::vector<std::string_view> names;
      for (const auto& verb : verb_table()) names.push_back(verb.name);
      const std::string nearest = nearest_name(given, names);
      return "unknown verb " + in_quotes(given) + " (" + verb_names() + ")" +
             (nearest.empty() ? "" : "; did you mean " + nearest + "?");
    }
    return "missing verb: " + verb_names();
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    const std::string item = item_to_name(items_after_colon(message));
    if (!item.empty() && item[0] == '-') return "unknown option " + in_quotes(item) + option_hint(item, argc, argv);
    return "unexpected argument " + in_quotes(item);
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr && message.find(" missing") != std::string::npos) {
    // "--frequency: 1 required GHZ missing"
    return message.substr(0, message.find(':')) + " needs a value";
  }
  if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
    // "Could not convert: --square = maybe"
    const std::size_t equals = message.find(" = ");
    const std::vector<std::string> items = items_after_colon(message);
    const std::string option = items.empty() ? std::string{} : items.front();
    if (equals != std::string::npos && !option.empty())
      return option + " " + in_quotes(message.substr(equals + 3)) + " is not true or false";
  }
  std::string reworded = message;
  if (!reworded.empty() && reworded[0] >= 'A' && reworded[0] <= 'Z') reworded[0] = static_cast<char>(reworded[0] - 'A' + 'a');
  return reworded;
}

}  // namespace tarniq::cli
