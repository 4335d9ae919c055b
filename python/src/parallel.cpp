// Splitting work over threads: how many parts, running them, and which items each part takes.
#include "parallel.hpp"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>

namespace tarniq::python {

std::size_t part_count(std::size_t count, std::size_t least_per_part) {
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  return std::clamp<std::size_t>(count / std::max<std::size_t>(least_per_part, 1), 1, cores);
}

void run_parts(std::size_t parts, const std::function<void(std::size_t index)>& part) {
  std::vector<std::exception_ptr> failures(parts);
  const auto run = [&](std::size_t index) {
    try {
      part(index);
    } catch (...) {
      failures[index] = std::current_exception();
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(parts);
  for (std::size_t index = 0; index + 1 < parts; ++index) {
    try {
      threads.emplace_back(run, index);
    } catch (const std::system_error&) {
      run(index);  // no thread to spare: this one does the part
    }
  }
  run(parts - 1);
  for (auto& thread : threads) thread.join();
  for (const auto& failure : failures)
    if (failure) std::rethrow_exception(failure);
}

ItemRange part_range(std::size_t count, std::size_t parts, std::size_t index) {
  return {count * index / parts, count * (index + 1) / parts};
}

}  // namespace tarniq::python
