// Fuzz target: whole tarniq-cli requests (a verb and option lines) through the request layer and every format.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "request/output/formats.hpp"
#include "request/request.hpp"

using namespace tarniq::request;

namespace {

// Requests stay small so that each input runs fast: ranges of at most a few rows.
constexpr std::size_t kMaxRows = 12;

// The input is a verb on the first line, then one "name=value" per line
// (a line without '=' is a flag).
std::pair<std::string, Options> decode(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t from = 0; from <= text.size();) {
    const std::size_t end = std::min(text.find('\n', from), text.size());
    lines.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  Options options;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const std::size_t equals = lines[i].find('=');
    const std::string_view name = lines[i].substr(0, equals);
    options[std::string(name)] = equals == std::string_view::npos ? "" : std::string(lines[i].substr(equals + 1));
  }
  return {std::string(lines.front()), options};
}

// Files a request may name: one design's JSON output and one feed pattern
// file, nothing else.
FileText read_file(const std::string& path) {
  if (path == "feed.csv")
    return {"angle_deg,e_plane_dbi,h_plane_dbi,e_phase_deg,h_phase_deg\r\n"
            "-60,-9.5,-8,40,35\r\n-30,-2.5,-2,5,4\r\n0,0,0,0,0\r\n30,-2.4,-2.1,5,4\r\n60,-9.4,-8.2,41,34\r\n"
            "90,-22,-25,120,100\r\n",
            {}};
  if (path != "design.json") return {std::nullopt, "No such file or directory"};
  return {R"({"verb": "design", "units": "cm", "input": {"waveguide": {"name": "WR-90"}},
             "rows": [{"aperture_width_cm": 10.2, "aperture_height_cm": 5.0, "axial_length_cm": 33.7,
                       "h_slant_radius_cm": 43.7, "e_slant_radius_cm": 42.35}]})",
          {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [verb, options] = decode({reinterpret_cast<const char*>(data), size});
  const Outcome outcome = run_request(verb, options, Settings{kMaxRows, read_file, {}});
  if (outcome.status != Status::ok) {
    if (outcome.error.empty()) std::abort();
    // A usage error names the option it is about, as typed or (an unknown
    // name with control characters) quoted safely.
    const std::string dashed = "--" + outcome.option;
    if (outcome.status == Status::usage && !outcome.option.empty() && verb != "" &&
        outcome.error.find(dashed) == std::string::npos && outcome.error.find(in_quotes(dashed)) == std::string::npos &&
        outcome.error.find("missing") == std::string::npos)
      std::abort();
    return 0;
  }
  const Result& result = outcome.result;
  // Given ranges keep to the limit; the default angles (-90:90:0.5) and the
  // waveguide catalogue are fixed lists.
  constexpr std::size_t kDefaultAngles = 361;
  if (result.rows.size() > std::max(kMaxRows, kDefaultAngles) && verb != "waveguides") std::abort();
  for (const auto& row : result.rows)
    if (row.size() != result.columns.size()) std::abort();
  for (const Format format : {Format::table, Format::csv, Format::json}) (void)format_result(result, format);
  if (options.count("plot") != 0 && result.plot_svg.empty() && verb != "waveguides")
    std::abort();
  // Each file option gives its file, made whole.
  for (const char* name : {"drawing", "model"})
    if (options.count(name) != 0 && std::none_of(result.files.begin(), result.files.end(), [&](const OutputFile& file) {
          return file.option == name && !file.bytes.empty();
        }))
      std::abort();
  return 0;
}
