#include "platform/thread_start.hpp"

#include <gtest/gtest.h>

namespace suite {
namespace {

thread_local int inherited_value = 0;

TEST(ThreadStart, NewThreadsRunWhatTheHooksHandDown) {
  add_thread_start_hook([]() -> std::function<void()> {
    const int value = inherited_value;
    return [value] { inherited_value = value; };
  });
  inherited_value = 42;
  int seen = 0;
  start_thread([&] { seen = inherited_value; }).join();
  EXPECT_EQ(seen, 42);
}

}  // namespace
}  // namespace suite
