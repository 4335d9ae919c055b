// Composite Gauss-Legendre quadrature: the nodes and weights of [a, b] split into equal panels.
#pragma once

#include <array>
#include <cstddef>

namespace tarniq::detail {

// The eight-point rule on [-1, 1]: the positive nodes and their weights
// (the rule is symmetric), rounded from 30 digits. It integrates
// polynomials up to degree 15 exactly.
inline constexpr std::array<double, 4> kGaussNodes = {0.18343464249564980, 0.52553240991632899,
                                                      0.79666647741362674, 0.96028985649753623};
inline constexpr std::array<double, 4> kGaussWeights = {0.36268378337836198, 0.31370664587788729,
                                                        0.22238103445337447, 0.10122853629037626};
inline constexpr std::size_t kGaussOrder = 2 * kGaussNodes.size();

// Calls visit(x, w) for every node of the composite rule on `panels` equal
// panels of [a, b], in increasing x, so that Σ w·f(x) approximates ∫ f.
template <typename Visit>
void for_each_gauss_node(double a, double b, int panels, Visit visit) {
  const double h = (b - a) / panels;
  for (int p = 0; p < panels; ++p) {
    const double middle = a + (p + 0.5) * h;
    for (std::size_t k = kGaussNodes.size(); k-- > 0;) visit(middle - kGaussNodes[k] * h / 2, kGaussWeights[k] * h / 2);
    for (std::size_t k = 0; k < kGaussNodes.size(); ++k) visit(middle + kGaussNodes[k] * h / 2, kGaussWeights[k] * h / 2);
  }
}

}  // namespace tarniq::detail
