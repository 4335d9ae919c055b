// Long computations over arrays split over the machine's cores, with the GIL released by the caller.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace tarniq::python {

// How many items a thread must get before another thread is worth starting:
// light for calls of a microsecond or less (gain, one pattern value), heavy
// for searches (a beamwidth takes tens of microseconds).
inline constexpr std::size_t light_work = 16384;
inline constexpr std::size_t heavy_work = 8;

// How many parts to split `count` items into: one per core, as long as each
// part gets at least least_per_part items; at least 1.
std::size_t part_count(std::size_t count, std::size_t least_per_part);

// Runs part(index) for each index below parts, on a thread each but the
// last, which runs in the calling thread. When parts fail, rethrows the
// exception of the lowest-numbered one, after every thread has ended.
void run_parts(std::size_t parts, const std::function<void(std::size_t index)>& part);

// Items begin ... end - 1 of a list.
struct ItemRange {
  std::size_t begin = 0;
  std::size_t end = 0;
  [[nodiscard]] std::size_t size() const { return end - begin; }
};

// Part `index` of `count` items split into `parts` ranges of nearly one size.
ItemRange part_range(std::size_t count, std::size_t parts, std::size_t index);

}  // namespace tarniq::python
