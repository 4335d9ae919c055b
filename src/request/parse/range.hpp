// A value or a range START:STOP:STEP typed by a user, and the values it names.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "request/parse/number.hpp"

namespace tarniq::request {

// One value is the range value:value with no step.
struct Range {
  double start = 0.0;
  double stop = 0.0;
  double step = 0.0;  // 0 for a single value
  bool single() const { return step == 0.0 && start == stop; }
};

enum class RangeError {
  none,
  bad_number,  // a part is not a finite number; see number_error and part
  bad_shape,   // not one value and not three parts START:STOP:STEP
  zero_step,   // START:STOP:0
  nowhere,     // the step leads away from STOP
  too_many,    // more than the allowed number of values
};

struct RangeScan {
  Range range;
  RangeError error = RangeError::none;
  NumberError number_error = NumberError::none;  // for bad_number
  std::string part;                              // for bad_number: the part that failed
  double count = 0.0;                            // for too_many: how many values it names
};

// Reads "X" or "START:STOP:STEP". STOP is reached when it lies on the grid
// (to a relative 1e-9 of a step) and never passed; a range with START equal
// to STOP names one value whatever its step.
RangeScan scan_range(std::string_view text, std::size_t max_values);

// The values of a valid range: START + i·STEP, each computed afresh (not
// summed), cleaned of the last-digit noise of binary arithmetic so that
// 0.1:0.5:0.1 gives 0.3 rather than 0.30000000000000004.
std::vector<double> range_values(const Range& range);

// How many decimals show every value of the range exactly (0 to 6): the
// most of START's and STEP's.
int range_decimals(const Range& range);

}  // namespace tarniq::request
