// Test helper: does a value round to an expected decimal given to a number of significant digits?
#pragma once

#include <gtest/gtest.h>

#include <cmath>

namespace tarniq::design::testing_support {

// True when |actual - expected| is at most half a unit in the last of the
// given significant digits of expected (with a hair of slack for the
// decimal's own rounding).
inline ::testing::AssertionResult RoundsTo(double actual, double expected, int digits) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - (digits - 1));
  if (std::fabs(actual - expected) <= 0.5 * unit * (1.0 + 1e-6)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << actual << " does not round to " << expected << " at " << digits << " digits";
}

}  // namespace tarniq::design::testing_support
