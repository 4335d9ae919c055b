// Label placement: boxes of estimated text, and the first candidate position that touches nothing.
#include "request/svg/labels.hpp"

#include <algorithm>
#include <cmath>

#include "request/svg/svg_document.hpp"

namespace tarniq::request::svg {
namespace {

constexpr double padding = 2.0;  // kept clear around a label

}  // namespace

Box Label::box() const {
  const double half_width = text_width(text, text_size) / 2.0 + padding;
  const double half_height = text_size * 0.5 + padding;
  return {x - half_width, y - half_height, x + half_width, y + half_height};
}

void Clearance::add_segment(std::pair<double, double> a, std::pair<double, double> b) {
  const double length = std::hypot(b.first - a.first, b.second - a.second);
  const int steps = std::max(1, static_cast<int>(std::ceil(length / 3.0)));
  for (int k = 0; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps;
    add_point(a.first + t * (b.first - a.first), a.second + t * (b.second - a.second));
  }
}

std::size_t Clearance::collisions(const Label& label) const {
  const Box box = label.box();
  std::size_t count = 0;
  for (const auto& [x, y] : points_) count += box.holds(x, y);
  for (const auto& other : boxes_) count += box.overlaps(other);
  return count;
}

std::optional<Label> place_clear(const std::vector<Label>& candidates, Clearance& clearance) {
  for (const auto& candidate : candidates) {
    if (clearance.collisions(candidate) != 0) continue;
    clearance.add_label(candidate);
    return candidate;
  }
  return std::nullopt;
}

Label place(const std::vector<Label>& candidates, Clearance& clearance) {
  if (const auto clear = place_clear(candidates, clearance)) return *clear;
  const auto fewest = std::min_element(candidates.begin(), candidates.end(), [&](const Label& a, const Label& b) {
    return clearance.collisions(a) < clearance.collisions(b);
  });
  clearance.add_label(*fewest);
  return *fewest;
}

}  // namespace tarniq::request::svg
