#include "suite/shuffle_seed.hpp"

#include <gtest/gtest.h>

namespace suite {
namespace {

timespec at_2026() { return {1'796'000'000, 123'456'789}; }
timespec far_future() { return {600'000'000'000, 5}; }
timespec before_1970() { return {-2, 500'000'000}; }
timespec one_nanosecond_before_1970() { return {-1, 999'999'999}; }

TEST(ShuffleSeed, TheGivenSeedWinsOverTheClock) {
  RunOptions options;
  EXPECT_EQ(choose_shuffle_seed(options, at_2026), std::nullopt);
  options.shuffle_order = true;
  EXPECT_EQ(choose_shuffle_seed(options, at_2026), 1'796'000'000'123'456'789u);
  // The count of nanoseconds keeps its low 64 bits.
  EXPECT_EQ(choose_shuffle_seed(options, far_future),
            600'000'000'000u * 1'000'000'000u + 5u);
  options.order_seed = 7;
  EXPECT_EQ(choose_shuffle_seed(options, before_1970), 7u);
  options.shuffle_order = false;
  EXPECT_EQ(choose_shuffle_seed(options, before_1970), 7u);
}

TEST(ShuffleSeedDeathTest, AClockBefore1970IsFatal) {
  RunOptions options;
  options.shuffle_order = true;
  EXPECT_EXIT(choose_shuffle_seed(options, before_1970), ::testing::ExitedWithCode(101),
              "failed at suite/shuffle_seed.cpp:[0-9]+:[0-9]+:\nFailed to get system time: "
              "the clock lies 1.500000000s before 1970-01-01T00:00:00Z\n");
  EXPECT_EXIT(choose_shuffle_seed(options, one_nanosecond_before_1970),
              ::testing::ExitedWithCode(101),
              "Failed to get system time: the clock lies 0.000000001s before 1970");
}

}  // namespace
}  // namespace suite
