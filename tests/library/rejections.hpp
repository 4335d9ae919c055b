// Table-driven checks that calls are refused with a given exception and its exact message.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace tarniq::testing {

struct Rejection {
  std::function<void()> call;
  std::string message;  // what() of the exception, exactly
};

// Each call must throw Exception with exactly its message.
template <typename Exception>
void expect_rejections(std::initializer_list<Rejection> rows) {
  for (const Rejection& r : rows) {
    try {
      r.call();
      ADD_FAILURE() << "accepted; expected: " << r.message;
    } catch (const Exception& e) {
      EXPECT_EQ(std::string(e.what()), r.message);
    }
  }
}

}  // namespace tarniq::testing
