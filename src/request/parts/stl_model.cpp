// Models as binary STL in millimetres.
#include <cstdint>
#include <cstring>

#include "request/parts/writers.hpp"

namespace tarniq::request {
namespace {

constexpr double kMillimetresPerMetre = 1000.0;
constexpr std::size_t kHeaderBytes = 80;

void put_uint(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

// The float's IEEE 754 bits (std::bit_cast is missing from the web build's C++ library).
void put_float(std::string& out, double value) {
  const float single = static_cast<float>(value);
  std::uint32_t bits = 0;
  std::memcpy(&bits, &single, sizeof bits);
  put_uint(out, bits, 4);
}

void put_vector(std::string& out, const Vector3& v, double scale) {
  put_float(out, v.x * scale);
  put_float(out, v.y * scale);
  put_float(out, v.z * scale);
}

}  // namespace

std::string binary_stl(const std::vector<Facet>& facets, std::string_view description) {
  // A header starting "solid" is taken for ASCII STL by some readers.
  std::string header = "binary STL, millimetres: ";
  header += description;
  header.resize(kHeaderBytes, ' ');
  std::string out = header;
  out.reserve(kHeaderBytes + 4 + 50 * facets.size());
  put_uint(out, static_cast<std::uint32_t>(facets.size()), 4);
  for (const Facet& facet : facets) {
    put_vector(out, facet.normal, 1.0);
    for (const Vector3& vertex : facet.vertices) put_vector(out, vertex, kMillimetresPerMetre);
    put_uint(out, 0, 2);  // no attributes
  }
  return out;
}

}  // namespace tarniq::request
