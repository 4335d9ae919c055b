// Property checks of the fuzz targets, active in every build: a property that
// fails aborts, so a corpus replay fails in a plain test run as well as under
// the sanitizers and libFuzzer.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tarniq::fuzzing {

inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", property);
  std::abort();
}

}  // namespace tarniq::fuzzing
