// Fuzz target: the web build's from_chars and to_chars must read and write every input as the host's standard library does.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "compat/floating_charconv.hpp"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void compare_writing(double value) {
  char host[400], web[400];
  const auto h = std::to_chars(host, host + sizeof host, value);
  const auto w = tarniq::web::shortest_to_chars(web, web + sizeof web, value);
  require(std::string(host, h.ptr) == std::string(web, w.ptr));
  for (const int decimals : {0, 2, 4}) {
    const auto hf = std::to_chars(host, host + sizeof host, value, std::chars_format::fixed, decimals);
    const auto wf = tarniq::web::precise_to_chars(web, web + sizeof web, value, std::chars_format::fixed, decimals);
    require(hf.ec == wf.ec && (hf.ec != std::errc{} || std::string(host, hf.ptr) == std::string(web, wf.ptr)));
  }
  for (const int digits : {12, 15}) {
    const auto hg = std::to_chars(host, host + sizeof host, value, std::chars_format::general, digits);
    const auto wg = tarniq::web::precise_to_chars(web, web + sizeof web, value, std::chars_format::general, digits);
    require(std::string(host, hg.ptr) == std::string(web, wg.ptr));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  double host = -1.5, web = -1.5;
  const auto h = std::from_chars(text.data(), text.data() + text.size(), host);
  const auto w = tarniq::web::decimal_from_chars(text.data(), text.data() + text.size(), web,
                                                 std::chars_format::general);
  require(h.ec == w.ec && h.ptr == w.ptr);
  require(std::isnan(host) ? std::isnan(web) : std::bit_cast<std::uint64_t>(host) == std::bit_cast<std::uint64_t>(web));
  // The bytes as a double's bit pattern, when there are eight of them.
  if (size == sizeof(double)) {
    double bits = 0.0;
    std::memcpy(&bits, data, sizeof bits);
    if (std::isfinite(bits)) compare_writing(bits);
  }
  if (h.ec == std::errc{} && std::isfinite(host)) compare_writing(host);
  return 0;
}
