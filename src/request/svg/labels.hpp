// Placing text labels where they touch no drawn curve and no other label.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarniq::request::svg {

// A box, pixels.
struct Box {
  double x0, y0, x1, y1;
  bool overlaps(const Box& other) const { return x0 < other.x1 && other.x0 < x1 && y0 < other.y1 && other.y0 < y1; }
  bool holds(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// A label of text_size centred on (x, y).
struct Label {
  std::string text;
  double x, y;
  // The box it covers, with a little room around the text.
  Box box() const;
};

// What labels must keep clear of: points along drawn lines, and the labels
// placed so far.
class Clearance {
 public:
  void add_point(double x, double y) { points_.emplace_back(x, y); }
  // The segment's points at most 3 pixels apart.
  void add_segment(std::pair<double, double> a, std::pair<double, double> b);
  void add_label(const Label& label) { boxes_.push_back(label.box()); }

  // How many obstacles the label would touch.
  std::size_t collisions(const Label& label) const;

 private:
  std::vector<std::pair<double, double>> points_;
  std::vector<Box> boxes_;
};

// The first candidate clear of everything, if any, which is then kept clear of too.
std::optional<Label> place_clear(const std::vector<Label>& candidates, Clearance& clearance);

// The first candidate clear of everything, else the one touching least;
// kept clear of from now on. candidates must not be empty.
Label place(const std::vector<Label>& candidates, Clearance& clearance);

}  // namespace tarniq::request::svg
